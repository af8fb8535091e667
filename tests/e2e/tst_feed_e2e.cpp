// The feed against the stand-in server with the real router: the nearby tab paging past
// a run of hidden kinds, every kind of a timeline entry and of a reminder opening its
// page (or nothing), and a photo published from the composer heading the timeline.

#include "ApiTestClient.h"
#include "DemoSignIn.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "TestPhotos.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/feed/ActivityListViewController.h"
#include "screens/feed/ActivityPublicViewController.h"
#include "screens/feed/NotifyCenterViewController.h"
#include "screens/feed/UserActivityListViewController.h"
#include "ui/Router.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kTimeoutMs = 15000;
// Seeded: the user whose timeline holds all seven kinds.
constexpr int kTimelineUser = 13;
} // namespace

class tst_FeedE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void nearbyPagesPastHiddenKinds();
    void everyEntryOpensItsPage();
    void publishedPhotoHeadsTheTimeline();

private:
    NavigationController &navigation() { return test_->context().navigation(); }
    // Loads every page of `list`.
    void loadAll(FeedListViewController *list)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!list->isLoading(), kTimeoutMs);
        for (int page = 0; page < 20 && list->canLoadMore(); ++page) {
            list->loadMore();
            QTRY_VERIFY_WITH_TIMEOUT(!list->isLoading(), kTimeoutMs);
        }
    }
    // Selects each row of `list`; returns the class names of the screens opened, "-" for
    // a row that opened nothing.
    QMap<QString, QSet<QString>> openEach(FeedListViewController *list)
    {
        QMap<QString, QSet<QString>> opened;
        for (const QVariant &row : list->records()->records()) {
            const Activity activity = row.value<FeedEntry>().activity;
            const qsizetype depth = navigation().viewControllers().size();
            list->selectEntry(activity.feedid);
            const auto &stack = navigation().viewControllers();
            opened[activity.type] << (stack.size() > depth ? QString::fromLatin1(
                                          stack.last()->metaObject()->className())
                                                           : QStringLiteral("-"));
            while (navigation().viewControllers().size() > depth)
                navigation().popViewController(false);
        }
        return opened;
    }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
};

void tst_FeedE2e::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    AppContext &context = test_->context();
    ApiTestClient api(server_.webHost());
    const ApiReply reply = DemoSignIn::signIn(server_, context, api);
    QVERIFY2(reply.status() == 1, qPrintable(reply.message()));
    context.session().userLocation = QGeoCoordinate(31.2310, 121.4745);
}

void tst_FeedE2e::nearbyPagesPastHiddenKinds()
{
    auto *feed = qobject_cast<ActivityListViewController *>(
        test_->context().router().makeHubSectionScreen(HubSection::Activity));
    QVERIFY(feed);
    navigation().setViewControllers({feed}, false);
    QTRY_VERIFY_WITH_TIMEOUT(!feed->isLoading() && feed->records()->count() > 0, kTimeoutMs);
    const int firstPage = feed->records()->count();
    // The second page holds only hidden kinds; the third has more to show.
    for (int page = 2; page <= 3; ++page) {
        feed->loadMore();
        QTRY_VERIFY_WITH_TIMEOUT(!feed->isLoading(), kTimeoutMs);
    }
    QVERIFY(feed->records()->count() > firstPage);
    QVERIFY(feed->canLoadMore());
    for (const QVariant &row : feed->records()->records()) {
        const QString type = row.value<FeedEntry>().activity.type;
        QVERIFY2(type == "mood" || type == "photoupload", qPrintable(type));
    }
}

