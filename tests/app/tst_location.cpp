// The region screen against the loopback API with captured replies: the server's
// answer for the stored position, the picker, what confirming stores and announces,
// and what the opening screen is told.

#include "ClientTestContext.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/people/LocationViewController.h"

#include <QPointer>
#include <QTest>

Q_DECLARE_METATYPE(ScriptedReply)

namespace {
// The opening screen, recording what it is told.
class RecordingOpener : public QObject {
public:
    std::vector<std::optional<QString>> answers;
};
} // namespace

class tst_Location : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void serverNamesTheCityOfThePosition();
    void unknownPlaceNeedsAManualPick();
    void manualPickOverridesTheServer();
    void incompleteChoiceSaysWhatIsMissing();
    void samePlaceIsStoredWithoutNotification();
    void cancelStoresNothing();
    void badRepliesReadAsNotLocated_data();
    void badRepliesReadAsNotLocated();
    void closingTheScreenDropsTheRequest();

private:
    LocationViewController *open(const QString &lat, const QString &lng,
                                 const QString &fixture = "lbs_shanghai.json");

    std::unique_ptr<ClientTestContext> test_;
    std::unique_ptr<RecordingOpener> opener_;
    int switched_ = 0;
};

void tst_Location::init()
{
    test_ = std::make_unique<ClientTestContext>();
    opener_ = std::make_unique<RecordingOpener>();
    switched_ = 0;
    (*test_)->notifications().addObserver(opener_.get(), NotificationNames::citySwitched,
                                          [this](const QVariant &) { ++switched_; });
}

void tst_Location::cleanup()
{
    opener_.reset();
    test_.reset();
}

LocationViewController *tst_Location::open(const QString &lat, const QString &lng,
                                           const QString &fixture)
{
    if (!fixture.isEmpty())
        test_->replyFixture(LocationViewController::kScript, fixture);
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::latitude, lat);
    settings.setString(SettingsKeys::longitude, lng);
    auto *location = new LocationViewController(test_->context());
    location->setDelegate(opener_.get(),
                          [opener = opener_.get()](const std::optional<QString> &cityName) {
                              opener->answers.push_back(cityName);
                          });
    (*test_)->navigation().presentViewController(location, false);
    return location;
}

void tst_Location::serverNamesTheCityOfThePosition()
{
    LocationViewController *location = open("31.230400", "121.473700");
    QVERIFY(location->isRunning());
    QCOMPARE(location->wheels()->provinces().size(), 35);
    QCOMPARE(location->wheels()->cities(), QStringList{QString()});
    QTRY_VERIFY(!location->isRunning());
    QVERIFY(location->autoLocatedSuccess());
    QCOMPARE(location->sheng(), 25);
    QCOMPARE(location->shi(), 1);
    QCOMPARE(location->infoText(), QStringLiteral("上海"));
    // The wheels start on the city found.
    QCOMPARE(location->wheels()->selectedProvinceRow(), 25);
    QCOMPARE(location->wheels()->selectedCityRow(), 1);
    QCOMPARE(location->wheels()->cities(), (QStringList{QString(), QStringLiteral("上海")}));
    QCOMPARE(test_->lastFormOf(LocationViewController::kScript),
             (QList<QPair<QString, QString>>{{"lat", "31.230400"}, {"lng", "121.473700"}}));

    location->confirmLocation();
    QCOMPARE(switched_, 1);
    QCOMPARE(opener_->answers.size(), size_t(1));
    QCOMPARE(opener_->answers[0], std::optional<QString>(QStringLiteral("上海")));
    // Flushed: a restarted client reads the place.
    AppContext &again = test_->restart();
    QCOMPARE(again.settings().string(SettingsKeys::sheng), QStringLiteral("25"));
    QCOMPARE(again.settings().string(SettingsKeys::shi), QStringLiteral("1"));
}

void tst_Location::unknownPlaceNeedsAManualPick()
{
    // The middle of the ocean is in no city the server knows; its refusal is no alert.
    LocationViewController *location = open("0", "-30", "lbs_unknown_place.json");
    QTRY_VERIFY(!location->isRunning());
    QVERIFY(!location->autoLocatedSuccess());
    QCOMPARE(location->infoText(), LocationViewController::kCannotLocate);
    QCOMPARE((*test_)->alerts().alertCount(), 0);

    // Row 0 of the provinces is no choice.
    location->pickerViewDidSelectRow(0, RegionWheels::ProvinceComponent);
    QVERIFY(!location->manualLocated());

    QCOMPARE(location->pickerY(), LocationViewController::kPickerHiddenY);
    location->manualToSelectCity();
    QVERIFY(location->isPickerShown());
    QCOMPARE(location->pickerY(), 244);
    QCOMPARE(location->pickerHeight(), 216);
}

void tst_Location::manualPickOverridesTheServer()
{
    LocationViewController *location = open("31.230400", "121.473700");
    QTRY_VERIFY(location->autoLocatedSuccess());
    location->pickerViewDidSelectRow(6, RegionWheels::ProvinceComponent);
    QVERIFY(location->manualLocated());
    QCOMPARE(location->wheels()->cities().size(), 22);
    location->pickerViewDidSelectRow(15, RegionWheels::CityComponent);
    QCOMPARE(location->infoText(), QStringLiteral("深圳"));
    // Rows the picker cannot have are ignored.
    location->pickerViewDidSelectRow(99, RegionWheels::CityComponent);
    location->pickerViewDidSelectRow(-1, RegionWheels::ProvinceComponent);
    QCOMPARE(location->wheels()->selectedProvinceRow(), 6);
    QCOMPARE(location->wheels()->selectedCityRow(), 15);

    location->confirmLocation();
    QCOMPARE(location->sheng(), 6);
    QCOMPARE(location->shi(), 15);
    QCOMPARE(opener_->answers.back(), std::optional<QString>(QStringLiteral("深圳")));
    QCOMPARE((*test_)->settings().string(SettingsKeys::sheng), QStringLiteral("6"));
    QCOMPARE((*test_)->settings().string(SettingsKeys::shi), QStringLiteral("15"));
}

