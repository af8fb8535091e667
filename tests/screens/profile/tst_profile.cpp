// The profile centre and the profile editor against a scripted API: the own entries
// reloaded on every return, a cover shown at once and taken back when its upload fails,
// the stored user following a new cover and an edit, and the editor's fields on the wire.

#include "ClientTestContext.h"
#include "FormParser.h"
#include "TestPhotos.h"
#include "api/json/JsonReader.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/feed/FeedEntry.h"
#include "screens/profile/ProfileCenterViewController.h"
#include "screens/profile/UserInfoEditViewController.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kUser =
    R"({"uid":"7","nickname":"夜猫","bander":"img.nuvora.cn/old-cover.jpg","shengao":"178","tizhong":"62","birthday":"1990-05-17","addr_sheng_j":"25","addr_shi_j":"1","addr_sheng_c":"99","addr_shi_c":"7","zhiye":"DJ","about":"爱夜生活","renqi":"12","look":"30"})";

// One page of the user's own entries: a follow, a type the page does not show, a mood.
const QByteArray kOwnFeed =
    R"({"status":1,"message":"","feeds":[{"feed":{"feedid":"90","type":"follow","time":"2026-12-08 10:00:00"},"user":{"uid":"7"},"followuser":{"uid":"8","nickname":"Ann"}},{"feed":{"feedid":"89","type":"hi","time":"2026-12-08 09:00:00"}},{"feed":{"feedid":"88","type":"mood","time":"2026-12-08 08:00:00"},"mood":{"moodid":"5","content":"今晚去哪"}}]})";

nuvora::json::Value objectOf(const QByteArray &json)
{
    nuvora::json::JsonReader reader;
    return *reader.objectWithData(std::string_view(json.constData(), size_t(json.size())));
}

QByteArray partOf(const RecordedRequest &request, const QByteArray &name)
{
    return FormParser::partOf(request.header("Content-Type"), request.body, name);
}

} // namespace

class ProfileTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        test_ = std::make_unique<ClientTestContext>();
        SettingsStore &settings = test_->context().settings();
        settings.setString(SettingsKeys::username, QStringLiteral("demo@nuvora.cn"));
        test_->context().session().saveDefaultUser(settings, objectOf(kUser));
    }
    void cleanup() { test_.reset(); }

    void ownEntriesReloadOnEveryReturn()
    {
        test_->reply("my_feed_me.php", ScriptedReply::json(kOwnFeed));
        auto *centre = new ProfileCenterViewController(test_->context());
        test_->context().navigation().setViewControllers({centre}, false);
        QTRY_COMPARE(centre->records()->count(), 2);
        QCOMPARE(centre->counters(), QStringLiteral("人气12, 访问量30"));
        QVERIFY(centre->popViewShowed());
        const auto follow = centre->records()->recordAt<FeedEntry>(0);
        QCOMPARE(follow->content, QStringLiteral("关注了Ann"));
        centre->more();
        QVERIFY(!centre->popViewShowed());

        centre->settings();
        QCOMPARE(test_->router().last(), QStringLiteral("settings"));
        test_->context().navigation().pushViewController(new ViewController(test_->context()),
                                                         false);
        test_->context().navigation().popViewController(false);
        QTRY_COMPARE(test_->requestsTo("my_feed_me.php"), 2);
        QVERIFY(centre->popViewShowed());
        QTRY_VERIFY(!centre->isLoading());
        QCOMPARE(centre->records()->count(), 2);
    }

    void coverShowsAtOnceAndIsStoredOrTakenBack()
    {
        test_->reply("my_feed_me.php", ScriptedReply::json(R"({"status":1,"feeds":[]})"));
        auto *centre = new ProfileCenterViewController(test_->context());
        test_->context().navigation().setViewControllers({centre}, false);
        const QString oldCover = QStringLiteral("img.nuvora.cn/old-cover.jpg");
        QCOMPARE(centre->cover(), oldCover);

        // Refused: the old cover shows again and the server's message is told.
        test_->reply("my_bander_upload.php",
                     ScriptedReply::json(R"({"status":0,"message":"封面不是有效的图片"})"));
        QVERIFY(pickCover(centre));
        QTRY_VERIFY(!centre->coverUpload()->busy());
        QCOMPARE(centre->cover(), oldCover);
        AlertPresenter &alerts = test_->context().alerts();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("封面不是有效的图片"));
        alerts.answer(0);

        // While one goes up, another pick is not offered; the picked one shows at once.
        ScriptedReply accepted = ScriptedReply::json(
            R"({"status":1,"message":"封面已更新","bander":"img.nuvora.cn/new-cover.jpg"})");
        accepted.delayMs = 200;
        test_->reply("my_bander_upload.php", accepted);
        QVERIFY(pickCover(centre));
        QVERIFY(centre->coverUpload()->busy());
        QVERIFY(centre->cover().startsWith(QLatin1String("data:")));
        centre->changeCover();
        QVERIFY(!alerts.isActionSheet());
        QTRY_VERIFY(!centre->coverUpload()->busy());
        const RecordedRequest &sent = test_->api().requests().last();
        QVERIFY(!QImage::fromData(partOf(sent, "img"), "JPEG").isNull());
        const QString newCover = QStringLiteral("img.nuvora.cn/new-cover.jpg");
        QCOMPARE(centre->cover(), newCover);
        SettingsStore reread(test_->context().settings().filePath());
        QCOMPARE(User(reread.value(SettingsKeys::defaultUser), std::nullopt).bander, newCover);
        QCOMPARE(User(reread.value(SettingsKeys::defaultUser), std::nullopt).nickname,
                 QStringLiteral("夜猫"));

        // A success without an address changes nothing.
        test_->reply("my_bander_upload.php", ScriptedReply::json(R"({"status":1,"bander":7})"));
        QVERIFY(pickCover(centre));
        QTRY_VERIFY(!centre->coverUpload()->busy());
        QCOMPARE(centre->cover(), newCover);
    }

    void editorSendsItsFieldsOnceAndStoresTheUser()
    {
        auto *editor = showEditor();
        QCOMPARE(editor->account(), QStringLiteral("demo@nuvora.cn"));
        QCOMPARE(editor->cityName(), QStringLiteral("上海"));
        // A home town outside the catalogue starts the wheels on its last province.
        editor->selectCityInfo(UserInfoEditViewController::HomeTownTag);
        QCOMPARE(editor->regionWheels()->selectedProvinceRow(), 34);
        editor->regionWheels()->pick(6, RegionWheels::ProvinceComponent);
        editor->regionWheels()->pick(4, RegionWheels::CityComponent);
        editor->finishedSelectCity();
        QCOMPARE(editor->homeTownName(), QStringLiteral("广州"));
        // The residence's wheels start on the stored place, not on the choice above.
        editor->selectCityInfo(UserInfoEditViewController::ResidenceTag);
        QCOMPARE(editor->regionWheels()->selectedProvinceRow(), 25);
        editor->regionWheels()->pick(6, RegionWheels::ProvinceComponent);
        editor->cancelPickerView();
        QCOMPARE(editor->cityName(), QStringLiteral("上海"));
        editor->setProperty("occupation", QStringLiteral("调酒师"));

        ScriptedReply edited = ScriptedReply::json(
            R"({"status":1,"message":"资料修改成功","user":{"uid":"7","nickname":"夜猫","zhiye":"调酒师","shengao":"178"}})");
        edited.delayMs = 100;
        test_->reply(UserInfoEditViewController::kScript, edited);
        editor->commit();
        QVERIFY(editor->busy());
        editor->commit();
        QTRY_VERIFY(!editor->busy());
        QCOMPARE(test_->requestsTo(UserInfoEditViewController::kScript), 1);
        const RecordedRequest &sent = test_->api().requests().last();
        QCOMPARE(partOf(sent, "shengao"), QByteArray("178cm"));
        QCOMPARE(partOf(sent, "tizhong"), QByteArray("62kg"));
        QCOMPARE(partOf(sent, "zhiye"), QByteArray("调酒师"));
        QCOMPARE(partOf(sent, "addr_sheng_c"), QByteArray("6"));
        QCOMPARE(partOf(sent, "addr_shi_c"), QByteArray("4"));
        QCOMPARE(partOf(sent, "addr_sheng_j"), QByteArray("25"));
        QVERIFY(!FormParser::hasPart(sent.body, "avatar"));

        QCOMPARE(test_->context().session().defaultUser()->occupation, QStringLiteral("调酒师"));
        SettingsStore reread(test_->context().settings().filePath());
        QCOMPARE(User(reread.value(SettingsKeys::defaultUser), std::nullopt).occupation,
                 QStringLiteral("调酒师"));
        AlertPresenter &alerts = test_->context().alerts();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("资料修改成功"));
        alerts.answer(0);
        QCOMPARE(test_->context().navigation().topViewController(), below_);
    }

    void aRefusedEditKeepsTheInputAndANewAvatarGoesWithIt()
    {
        auto *editor = showEditor();
        editor->setProperty("nickname", QStringLiteral("新名字"));
        AlertPresenter &alerts = test_->context().alerts();
        editor->changeAvatar();
        alerts.answer(1);
        ImagePicker *picker = editor->avatarPhoto()->imagePicker();
        picker->chooseFile(write(TestPhotos::sidewaysJpeg(QSize(300, 400))));
        QVERIFY(picker->isCropping());
        picker->finishCropping();
        QTRY_VERIFY(editor->avatarPhoto()->hasPhoto());

        test_->reply(UserInfoEditViewController::kScript,
                     ScriptedReply::json(R"({"status":0,"message":"请输入昵称（不超过20个字）"})"));
        editor->commit();
        QTRY_VERIFY(!editor->busy());
        const RecordedRequest &sent = test_->api().requests().last();
        const QImage avatar = QImage::fromData(partOf(sent, "avatar"), "JPEG");
        QCOMPARE(avatar.width(), avatar.height());
        QCOMPARE(alerts.alertTitle(), QStringLiteral("请输入昵称（不超过20个字）"));
        alerts.answer(0);
        QCOMPARE(test_->context().navigation().topViewController(), editor);
        QCOMPARE(editor->property("nickname").toString(), QStringLiteral("新名字"));
        QCOMPARE(test_->context().session().defaultUser()->nickname, QStringLiteral("夜猫"));
    }

