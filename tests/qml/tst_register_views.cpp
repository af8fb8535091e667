// The sign-in screens' views in the states their panels move to: the image
// picker's dialog and crop over step two, the date panel of step three and the
// region picker, driven through the controllers as a user's taps would. Any QML
// warning fails; screenshots go beside the smoke test's.

#include "ClientWindow.h"
#include "PhoneWindow.h"
#include "app/AppShell.h"
#include "app/RegisterStepThreeViewController.h"
#include "app/RegisterStepTwoViewController.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/people/LocationViewController.h"

#include <QDir>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class tst_RegisterViews : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void imagePickerDialogAndCrop();
    void datePanelSlidesUp();
    void regionPickerFollowsTheWheels();
    void regionPickerFitsAndStartsOnTheCityFound();

private:
    // Waits until no screen slides and the shown wheels rest on a panel at `panelY`.
    void settle(std::optional<double> panelY = std::nullopt);
    void screenshot(const QString &name);
    // The visible objects of that class (or derived from it) in the window.
    QList<QObject *> shown(const char *className) const;
    bool wheelsRestAt(double panelY) const;
    // The region screen with its picker shown, after the server's answer of `fixture`.
    LocationViewController *showRegionPicker(const char *fixture);
    // The province wheel, then the city wheel.
    QList<QObject *> regionWheels() const;

    ClientTestContext &test() { return client_->test(); }

    std::unique_ptr<ClientWindow> client_;
    QQuickWindow *window_ = nullptr;
};

void tst_RegisterViews::initTestCase()
{
    AppShell::applyFont();
}

void tst_RegisterViews::init()
{
    client_ = std::make_unique<ClientWindow>();
    client_->open();
    window_ = client_->window();
}

void tst_RegisterViews::cleanup()
{
    window_ = nullptr;
    client_->close();
    client_.reset();
}

void tst_RegisterViews::settle(std::optional<double> panelY)
{
    QVERIFY(client_->phone().waitUntilIdle());
    if (panelY)
        QTRY_VERIFY(wheelsRestAt(*panelY));
}

void tst_RegisterViews::screenshot(const QString &name)
{
    QVERIFY(client_->phone().saveScreenshot(name));
}

bool tst_RegisterViews::wheelsRestAt(double panelY) const
{
    const QList<QObject *> wheels = shown("QQuickTumbler");
    for (QObject *wheel : wheels) {
        if (wheel->property("moving").toBool())
            return false;
        // A wheel turned by a binding glides to its row after the flick has ended.
        auto *current = wheel->property("currentItem").value<QQuickItem *>();
        auto *wheelItem = qobject_cast<QQuickItem *>(wheel);
        if (current
            && std::abs(current->mapToItem(wheelItem, current->boundingRect().center()).y()
                        - wheelItem->height() / 2)
                   > 1)
            return false;
        // The panel holding the wheel has slid to its place.
        bool placed = false;
        for (auto *item = qobject_cast<QQuickItem *>(wheel); item; item = item->parentItem())
            placed = placed || item->y() == panelY;
        if (!placed)
            return false;
    }
    return !wheels.isEmpty();
}

QList<QObject *> tst_RegisterViews::shown(const char *className) const
{
    QList<QObject *> found;
    for (QObject *object : window_->findChildren<QObject *>()) {
        if (object->inherits(className) && object->property("visible").toBool())
            found << object;
    }
    return found;
}

void tst_RegisterViews::imagePickerDialogAndCrop()
{
    auto *stepTwo = new RegisterStepTwoViewController(test().context());
    test()->navigation().setViewControllers({stepTwo}, false);
    AlertPresenter &alerts = test()->alerts();
    QVERIFY(alerts.isActionSheet());
    alerts.answer(1);
    QVERIFY(stepTwo->imagePicker()->isChoosingFile());
    QTRY_VERIFY(!shown("QQuickFileDialogImpl").isEmpty());
    QObject *dialog = shown("QQuickFileDialogImpl").first();
    QTRY_VERIFY(dialog->property("opened").toBool());
    settle();
    screenshot(QStringLiteral("ImagePickerDialog"));

    QTemporaryDir dir;
    QImage photo(600, 400, QImage::Format_RGB32);
    photo.fill(QColor(40, 120, 200));
    const QString path = dir.filePath("photo.png");
    QVERIFY(photo.save(path));
    stepTwo->imagePicker()->chooseFile(QUrl::fromLocalFile(path));
    QVERIFY(stepTwo->imagePicker()->isCropping());
    QTRY_VERIFY(shown("QQuickFileDialogImpl").isEmpty());
    settle();
    screenshot(QStringLiteral("ImagePickerCrop"));
    stepTwo->imagePicker()->finishCropping();
    QVERIFY(stepTwo->hasAvatar());
    settle();
    screenshot(QStringLiteral("RegisterStepTwoWithAvatar"));
}