void tst_Location::incompleteChoiceSaysWhatIsMissing()
{
    // Confirming an empty name would leave the sign-in waiting with nothing said.
    LocationViewController *location = open("0", "-30", "lbs_unknown_place.json");
    QTRY_VERIFY(!location->isRunning());
    AlertPresenter &alerts = (*test_)->alerts();
    location->confirmLocation();
    QCOMPARE(alerts.alertTitle(), LocationViewController::kChooseProvince);
    alerts.answer(0);
    location->pickerViewDidSelectRow(3, RegionWheels::ProvinceComponent);
    location->confirmLocation();
    QCOMPARE(alerts.alertTitle(), LocationViewController::kChooseCity);
    alerts.answer(0);
    QVERIFY(opener_->answers.empty());
    QVERIFY(!(*test_)->settings().contains(SettingsKeys::sheng));

    location->pickerViewDidSelectRow(1, RegionWheels::CityComponent);
    location->confirmLocation();
    QCOMPARE(opener_->answers.back(), std::optional<QString>(QStringLiteral("北京")));

    // A city of the province found, turned on the wheels the screen started with.
    (*test_)->navigation().dismissViewController(false);
    LocationViewController *again = open("31.230400", "121.473700");
    QTRY_VERIFY(again->autoLocatedSuccess());
    again->pickerViewDidSelectRow(0, RegionWheels::CityComponent);
    again->confirmLocation();
    QCOMPARE(alerts.alertTitle(), LocationViewController::kChooseCity);
    alerts.answer(0);
    QCOMPARE(opener_->answers.size(), size_t(1));
}

void tst_Location::samePlaceIsStoredWithoutNotification()
{
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::sheng, "25");
    settings.setString(SettingsKeys::shi, "1");
    LocationViewController *location = open("31.230400", "121.473700");
    QTRY_VERIFY(location->autoLocatedSuccess());
    location->confirmLocation();
    QCOMPARE(switched_, 0);
    QCOMPARE(opener_->answers.size(), size_t(1));
    // Still written through: the position keys set above reach the disk too.
    QCOMPARE(test_->restart().settings().string(SettingsKeys::latitude),
             QStringLiteral("31.230400"));
}

void tst_Location::cancelStoresNothing()
{
    LocationViewController *location = open("31.230400", "121.473700");
    QTRY_VERIFY(location->autoLocatedSuccess());
    location->cancel();
    QCOMPARE(opener_->answers.size(), size_t(1));
    QCOMPARE(opener_->answers[0], std::nullopt);
    QVERIFY(!(*test_)->settings().contains(SettingsKeys::sheng));
    QCOMPARE(switched_, 0);

    // An opener that went away is not told.
    opener_.reset();
    location->confirmLocation();
    QVERIFY((*test_)->settings().contains(SettingsKeys::sheng));
}

void tst_Location::badRepliesReadAsNotLocated_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::newRow("no place for the position")
        << ScriptedReply::json(R"({"sheng_id":0,"shi_id":0,"status":1,"message":""})");
    QTest::newRow("not json") << ScriptedReply::json("<html>oops</html>");
    QTest::newRow("truncated") << ScriptedReply::json(R"({"status":1,"sheng_id":2)");
    QTest::newRow("server error") << ScriptedReply::json(R"({"status":1})", 500);
    ScriptedReply closed;
    closed.closeAbruptly = true;
    QTest::newRow("closed") << closed;
}

void tst_Location::badRepliesReadAsNotLocated()
{
    QFETCH(ScriptedReply, reply);
    test_->reply(LocationViewController::kScript, reply);
    LocationViewController *location = open("31.2", "121.4", QString());
    QTRY_VERIFY(!location->isRunning());
    QCOMPARE(location->infoText(), LocationViewController::kCannotLocate);
    QCOMPARE((*test_)->alerts().alertCount(), 0);
    // Still a choice by hand.
    location->pickerViewDidSelectRow(6, RegionWheels::ProvinceComponent);
    location->pickerViewDidSelectRow(15, RegionWheels::CityComponent);
    location->confirmLocation();
    QCOMPARE(opener_->answers.back(), std::optional<QString>(QStringLiteral("深圳")));
}

void tst_Location::closingTheScreenDropsTheRequest()
{
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply(LocationViewController::kScript, silent);
    QPointer<LocationViewController> location = open("31.2", "121.4", QString());
    QVERIFY(test_->api().waitForRequests(1));
    QCOMPARE(test_->api().requests()[0].body, QByteArray("lat=31.2&lng=121.4"));
    QCOMPARE(ClientTestContext::requestsInFlight(*location), 1);
    (*test_)->navigation().dismissViewController(false);
    QTRY_VERIFY(location.isNull());
    QVERIFY(opener_->answers.empty());
}

QTEST_GUILESS_MAIN(tst_Location)
#include "tst_location.moc"
