// The party screens' views in the real window, driven by real presses and keys: the
// list's two tabs and its banner, the page's sign-up and the withdrawal question over
// the page (which takes no press while the question is up), the form's checks and its
// fields taking only what they accept; a screenshot of every party screen.

#include "VenueViewHarness.h"
#include "api/json/JsonReader.h"
#include "model/Advertisement.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "screens/venues/MyPartyListViewController.h"
#include "screens/venues/PartyDetailViewController.h"
#include "screens/venues/PartyJoinViewController.h"
#include "screens/venues/PartyListViewController.h"
#include "screens/venues/VenueAlbumsViewController.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPointer>

class tst_PartyViews : public QObject, protected VenueViewHarness {
    Q_OBJECT
private slots:
    void initTestCase() { AppShell::applyFont(); }
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }
    void listTabsAndBanner();
    void signUpAndWithdrawQuestion();
    void formChecksAndKeys();
    void ownPartiesAndAlbum();
    void aLoadingListSpinsAndAnEmptyOneSaysSoOnce();
    void aLoadingPageAndAnEndedPartySaySo();

private:
    QQuickItem *showing(const QString &text) const
    {
        return find(
            [&text](QQuickItem *item) { return item->property("text").toString() == text; });
    }

    // Types `text` into the focused item: Latin characters as key presses, the others
    // committed as an input method does.
    void type(const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(window_, char(c.unicode()));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QGuiApplication::sendEvent(window_->focusObject(), &commit);
            }
        }
    }

    // How many pixels of `item` on screen are of the theme's cyan.
    int cyanPixelsIn(QQuickItem *item) const
    {
        if (!item)
            return 0;
        const QImage shot = window_->grabWindow();
        const QRect area = item->mapRectToScene(item->boundingRect()).toAlignedRect();
        int cyan = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor color = shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio());
                cyan += color.blue() > 150 && color.green() > 150 && color.red() < 120;
            }
        }
        return cyan;
    }

    // The text input of the form field named `objectName`.
    QQuickItem *input(const QString &objectName) const
    {
        return find([this, &objectName](QQuickItem *item) {
            return item->inherits("QQuickTextInput") && item->parentItem()
                   && item->parentItem()->objectName() == objectName;
        });
    }
};

void tst_PartyViews::listTabsAndBanner()
{
    test().reply("party.php", ScriptedReply::json(fixture("partys_current.json")));
    test().reply("my_party_join.php",
                 ScriptedReply::json(fixture("partys_current.json")
                                         .replace("\"pid\": \"1\"", "\"pid\": \"41\"")
                                         .replace("\"pid\": \"2\"", "\"pid\": \"42\"")
                                         .replace("\"pid\": \"3\"", "\"pid\": \"43\"")));
    test().context().session().setAds(Advertisement(*nuvora::json::JsonReader().objectWithData(
        R"({"club":[],"party":[{"img":"","id":"31"},{"img":"","id":"8"}]})")));
    auto *list = new PartyListViewController(test().context());
    list->setFilterBarTimings(60000, 60000);
    test().context().navigation().setViewControllers({list}, false);
    QTRY_COMPARE(list->records()->count(), 3);
    QVERIFY(named(QStringLiteral("adScroll")));
    screenshot(QStringLiteral("PartyListViewCurrent"));

    QVERIFY(click(named(QStringLiteral("filter8888"))));
    QCOMPARE(list->tabs()->shownTag(), int(PartyListViewController::MineTag));
    QVERIFY(showing(QStringLiteral("活动 · 我的报名")));
    QTRY_COMPARE(list->records()->count(), 3);
    QCOMPARE(list->records()->recordAt<Party>(0)->pid, 41);
    screenshot(QStringLiteral("PartyListViewMine"));
    QVERIFY(click(named(QStringLiteral("filter9999"))));
    QCOMPARE(list->tabs()->shownTag(), int(PartyListViewController::CurrentTag));
    QCOMPARE(test().requestsTo("party.php"), 1);

    // A row opens its party; the banner opens the advertised one.
    QQuickItem *row = find([](QQuickItem *item) {
        return item->property("title").toString() == QStringLiteral("复古迪斯科之夜");
    });
    QVERIFY(click(row));
    QCOMPARE(test().router().last(), QStringLiteral("partyDetail 2"));
    QVERIFY(click(named(QStringLiteral("adScroll"))));
    QCOMPARE(test().router().last(), QStringLiteral("party 31"));
    QVERIFY(click(named(QStringLiteral("refreshButton"))));
    QTRY_COMPARE(test().requestsTo("party.php"), 2);
}