void tst_FeedE2e::everyEntryOpensItsPage()
{
    User owner;
    owner.userId = kTimelineUser;
    navigation().setViewControllers({}, false);
    test_->context().router().openUserTimeLine(owner);
    auto *timeline =
        qobject_cast<UserActivityListViewController *>(navigation().topViewController());
    QVERIFY(timeline);
    loadAll(timeline);
    const QMap<QString, QSet<QString>> timelineOpened = openEach(timeline);
    QCOMPARE(timelineOpened.value("mood"), QSet<QString>{"MoodCommentViewController"});
    QCOMPARE(timelineOpened.value("photoupload"), QSet<QString>{"PictureCommentViewController"});
    QCOMPARE(timelineOpened.value("photozan"), QSet<QString>{"PictureCommentViewController"});
    QCOMPARE(timelineOpened.value("follow"), QSet<QString>{"UserHomeViewController"});
    QCOMPARE(timelineOpened.value("clubfavor"), QSet<QString>{"ClubDetailViewController"});
    QCOMPARE(timelineOpened.value("partyfavor"), QSet<QString>{"PartyDetailViewController"});
    QCOMPARE(timelineOpened.value("partyjoin"), QSet<QString>{"PartyDetailViewController"});

    navigation().setViewControllers({}, false);
    test_->context().router().openReminderList();
    auto *reminders = qobject_cast<NotifyCenterViewController *>(navigation().topViewController());
    QVERIFY(reminders);
    QTRY_VERIFY_WITH_TIMEOUT(!reminders->isLoading() && reminders->records()->count() > 10,
                             kTimeoutMs);
    const QMap<QString, QSet<QString>> reminded = openEach(reminders);
    QCOMPARE(reminded.value("photoremark"), QSet<QString>{"PictureCommentViewController"});
    QCOMPARE(reminded.value("moodremark"), QSet<QString>{"MoodCommentViewController"});
    QCOMPARE(reminded.value("moodremarkreply"), QSet<QString>{"MoodCommentViewController"});
    QCOMPARE(reminded.value("photoremarkreply"), QSet<QString>{"PictureCommentViewController"});
    QCOMPARE(reminded.value("clubremarkreply"), QSet<QString>{"ClubDiscussViewController"});
    QCOMPARE(reminded.value("partyremarkreply"), QSet<QString>{"PartyDiscussViewController"});
    QCOMPARE(reminded.value("hi"), QSet<QString>{"UserHomeViewController"});
    QCOMPARE(reminded.value("follow"), QSet<QString>{"UserHomeViewController"});
    QCOMPARE(reminded.value("notify"), QSet<QString>{"-"});
    QCOMPARE(reminded.value("giftsent"), QSet<QString>{"-"});
}

void tst_FeedE2e::publishedPhotoHeadsTheTimeline()
{
    AppContext &context = test_->context();
    navigation().setViewControllers({}, false);
    context.router().openUserTimeLine(*context.session().defaultUser());
    auto *timeline =
        qobject_cast<UserActivityListViewController *>(navigation().topViewController());
    QVERIFY(timeline);
    context.router().openActivityPublic();
    auto *composer = qobject_cast<ActivityPublicViewController *>(navigation().topViewController());
    QVERIFY(composer);
    QTemporaryDir dir;
    QFile file(dir.filePath("night.jpg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(TestPhotos::sidewaysJpeg(QSize(900, 1200)));
    file.close();
    QVERIFY(
        composer->photo()->imagePicker()->present(ImagePicker::SourceType::PhotoLibrary, false));
    composer->photo()->imagePicker()->chooseFile(QUrl::fromLocalFile(file.fileName()));
    QTRY_VERIFY_WITH_TIMEOUT(composer->photo()->hasPhoto(), kTimeoutMs);
    const QString caption = QStringLiteral("外滩夜景 %1").arg(QTime::currentTime().msec());
    composer->composer()->textEdited(caption);
    composer->composer()->send();
    QTRY_COMPARE_WITH_TIMEOUT(context.alerts().alertTitle(), QStringLiteral("发表成功！"),
                              kTimeoutMs);
    context.alerts().answer(0);
    QTRY_COMPARE(navigation().topViewController(), timeline);

    timeline->refresh();
    QTRY_VERIFY_WITH_TIMEOUT(!timeline->isLoading() && timeline->records()->count() > 0,
                             kTimeoutMs);
    const FeedEntry newest = *timeline->records()->recordAt<FeedEntry>(0);
    QCOMPARE(newest.activity.type, QStringLiteral("photoupload"));
    QCOMPARE(newest.content, caption);
    QVERIFY(newest.showsPicture);
}

QTEST_MAIN(tst_FeedE2e)
#include "tst_feed_e2e.moc"
