// The profile against the seeded stand-in server with the real router: the centre opens
// on the demo account's own likes and sign-up, a new cover and an edited profile reach
// the server and the stored user, and the editor's units and places go out as the server
// reads them.

#include "ApiTestClient.h"
#include "DemoSignIn.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "TestPhotos.h"
#include "app/AppRouter.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/feed/FeedEntry.h"
#include "screens/profile/ProfileCenterViewController.h"
#include "screens/profile/UserInfoEditViewController.h"

#include <QTemporaryFile>
#include <QTest>

namespace {
constexpr int kTimeoutMs = 15000;
} // namespace

class tst_ProfileE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void centreOpensOnTheOwnLikes();
    void coverAndEditReachTheServer();

private:
    AppContext &context() { return test_->context(); }
    // The demo account as the server tells it now.
    nuvora::json::Value serverUser()
    {
        const ApiReply reply = api_->call(QStringLiteral("my_userinfo.php"));
        return reply["user"];
    }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
    std::unique_ptr<ApiTestClient> api_;
    ProfileCenterViewController *centre_ = nullptr;
};

void tst_ProfileE2e::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    api_ = std::make_unique<ApiTestClient>(server_.webHost());
    const ApiReply reply = DemoSignIn::signIn(server_, context(), *api_);
    QVERIFY2(reply.status() == 1, qPrintable(reply.message()));
    centre_ = qobject_cast<ProfileCenterViewController *>(
        context().router().makeHubSectionScreen(HubSection::Profile));
    QVERIFY(centre_);
    context().navigation().setViewControllers({centre_}, false);
}

void tst_ProfileE2e::centreOpensOnTheOwnLikes()
{
    QTRY_VERIFY_WITH_TIMEOUT(centre_->records() && centre_->records()->count() > 0, kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!centre_->isLoading(), kTimeoutMs);
    QStringList lines;
    for (const QVariant &row : centre_->records()->records())
        lines << row.value<FeedEntry>().content;
    QVERIFY2(lines.first().startsWith(QStringLiteral("喜欢了夜店\"")), qPrintable(lines.first()));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("喜欢了活动\"")));
    QVERIFY(lines.at(2).startsWith(QStringLiteral("报名参加了活动\"")));
    QVERIFY(lines.at(3).startsWith(QStringLiteral("称赞了照片\"")));
}

void tst_ProfileE2e::coverAndEditReachTheServer()
{
    AlertPresenter &alerts = context().alerts();
    const QString oldCover = centre_->cover();
    centre_->changeCover();
    QCOMPARE(alerts.alertTitle(), ProfileCenterViewController::kCoverSheetTitle);
    alerts.answer(1);
    QTemporaryFile photo(QDir::tempPath() + QStringLiteral("/coverXXXXXX.jpg"));
    QVERIFY(photo.open());
    photo.write(TestPhotos::sidewaysJpeg(QSize(1200, 500)));
    photo.flush();
    centre_->coverPhoto()->imagePicker()->chooseFile(QUrl::fromLocalFile(photo.fileName()));
    QTRY_VERIFY_WITH_TIMEOUT(centre_->coverUpload()->busy() || centre_->cover() != oldCover,
                             kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!centre_->coverUpload()->busy(), kTimeoutMs);
    QCOMPARE(alerts.alertCount(), 0);
    const QString newCover = centre_->cover();
    QVERIFY(newCover != oldCover && newCover.startsWith(QLatin1String("http")));
    QCOMPARE(nuvora::json::Value(serverUser()["bander"]).asString(), newCover.toStdString());

    centre_->editInfo();
    auto *editor =
        qobject_cast<UserInfoEditViewController *>(context().navigation().topViewController());
    QVERIFY(editor);
    // The height goes out as the field shows it, unit and all; the server takes it.
    editor->setProperty("height", QStringLiteral("181cm"));
    editor->setProperty("occupation", QStringLiteral("调酒师"));
    editor->selectCityInfo(UserInfoEditViewController::HomeTownTag);
    editor->regionWheels()->pick(6, RegionWheels::ProvinceComponent);
    editor->regionWheels()->pick(4, RegionWheels::CityComponent);
    editor->finishedSelectCity();
    editor->commit();
    QTRY_COMPARE_WITH_TIMEOUT(alerts.alertTitle(), QStringLiteral("资料修改成功"), kTimeoutMs);
    alerts.answer(0);
    QCOMPARE(context().navigation().topViewController(), centre_);

    const User stored(context().settings().value(SettingsKeys::defaultUser), std::nullopt);
    QCOMPARE(stored.height, 181);
    QCOMPARE(stored.occupation, QStringLiteral("调酒师"));
    QCOMPARE(stored.addr_sheng_c, 6);
    QCOMPARE(stored.bander, newCover);
    const User onServer(serverUser(), std::nullopt);
    QCOMPARE(onServer.height, 181);
    QCOMPARE(onServer.addr_shi_c, 4);
}

QTEST_MAIN(tst_ProfileE2e)
#include "tst_profile_e2e.moc"