void tst_PartyViews::signUpAndWithdrawQuestion()
{
    // Before the fixture's party ends, whatever day the test runs on.
    test().context().clock().setNow(QDateTime(QDate(2026, 12, 8), QTime(20, 0)));
    // A failed load leaves the page offering another; a press on it brings the party.
    test().reply("party_show.php", ScriptedReply::json(R"({"status":0,"message":"网络错误"})"));
    auto *detail = new PartyDetailViewController(test().context(), Party::withId(31));
    test().context().navigation().setViewControllers({detail}, false);
    QTRY_VERIFY(test().context().alerts().alertVisible());
    QVERIFY(click(labelled(AlertPresenter::kOkButton)));
    QTRY_VERIFY(named(QStringLiteral("reloadButton")));
    QCOMPARE(named(QStringLiteral("reloadButton"))->property("label").toString(),
             QStringLiteral("重新加载"));
    screenshot(QStringLiteral("PartyDetailViewReloadOffered"));
    test().reply("party_show.php", ScriptedReply::json(fixture("party_show_31.json")));
    test().reply("party_join_post.php", ScriptedReply::json(R"({"status":1,"message":""})"));
    QVERIFY(click(named(QStringLiteral("reloadButton"))));
    QTRY_VERIFY(detail->isLoaded());
    QTRY_VERIFY(!named(QStringLiteral("reloadButton")));
    screenshot(QStringLiteral("PartyDetailViewLoaded"));

    QVERIFY(click(named(QStringLiteral("joinButton"))));
    QTRY_VERIFY(detail->party().isjoin);
    QTRY_VERIFY(named(QStringLiteral("joinedButton")));
    QVERIFY(named(QStringLiteral("notice")));
    QTRY_VERIFY(!named(QStringLiteral("notice")));

    // Found while the page is in front: under the question only its picture shows.
    QPointer<QQuickItem> favor = named(QStringLiteral("favorButton"));
    QVERIFY(favor);
    QVERIFY(click(named(QStringLiteral("joinedButton"))));
    AlertPresenter &alerts = test().context().alerts();
    QCOMPARE(alerts.alertTitle(), QStringLiteral("将为您取消报名，是否继续？"));
    screenshot(QStringLiteral("PartyDetailViewWithdrawQuestion"));
    QVERIFY(click(favor));
    QCOMPARE(test().requestsTo("party_favor_post.php"), 0);
    QVERIFY(click(labelled(QStringLiteral("否"))));
    QTRY_VERIFY(!alerts.alertVisible());
    QVERIFY(detail->party().isjoin);
    QCOMPARE(test().requestsTo("party_join_out.php"), 0);

    test().reply("party_join_out.php", ScriptedReply::json(R"({"status":1,"message":""})"));
    QVERIFY(click(named(QStringLiteral("joinedButton"))));
    QVERIFY(click(labelled(QStringLiteral("是"))));
    QTRY_VERIFY(!detail->party().isjoin);
    QTRY_VERIFY(named(QStringLiteral("joinButton")));
    QTRY_VERIFY(!named(QStringLiteral("notice")));

    // The rest of the page: strips, description and the board.
    auto *flickable = find([](QQuickItem *item) {
        return item->inherits("QQuickFlickable")
               && item->property("contentHeight").toDouble() > 600;
    });
    QVERIFY(flickable);
    flickable->setProperty("contentY", detail->layout()->contentHeight() - flickable->height());
    screenshot(QStringLiteral("PartyDetailViewBottom"));
}

void tst_PartyViews::formChecksAndKeys()
{
    // The form over the party's page.
    test().reply("party_show.php", ScriptedReply::json(fixture("party_show_31.json")));
    auto *below = new PartyDetailViewController(test().context(), Party::withId(31));
    auto *form = new PartyJoinViewController(test().context(), 31);
    test().context().navigation().setViewControllers({below, form}, false);
    QVERIFY(client_->phone().waitUntilIdle());
    // The cursor stands in the name field.
    QTRY_VERIFY(input(QStringLiteral("nameField"))
                && input(QStringLiteral("nameField"))->hasActiveFocus());
    type(QStringLiteral("夜色体验官"));
    QCOMPARE(form->name(), QStringLiteral("夜色体验官"));

    QVERIFY(click(input(QStringLiteral("telField"))));
    QTRY_VERIFY(input(QStringLiteral("telField"))->hasActiveFocus());
    type(QStringLiteral("138a0013-8000x"));
    QCOMPARE(form->tel(), QStringLiteral("1380013-8000"));
    QVERIFY(click(input(QStringLiteral("countField"))));
    type(QStringLiteral("-2.5"));
    QCOMPARE(form->count(), QStringLiteral("25"));
    QTest::keyClick(window_, Qt::Key_Backspace);
    QTest::keyClick(window_, Qt::Key_Backspace);
    QCOMPARE(form->count(), QString());

    AlertPresenter &alerts = test().context().alerts();
    QVERIFY(click(named(QStringLiteral("commitButton"))));
    QCOMPARE(alerts.alertTitle(), QStringLiteral("请提供出席人数"));
    screenshot(QStringLiteral("PartyJoinViewCheck"));
    QVERIFY(click(labelled(AlertPresenter::kOkButton)));
    QTRY_VERIFY(!alerts.alertVisible());
    QCOMPARE(test().requestsTo("party_join_post.php"), 0);

    ScriptedReply ok = ScriptedReply::json(R"({"status":1,"message":"报名成功"})");
    ok.delayMs = 400;
    test().reply("party_join_post.php", ok);
    QVERIFY(click(input(QStringLiteral("countField"))));
    type(QStringLiteral("2"));
    // Return in a field submits the form as its button does.
    QTest::keyClick(window_, Qt::Key_Return);
    QVERIFY(form->isSending());
    // Nothing under the running indicator takes a press while the form is out.
    QVERIFY(click(input(QStringLiteral("nameField"))));
    QVERIFY(!input(QStringLiteral("nameField"))->hasActiveFocus());
    QTRY_VERIFY(!named(QStringLiteral("commitButton")));
    screenshot(QStringLiteral("PartyJoinViewSending"));
    QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("报名成功！"));
    screenshot(QStringLiteral("PartyJoinViewJoined"));
    QVERIFY(click(labelled(AlertPresenter::kOkButton)));
    QTRY_COMPARE(test().context().navigation().topViewController(), below);
}