void tst_RegisterViews::datePanelSlidesUp()
{
    auto *stepThree = new RegisterStepThreeViewController(test().context(), "jpeg");
    test()->navigation().setViewControllers({stepThree}, false);
    stepThree->setNickname(QStringLiteral("夜行者"));
    stepThree->selectGender(2);
    stepThree->selectBirthday();
    stepThree->birthdayWheels()->setDate(1995, 6, 18);
    settle(200);
    screenshot(QStringLiteral("RegisterStepThreeDatePanel"));
    // Turning the month wheel to February keeps the day; the 31st snaps back.
    QList<QObject *> wheels = shown("QQuickTumbler");
    QCOMPARE(wheels.size(), 3);
    QObject *month = nullptr, *day = nullptr;
    for (QObject *wheel : wheels) {
        const int count = wheel->property("count").toInt();
        (count == 12 ? month : count == 31 ? day : wheel) = wheel;
    }
    QVERIFY(month && day);
    month->setProperty("currentIndex", 1);
    QCOMPARE(stepThree->birthdayWheels()->date(), QDate(1995, 2, 18));
    day->setProperty("currentIndex", 30);
    QCOMPARE(stepThree->birthdayWheels()->date(), QDate(1995, 2, 28));
    QTRY_COMPARE(day->property("currentIndex").toInt(), 27);
    day->setProperty("currentIndex", 17);
    month->setProperty("currentIndex", 5);
    stepThree->fininshedSelectBirthday();
    settle(460);
    screenshot(QStringLiteral("RegisterStepThreeFilled"));
    QCOMPARE(stepThree->birthday(), QStringLiteral("1995-06-18"));
}

LocationViewController *tst_RegisterViews::showRegionPicker(const char *fixture)
{
    test().replyFixture(LocationViewController::kScript, fixture);
    auto *location = new LocationViewController(test().context());
    test()->navigation().presentViewController(location, false);
    [&] {
        QTRY_VERIFY(!location->isRunning());
        location->manualToSelectCity();
        settle(location->pickerY());
    }();
    return location;
}

QList<QObject *> tst_RegisterViews::regionWheels() const
{
    QList<QObject *> wheels = shown("QQuickTumbler");
    if (wheels.size() == 2 && wheels[0]->property("count").toInt() != 35)
        std::swap(wheels[0], wheels[1]);
    return wheels;
}

void tst_RegisterViews::regionPickerFollowsTheWheels()
{
    LocationViewController *location = showRegionPicker("lbs_unknown_place.json");
    QList<QObject *> wheels = regionWheels();
    QCOMPARE(wheels.size(), 2);
    // Turning the province wheel as a finger would fills the city wheel.
    wheels[0]->setProperty("currentIndex", 6);
    QCOMPARE(location->wheels()->selectedProvinceRow(), 6);
    QCOMPARE(location->wheels()->cities().size(), 22);
    wheels[1]->setProperty("currentIndex", 15);
    QCOMPARE(location->infoText(), QStringLiteral("深圳"));
    settle(location->pickerY());
    screenshot(QStringLiteral("LocationPicker"));
    location->confirmLocation();
}

void tst_RegisterViews::regionPickerFitsAndStartsOnTheCityFound()
{
    LocationViewController *location = showRegionPicker("lbs_shanghai.json");
    screenshot(QStringLiteral("LocationPickerFound"));
    const QList<QObject *> wheels = regionWheels();
    QCOMPARE(wheels.size(), 2);
    QCOMPARE(wheels[0]->property("currentIndex").toInt(), 25);
    QCOMPARE(wheels[1]->property("currentIndex").toInt(), 1);
    // Both wheels end within the window, not under its bottom edge.
    for (QObject *wheel : wheels) {
        auto *item = qobject_cast<QQuickItem *>(wheel);
        const QPointF bottom = item->mapToScene(QPointF(0, item->height()));
        QVERIFY2(bottom.y() <= window_->contentItem()->height(),
                 qPrintable(QString::number(bottom.y())));
    }
    location->confirmLocation();
    QCOMPARE(test()->settings().string(SettingsKeys::shi), QStringLiteral("1"));
    QCOMPARE(test()->alerts().alertCount(), 0);
}

QTEST_MAIN(tst_RegisterViews)
#include "tst_register_views.moc"