private:
    UserInfoEditViewController *showEditor()
    {
        below_ = new ViewController(test_->context());
        auto *editor = new UserInfoEditViewController(test_->context());
        test_->context().navigation().setViewControllers({below_, editor}, false);
        return editor;
    }

    QUrl write(const QByteArray &bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("pick%1.jpg").arg(++picks_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return QUrl::fromLocalFile(path);
    }

    // Picks a cover from the library and waits until it is prepared and handed over.
    bool pickCover(ProfileCenterViewController *centre)
    {
        AlertPresenter &alerts = test_->context().alerts();
        centre->changeCover();
        if (!alerts.isActionSheet()
            || alerts.alertTitle() != ProfileCenterViewController::kCoverSheetTitle)
            return false;
        alerts.answer(1);
        ImagePicker *picker = centre->coverPhoto()->imagePicker();
        picker->chooseFile(write(TestPhotos::sidewaysJpeg(QSize(640, 300))));
        return QTest::qWaitFor([&] { return !centre->coverPhoto()->isBusy(); });
    }

    std::unique_ptr<ClientTestContext> test_;
    ViewController *below_ = nullptr;
    QTemporaryDir dir_;
    int picks_ = 0;
};

QTEST_MAIN(ProfileTest)
#include "tst_profile.moc"