void tst_PartyViews::ownPartiesAndAlbum()
{
    User demo;
    demo.userId = 2;
    test().reply("my_party_join.php", ScriptedReply::json(fixture("partys_current.json")));
    auto *mine = new MyPartyListViewController(test().context(), demo);
    test().context().navigation().setViewControllers({mine}, false);
    QTRY_COMPARE(mine->records()->count(), 3);
    screenshot(QStringLiteral("MyPartyListView"));

    test().reply("party_photo.php", ScriptedReply::json(fixture("party_show_31.json")));
    auto *album = VenueAlbumsViewController::ofParty(test().context(), Party::withId(31));
    test().context().navigation().pushViewController(album, false);
    QTRY_COMPARE(album->records()->count(), 3);
    screenshot(QStringLiteral("PartyAlbumsView"));
    QQuickItem *thumbnail = find([](QQuickItem *item) {
        return item->property("column").toInt() == 2 && item->property("accessibleName") == "照片"
               && item->parentItem()->property("index").toInt() == 0;
    });
    QVERIFY(click(thumbnail));
    QCOMPARE(test().router().last(), QStringLiteral("photoViewer 3 of 3"));
}

void tst_PartyViews::aLoadingListSpinsAndAnEmptyOneSaysSoOnce()
{
    const auto shown = [this](const QString &text) {
        return find([&text](QQuickItem *item) { return item->property("text") == text; });
    };
    ScriptedReply none = ScriptedReply::json(R"({"status":1,"message":"","partys":[]})");
    none.delayMs = 500;
    test().reply("my_party_join.php", none);
    User demo;
    demo.userId = 2;
    auto *mine = new MyPartyListViewController(test().context(), demo);
    test().context().navigation().setViewControllers({mine}, false);
    QTRY_VERIFY(shown(LoadMoreFooterView::kLoadingText));
    QVERIFY(!shown(LoadMoreFooterView::kMoreText));
    // The footer's spinner is drawn, in the theme's cyan.
    QTRY_VERIFY(
        cyanPixelsIn(find([](QQuickItem *item) {
            return QByteArray(item->metaObject()->className()).startsWith("RunningIndicator");
        }))
        > 10);
    screenshot(QStringLiteral("MyPartyListViewLoading"));
    QTRY_VERIFY(shown(QStringLiteral("还没有报名的活动")));
    QVERIFY(!shown(LoadMoreFooterView::kAllLoadedText));
    screenshot(QStringLiteral("MyPartyListViewEmpty"));
}

void tst_PartyViews::aLoadingPageAndAnEndedPartySaySo()
{
    // The fixture's party ended at 02:00.
    test().context().clock().setNow(QDateTime(QDate(2036, 12, 12), QTime(3, 0)));
    ScriptedReply slow = ScriptedReply::json(fixture("party_show_31.json"));
    slow.delayMs = 400;
    test().reply("party_show.php", slow);
    auto *detail = new PartyDetailViewController(test().context(), Party::withId(31));
    test().context().navigation().setViewControllers({detail}, false);
    QTRY_VERIFY(showing(QStringLiteral("正在加载…")));
    QVERIFY(click(named(QStringLiteral("joinButton"))));
    QTRY_VERIFY(named(QStringLiteral("notice")));
    QCOMPARE(test().context().alerts().noticeText(), QStringLiteral("正在加载活动信息"));
    screenshot(QStringLiteral("PartyDetailViewLoading"));

    QTRY_VERIFY(named(QStringLiteral("endedButton")));
    QVERIFY(!showing(QStringLiteral("正在加载…")));
    QVERIFY(!named(QStringLiteral("joinButton")));
    QVERIFY(!named(QStringLiteral("joinedButton")));
    QVERIFY(click(named(QStringLiteral("endedButton"))));
    QVERIFY(!test().context().alerts().alertVisible());
    QCOMPARE(test().requestsTo("party_join_post.php"), 0);
    screenshot(QStringLiteral("PartyDetailViewEnded"));
}

QTEST_MAIN(tst_PartyViews)
#include "tst_partyviews.moc"
