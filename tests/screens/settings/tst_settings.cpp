// The settings screens against a scripted API: the entries and the city label, the
// password checks in order with their length bounds and the stored password, the privacy
// switches on the wire and in the stored user, a sign-out that outlives its screen and
// happens once, the version comparison, the feedback form, the cache clearing that
// touches nothing but the cache's files, and the about page keeping only web links.

#include "ClientTestContext.h"
#include "LoopbackHttpServer.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "screens/settings/AboutUsViewController.h"
#include "screens/settings/BugReportViewController.h"
#include "screens/settings/ChangePasswordViewController.h"
#include "screens/settings/PrivacySettingsViewController.h"
#include "screens/settings/SettingsViewController.h"
#include "screens/settings/VersionNumber.h"
#include "ui/SDImageCache.h"
#include "ui/SDWebImageManager.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

ScriptedReply ok(const QByteArray &message)
{
    return ScriptedReply::json(R"({"status":1,"message":")" + message + R"("})");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        test_ = std::make_unique<ClientTestContext>();
        below_ = new ViewController(context());
        context().navigation().setViewControllers({below_}, false);
    }
    void cleanup() { test_.reset(); }

    void cityLabelFollowsTheRegionScreen()
    {
        context().settings().setString(SettingsKeys::sheng, QStringLiteral("25"));
        context().settings().setString(SettingsKeys::shi, QStringLiteral("1"));
        auto *screen = show<SettingsViewController>();
        QCOMPARE(screen->locationText(), QStringLiteral("当前：上海"));
        screen->switchCity();
        // A cancelled choice keeps the label; both answers close the region screen.
        test_->router().answerRegionChoice(std::nullopt);
        QCOMPARE(screen->locationText(), QStringLiteral("当前：上海"));
        test_->router().answerRegionChoice(QStringLiteral("北京"));
        QCOMPARE(screen->locationText(), QStringLiteral("当前：北京"));
        QCOMPARE(test_->router().opened.count("closeRegionChoice"), 2);
    }

    void passwordChecksInOrder()
    {
        auto *screen = show<ChangePasswordViewController>();
        AlertPresenter &alerts = context().alerts();
        // Each case: old, new, repeated, and the alert's title and message.
        const QString six(6, QChar(u'a'));
        const QString sixteen(16, QChar(u'b'));
        const struct {
            QString oldPassword, newPassword, repeated, title, message;
        } refusals[] = {
            {"", "abcdefg", "xyz", "", "请输入原始密码"},
            {"old", "", "xyz", "", "请输入新密码"},
            {"old", "abcde", "", "新密码无效", "请输入6至16位的新密码"},
            {"old", sixteen + "b", sixteen + "b", "新密码无效", "请输入6至16位的新密码"},
            {"old", six, "", "", "请输入新密码确认"},
            {"old", sixteen, sixteen + "x", "", "密码不一致，请重新输入"},
            // Sixteen characters outside the basic plane are 32 UTF-16 units: still 16.
            {"old", QString(QStringLiteral("🌙")).repeated(16), "", "", "请输入新密码确认"},
        };
        for (const auto &refusal : refusals) {
            screen->setOldPassword(refusal.oldPassword);
            screen->setNewPassword(refusal.newPassword);
            screen->setRepeatPassword(refusal.repeated);
            screen->ok();
            QCOMPARE(alerts.alertCount(), 1);
            QCOMPARE(alerts.alertTitle(), refusal.title);
            QCOMPARE(alerts.alertMessage(), refusal.message);
            alerts.answer(0);
        }
        QCOMPARE(test_->requestsTo(ChangePasswordViewController::kScript), 0);

        // The server's refusal keeps the fields and the stored password.
        context().settings().setString(SettingsKeys::password, QStringLiteral("old"));
        test_->reply(ChangePasswordViewController::kScript,
                     ScriptedReply::json(R"({"status":0,"message":"原密码错误"})"));
        screen->setRepeatPassword(six);
        screen->setNewPassword(six);
        screen->ok();
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("原密码错误"));
        alerts.answer(0);
        QCOMPARE(screen->newPassword(), six);
        QCOMPARE(context().settings().string(SettingsKeys::password), QStringLiteral("old"));

        test_->reply(ChangePasswordViewController::kScript, ok("密码修改成功"));
        screen->setNewPassword(sixteen);
        screen->setRepeatPassword(sixteen);
        screen->ok();
        screen->ok(); // while the first is out: nothing more
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("密码修改成功"));
        QCOMPARE(test_->requestsTo(ChangePasswordViewController::kScript), 2);
        const auto form = test_->lastFormOf(ChangePasswordViewController::kScript);
        QCOMPARE(ClientTestContext::formValue(form, "oldpassword"), QStringLiteral("old"));
        QCOMPARE(ClientTestContext::formValue(form, "password"), sixteen);
        // Flushed: the file holds the new password.
        QCOMPARE(SettingsStore(test_->settingsPath()).string(SettingsKeys::password), sixteen);
        alerts.answer(0);
        QCOMPARE(context().navigation().topViewController(), below_);
    }

    void privacySwitchesReachTheStoredUser()
    {
        nuvora::json::Object user;
        user.set("uid", 2);
        user.set("nickname", "夜行者");
        user.set("ischat", 0);
        user.set("defaultmoodremark", 1);
        user.set("defaultphotoremark", 0);
        context().session().saveDefaultUser(context().settings(),
                                            nuvora::json::Value(std::move(user)));
        auto *screen = show<PrivacySettingsViewController>();
        QVERIFY(screen->strangerMessage());
        QVERIFY(!screen->moodComment());
        QVERIFY(screen->pictureComment());

        test_->reply(PrivacySettingsViewController::kScript, ok("隐私设置已保存"));
        screen->setStrangerMessage(false);
        screen->setMoodComment(true);
        screen->submitPrivacySettings();
        QTRY_COMPARE(context().alerts().alertTitle(), QStringLiteral("隐私设置已保存"));
        const auto form = test_->lastFormOf(PrivacySettingsViewController::kScript);
        QCOMPARE(ClientTestContext::formValue(form, "ischat"), QStringLiteral("1"));
        QCOMPARE(ClientTestContext::formValue(form, "defaultmoodremark"), QStringLiteral("0"));
        QCOMPARE(ClientTestContext::formValue(form, "defaultphotoremark"), QStringLiteral("0"));
        QCOMPARE(context().session().defaultUser()->ischat, 1);
        QCOMPARE(context().session().defaultUser()->defaultmoodremark, 0);
        context().alerts().answer(0);
        QCOMPARE(context().navigation().topViewController(), below_);

        // A restart reads the same switches from the stored user.
        const SettingsStore stored(test_->settingsPath());
        const User reread(stored.value(SettingsKeys::defaultUser), std::nullopt);
        QCOMPARE(reread.ischat, 1);
        QCOMPARE(reread.defaultmoodremark, 0);
        QCOMPARE(reread.defaultphotoremark, 0);
        QCOMPARE(reread.nickname, QStringLiteral("夜行者"));
    }

    void signOutOutlivesTheScreenAndHappensOnce()
    {
        ScriptedReply slow = ok("已退出登录");
        slow.delayMs = 300;
        test_->reply(QStringLiteral("logout.php"), slow);
        QPointer<SettingsViewController> screen = show<SettingsViewController>();
        AlertPresenter &alerts = context().alerts();
        screen->logoff();
        QVERIFY(alerts.isActionSheet());
        QCOMPARE(alerts.alertTitle(), SettingsViewController::kSignOutTitle);
        QCOMPARE(alerts.alertButtons(), (QStringList{"确定", "取消"}));
        alerts.answer(1);
        QCOMPARE(ClientTestContext::requestsInFlight(context()), 0);

        screen->logoff();
        alerts.answer(0);
        QVERIFY(screen->busy());
        screen->logoff();
        alerts.answer(0);
        // The user leaves at once; the sign-out still comes, once.
        screen->back();
        QTRY_VERIFY(!screen);
        QTRY_COMPARE(test_->sessionFlow().calls, QStringList{"logout"});
        QTest::qWait(400);
        QCOMPARE(test_->requestsTo(QStringLiteral("logout.php")), 1);
        QCOMPARE(test_->sessionFlow().calls, QStringList{"logout"});

        // A request that fails on the network signs out all the same.
        ScriptedReply broken;
        broken.closeAbruptly = true;
        test_->reply(QStringLiteral("logout.php"), broken);
        show<SettingsViewController>()->logoff();
        alerts.answer(0);
        QTRY_COMPARE(test_->sessionFlow().calls, (QStringList{"logout", "logout"}));
        QCOMPARE(alerts.alertCount(), 0);
    }

    void versionCheckOffersOnlyNewer()
    {
        QVERIFY(VersionNumber::isNewer("2.0.10", "2.0.9"));
        QVERIFY(!VersionNumber::isNewer("2.0", "2.0.0"));
        auto *screen = show<SettingsViewController>();
        AlertPresenter &alerts = context().alerts();
        for (const char *older : {"2.0.0", "2.0", "1.9.9", "1.10", "2.0.0-beta", ""}) {
            test_->reply(SettingsViewController::kVersionScript,
                         ScriptedReply::json(R"({"status":1,"message":"","version":")"
                                             + QByteArray(older) + R"("})"));
            screen->checkUpdate();
            QVERIFY(screen->checkingUpdate());
            QTRY_VERIFY(alerts.alertVisible());
            QVERIFY(!screen->checkingUpdate());
            QCOMPARE(alerts.alertTitle(), SettingsViewController::kLatestTitle);
            QCOMPARE(alerts.alertButtons(), QStringList{"确定"});
            alerts.answer(0);
        }
        test_->reply(SettingsViewController::kVersionScript,
                     ScriptedReply::json(R"({"status":1,"message":"","version":"2.0.10"})"));
        screen->checkUpdate();
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("Nuvora2.0.10新版发布啦"));
        QCOMPARE(alerts.alertMessage(), QStringLiteral("立即前往AppStore更新吧！"));
        QCOMPARE(alerts.alertButtons(), (QStringList{"取消", "去更新"}));
        alerts.answer(1);
        QCOMPARE(context().urlOpener().opened(), QList<QUrl>{UrlOpener::kStorePage});
    }

    void feedbackKeepsTheTextUntilThanked()
    {
        auto *screen = show<BugReportViewController>();
        AlertPresenter &alerts = context().alerts();
        test_->reply(BugReportViewController::kScript,
                     ScriptedReply::json(R"({"status":0,"message":"请稍后再试"})"));
        screen->composer()->textEdited(QStringLiteral("地图打不开"));
        screen->composer()->send();
        QTRY_VERIFY(!screen->busy());
        QCOMPARE(alerts.alertCount(), 0);
        QCOMPARE(screen->composer()->text(), QStringLiteral("地图打不开"));

        test_->reply(BugReportViewController::kScript, ok(""));
        screen->composer()->send();
        QTRY_COMPARE(alerts.alertTitle(), BugReportViewController::kThanksTitle);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf(BugReportViewController::kScript),
                                              "content"),
                 QStringLiteral("地图打不开"));
        alerts.answer(0);
        QCOMPARE(context().navigation().topViewController(), below_);
    }

    void clearingTheCacheTouchesOnlyItsFiles()
    {
        SDWebImageManager::install(context());
        SDImageCache &cache = context().imageCache();
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        cache.storeImage(image, QStringLiteral("a.jpg"));
        cache.waitForDiskQueues();
        const QString cached = cache.cachePathForKey(QStringLiteral("a.jpg"));
        QVERIFY(QFile::exists(cached));

        // Beside the cache: a file a link in the cache points to, a folder inside it, and
        // the settings.
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath("keep.txt");
        QVERIFY(writeFile(outside, "mine"));
        QVERIFY(QFile::link(outside, QDir(cache.diskCachePath()).filePath("link")));
        QVERIFY(QDir(cache.diskCachePath()).mkdir("inner"));
        const QString inner = QDir(cache.diskCachePath()).filePath("inner/keep.txt");
        QVERIFY(writeFile(inner, "also mine"));
        context().settings().setString(SettingsKeys::username, QStringLiteral("demo@nuvora.cn"));
        QVERIFY(context().settings().flush());

        show<SettingsViewController>()->clearCache();
        QTRY_COMPARE(context().alerts().noticeText(), SettingsViewController::kCacheCleared);
        QVERIFY(!QFile::exists(cached));
        QVERIFY(!cache.isInMemory(QStringLiteral("a.jpg")));
        QCOMPARE(readFile(outside), QByteArray("mine"));
        QCOMPARE(readFile(inner), QByteArray("also mine"));
        QVERIFY(QFileInfo(QDir(cache.diskCachePath()).filePath("link")).isSymLink());
        QCOMPARE(SettingsStore(test_->settingsPath()).string(SettingsKeys::username),
                 QStringLiteral("demo@nuvora.cn"));

        // A cache folder that is a link leads outside the cache: nothing there goes.
        QVERIFY(QDir(cache.diskCachePath()).removeRecursively());
        QVERIFY(QFile::link(elsewhere.path(), cache.diskCachePath()));
        cache.clearDisk();
        cache.waitForDiskQueues();
        QCOMPARE(readFile(outside), QByteArray("mine"));
    }

    void aboutPageKeepsOnlyWebLinks()
    {
        LoopbackHttpServer web;
        ScriptedReply page;
        page.headers = {{"Content-Type", "text/html; charset=utf-8"}};
        page.body = QByteArrayLiteral(
            "<html><head><title>关于</title><style>p{color:red}</style>"
            "<script>alert('x')</script></head><body onload=\"steal()\">"
            "<h3 class=x>关于Nuvora</h3><p style=\"a\">夜色 &amp; 你 &lt;3</p>"
            "<a href=\"https://www.nuvora.cn/a?b=1&amp;c=2\">官网</a>"
            "<a href=\"/m/help.php\">帮助</a>"
            "<a href=\"javascript:alert(1)\">点我</a>"
            "<a href=\" jav&#x61;script:alert(2)\">再点</a>"
            "<a href=\"file:///etc/passwd\">文件</a>"
            "<img src=\"https://evil.example/t.gif\" onerror=\"x()\">"
            "<a href='data:text/html,hi'>数据</a><!-- <script>hidden</script> -->"
            "<SCRIPT type=text/javascript>document.cookie</SCRIPT>结束</body></html>");
        web.setReply(AboutUsViewController::kPath, page);
        TestContext about(QUrl(web.baseUrl()));
        auto *screen = new AboutUsViewController(*about);
        about->navigation().setViewControllers({screen}, false);
        QVERIFY(screen->busy());
        QTRY_VERIFY(!screen->busy());
        QVERIFY(!screen->loadFailed());

        const QString text = screen->pageText();
        QCOMPARE(text, QStringLiteral("<h3>关于Nuvora</h3><p>夜色 &amp; 你 &lt;3</p>"
                                      "<a href=\"https://www.nuvora.cn/a?b=1&amp;c=2\">官网</a>"
                                      "<a href=\"%1/m/help.php\">帮助</a>"
                                      "点我再点文件数据结束")
                           .arg(web.baseUrl()));

        screen->openLink(QStringLiteral("javascript:alert(1)"));
        screen->openLink(QStringLiteral("https://www.nuvora.cn/"));
        QCOMPARE(about->urlOpener().opened(), QList<QUrl>{QUrl("https://www.nuvora.cn/")});
    }

private:
    AppContext &context() { return test_->context(); }
    template <class Screen> Screen *show()
    {
        auto *screen = new Screen(context());
        context().navigation().pushViewController(screen, false);
        return screen;
    }

    std::unique_ptr<ClientTestContext> test_;
    ViewController *below_ = nullptr;
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
