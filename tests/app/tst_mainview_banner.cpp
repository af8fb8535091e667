// The banner's view on screen: its pages, the scrolls the banner asks for, taps on a
// page, and the scroll events it reports back. A QML warning fails the test.

#include "app/ADsView.h"
#include "app/AppShell.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

namespace {
std::vector<AdItem> itemsOf(int count)
{
    std::vector<AdItem> items;
    for (int i = 0; i < count; ++i)
        items.push_back({QStringLiteral("http://127.0.0.1:9/ad%1.jpg").arg(i), 100 + i});
    return items;
}
} // namespace

class BannerViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsEveryPageAndFollowsTheBanner_data();
    void showsEveryPageAndFollowsTheBanner();

private:
    QQuickItem *load(ADsView &banner);

    std::unique_ptr<QQmlEngine> engine_;
    std::unique_ptr<QQuickWindow> window_;
    QStringList warnings_;
};

void BannerViewTest::init()
{
    AppShell::applyFont();
    engine_ = std::make_unique<QQmlEngine>();
    AppShell::configureEngine(*engine_);
    engine_->setOutputWarningsToStandardError(true);
    connect(engine_.get(), &QQmlEngine::warnings, this, [this](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors)
            warnings_ << error.toString();
    });
    window_ = std::make_unique<QQuickWindow>();
    window_->resize(320, 119);
    warnings_.clear();
}

void BannerViewTest::cleanup()
{
    window_.reset();
    engine_.reset();
}

QQuickItem *BannerViewTest::load(ADsView &banner)
{
    QQmlComponent component(engine_.get(),
                            QUrl(QStringLiteral("qrc:/Nuvora/qml/app/AdBanner.qml")));
    auto *item = qobject_cast<QQuickItem *>(
        component.createWithInitialProperties({{"banner", QVariant::fromValue(&banner)}}));
    if (!item) {
        warnings_ << component.errorString();
        return nullptr;
    }
    item->setParentItem(window_->contentItem());
    return item;
}

void BannerViewTest::showsEveryPageAndFollowsTheBanner_data()
{
    QTest::addColumn<int>("items");
    QTest::newRow("one item") << 1;
    QTest::newRow("three items") << 3;
}

void BannerViewTest::showsEveryPageAndFollowsTheBanner()
{
    QFETCH(int, items);
    ADsView banner(itemsOf(items));
    banner.setTimerIntervals(60000, 60000);
    std::unique_ptr<QQuickItem> view(load(banner));
    QVERIFY2(view, qPrintable(warnings_.join('\n')));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));

    auto *scroll = view->findChild<QQuickItem *>(QStringLiteral("adScroll"));
    QVERIFY(scroll);
    QCOMPARE(scroll->height(), ADsView::kScrollHeight);
    // The pages and the extra one repeating the first.
    QCOMPARE(scroll->property("contentWidth").toDouble(), (items + 1) * ADsView::kPageWidth);

    // The timer's step scrolls the strip, animated, and the indicator follows.
    banner.animateADs();
    const double next = items == 1 ? 0 : ADsView::kPageWidth;
    QTRY_COMPARE(scroll->property("contentX").toDouble(), next);
    QCOMPARE(banner.currentPage(), items == 1 ? 0 : 1);

    // A jump back from the extra page is immediate.
    banner.scrollViewDidScroll(-1);
    QCOMPARE(scroll->property("contentX").toDouble(), items * ADsView::kPageWidth);
    QCOMPARE(banner.currentPage(), 0);

    // A tap on the extra page reports the first item.
    QSignalSpy clicks(&banner, &ADsView::clickWhichADButton);
    QTest::mouseClick(window_.get(), Qt::LeftButton, {}, QPoint(160, 40));
    QTRY_COMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 0);
    QVERIFY(!banner.timerRunning());
    QVERIFY2(warnings_.isEmpty(), qPrintable(warnings_.join('\n')));
}

QTEST_MAIN(BannerViewTest)
#include "tst_mainview_banner.moc"
