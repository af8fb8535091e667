// A user's home page and detailed profile: the two layout passes (from the user handed
// over, then from "home.php") with signatures of one and several lines and 0 to 9
// photos, follow, unfollow and greeting sharing one request with the server's text as
// the answer, a reply without a user id, chat with oneself, the ways on, and the
// profile's labels and its turned-down avatar.

#include "ClientTestContext.h"
#include "PeopleReplies.h"
#include "api/json/JsonReader.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/people/UserHomeViewController.h"
#include "screens/people/UserInfoViewController.h"
#include "ui/TextMetrics.h"

#include <QTest>

namespace {

const QString kLongMood = QString(140, QChar(u'夜'));

User handedOver(int uid = 67)
{
    User user;
    user.userId = uid;
    user.nickname = QStringLiteral("Ava");
    user.gender = 2;
    return user;
}

} // namespace

class tst_UserHome : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstPassFromTheUserHandedOver();
    void photoBlock_data();
    void photoBlock();
    void longSignatureGrowsDownwards();
    void followUnfollowAndGreeting();
    void oneActionAtATime();
    void replyWithoutAUserKeepsTheUser();
    void failedReplyKeepsThePage();
    void chatAndTheWaysOn();
    void profileLabels();
    void rejectedAvatarOpensNothing();

private:
    UserHomeViewController *open(const QByteArray &reply, const User &user = handedOver());

    std::unique_ptr<ClientTestContext> test_;
};

void tst_UserHome::init()
{
    test_ = std::make_unique<ClientTestContext>();
    (*test_)->session().userLocation = PeopleReplies::kDevice;
}

void tst_UserHome::cleanup()
{
    test_.reset();
}

UserHomeViewController *tst_UserHome::open(const QByteArray &reply, const User &user)
{
    test_->reply("home.php", ScriptedReply::json(reply));
    auto *home = new UserHomeViewController(test_->context(), user);
    (*test_)->navigation().setViewControllers({home}, false);
    return home;
}

void tst_UserHome::firstPassFromTheUserHandedOver()
{
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply("home.php", silent);
    auto *home = new UserHomeViewController(test_->context(), handedOver());
    (*test_)->navigation().setViewControllers({home}, false);
    QVERIFY(home->loading());
    QVERIFY(test_->api().waitForRequests(1));
    QCOMPARE(test_->lastFormOf("home.php"), (QList<QPair<QString, QString>>{{"uid", "67"}}));
    QCOMPARE(home->title(), QStringLiteral("Ava"));
    QCOMPARE(home->signature(), QStringLiteral("ta什么都没有说"));
    QVERIFY(!home->leerShown());
    QVERIFY(!home->followed());
    QCOMPARE(home->photoTiles()->count(), 1);
    QVERIFY(home->photoTiles()->recordAt<PhotoTile>(0)->albums);
}

void tst_UserHome::photoBlock_data()
{
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("rows");
    QTest::newRow("none") << 0 << 0 << 1;
    QTest::newRow("two") << 2 << 2 << 1;
    QTest::newRow("three") << 3 << 3 << 2;
    QTest::newRow("five") << 5 << 5 << 2;
    QTest::newRow("six") << 6 << 6 << 3;
    QTest::newRow("eight") << 8 << 8 << 3;
    // A ninth photo's tile would run past the three rows into the links.
    QTest::newRow("nine") << 9 << 8 << 3;
}

void tst_UserHome::photoBlock()
{
    QFETCH(int, sent);
    QFETCH(int, shown);
    QFETCH(int, rows);
    UserHomeViewController *home = open(PeopleReplies::home(sent, QStringLiteral("今晚外滩见")));
    QTRY_VERIFY(!home->loading());
    QCOMPARE(home->photos().size(), shown);
    QCOMPARE(home->layout().photoRows(), rows);
    QCOMPARE(home->photoBackgroundHeight(), rows * 73.0 + 6);
    QCOMPARE(home->photoBlockHeight(), rows * 73.0 + 75);

    RecordListModel *tiles = home->photoTiles();
    QCOMPARE(tiles->count(), shown + 1);
    for (int i = 0; i < tiles->count(); ++i) {
        const PhotoTile tile = *tiles->recordAt<PhotoTile>(i);
        QCOMPARE(QRectF(tile.tileX, tile.tileY, tile.tileWidth, tile.tileHeight),
                 QRectF((i % 3) * 99 + 4, (i / 3) * 73 + 72, 96, 70));
        // Every tile lies on the block's background.
        QVERIFY(tile.tileY + tile.tileHeight
                <= home->photoBackgroundY() + home->photoBackgroundHeight());
        QCOMPARE(tile.albums, i == shown);
        if (i < shown)
            QCOMPARE(tile.image, QStringLiteral("http://images.test/p%1.jpg!160").arg(i + 1));
    }
    QCOMPARE(home->linksY(), home->photoBlockY() + home->photoBlockHeight());
    QCOMPARE(home->contentHeight(), home->linksY() + 3 * 44 + 20);

    // The last tile opens the albums, a photo tile that photo's comments.
    home->photoTileTapped(shown);
    QCOMPARE(test_->router().last(), QStringLiteral("userAlbums 67"));
    if (shown > 0) {
        home->photoTileTapped(shown - 1);
        QCOMPARE(test_->router().last(), QStringLiteral("pictureComment 67 %1").arg(shown));
    }
}

void tst_UserHome::longSignatureGrowsDownwards()
{
    UserHomeViewController *home = open(PeopleReplies::home(2, kLongMood));
    const double oneLine = home->signatureHeight();
    const double blockBefore = home->photoBlockY();
    QCOMPARE(blockBefore, 188 + oneLine + 23 + 8);
    QCOMPARE(oneLine, TextMetrics::sizeToFit(QStringLiteral("ta什么都没有说"), 14, 280).height());
    QVERIFY(home->signatureWidth() < 280);

    QTRY_COMPARE(home->signature(), kLongMood);
    // 140 characters of 14 points do not fit in fewer than seven lines of 280 points.
    QVERIFY(home->signatureHeight() >= 7 * oneLine);
    QCOMPARE(home->signatureWidth(), 280.0);
    QCOMPARE(home->signatureY(), 198.0);
    QCOMPARE(home->signatureButtonHeight(), home->signatureHeight() + 23);
    QCOMPARE(home->photoBlockY() - blockBefore, home->signatureHeight() - oneLine);
    // One row of photos (148 points), the links (132) and the margin below them.
    QCOMPARE(home->contentHeight(), home->photoBlockY() + 148 + 132 + 20);
}

void tst_UserHome::followUnfollowAndGreeting()
{
    UserHomeViewController *home = open(PeopleReplies::home(0, QString()));
    QTRY_VERIFY(!home->loading());
    AlertPresenter &alerts = (*test_)->alerts();

    test_->reply("home_follow_post.php",
                 ScriptedReply::json(R"({"status":1,"message":"关注成功"})"));
    home->follow();
    QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("关注成功"));
    QVERIFY(home->followed());
    QCOMPARE(home->fansText(), QStringLiteral("关注3 | 粉丝6"));
    QCOMPARE(test_->lastFormOf("home_follow_post.php"),
             (QList<QPair<QString, QString>>{{"uid", "67"}}));
    alerts.answer(0);

    test_->reply("my_follow_del.php",
                 ScriptedReply::json(PeopleReplies::failure(QStringLiteral("网络繁忙"))));
    home->unfollow();
    QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("网络繁忙"));
    QVERIFY(home->followed());
    QCOMPARE(home->fansText(), QStringLiteral("关注3 | 粉丝6"));
    alerts.answer(0);

    test_->reply("my_follow_del.php",
                 ScriptedReply::json(R"({"status":1,"message":"已取消关注"})"));
    home->unfollow();
    QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("已取消关注"));
    QVERIFY(!home->followed());
    QCOMPARE(home->fansText(), QStringLiteral("关注3 | 粉丝5"));
    alerts.answer(0);

    test_->reply("home_follow_post.php",
                 ScriptedReply::json(PeopleReplies::failure(QStringLiteral("你已经关注了TA"))));
    home->follow();
    QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("你已经关注了TA"));
    QVERIFY(!home->followed());
    QCOMPARE(home->fansText(), QStringLiteral("关注3 | 粉丝5"));
    alerts.answer(0);

    test_->reply("home_hi.php", ScriptedReply::json(R"({"status":1,"message":"招呼已送达"})"));
    home->hi();
    QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("招呼已送达"));
    QVERIFY(!home->followed());
    QCOMPARE(alerts.alertCount(), 1);
}

void tst_UserHome::oneActionAtATime()
{
    UserHomeViewController *home = open(PeopleReplies::home(0, QString()));
    QTRY_VERIFY(!home->loading());
    ScriptedReply slow;
    slow.neverAnswer = true;
    test_->reply("home_follow_post.php", slow);
    home->follow();
    QVERIFY(home->actionBusy());
    home->follow();
    home->hi();
    home->unfollow();
    // The ignored taps sent nothing: only the page and the first follow went out.
    QVERIFY(test_->api().waitForRequests(2));
    QCOMPARE(test_->requestsTo("home_follow_post.php"), 1);
    QCOMPARE(test_->requestsTo("home_hi.php"), 0);
    QCOMPARE(test_->requestsTo("my_follow_del.php"), 0);
}

void tst_UserHome::replyWithoutAUserKeepsTheUser()
{
    UserHomeViewController *home = open(PeopleReplies::home(3, QStringLiteral("在"), 0, 1));
    QTRY_COMPARE(home->photos().size(), 3);
    QCOMPARE(home->user().userId, 67);
    QCOMPARE(home->title(), QStringLiteral("Ava"));
    QVERIFY(home->followed());
    test_->reply("home_hi.php", ScriptedReply::json(R"({"status":1,"message":"招呼已送达"})"));
    home->hi();
    QTRY_COMPARE(test_->requestsTo("home_hi.php"), 1);
    QCOMPARE(test_->lastFormOf("home_hi.php"), (QList<QPair<QString, QString>>{{"uid", "67"}}));
}

void tst_UserHome::failedReplyKeepsThePage()
{
    UserHomeViewController *home =
        open(PeopleReplies::failure(QStringLiteral("该用户不存在")), handedOver());
    QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("该用户不存在"));
    QCOMPARE(home->title(), QStringLiteral("Ava"));
    QCOMPARE(home->photoTiles()->count(), 1);
}

void tst_UserHome::chatAndTheWaysOn()
{
    test_->replyFixture("home.php", "home_user67.json");
    auto *home = new UserHomeViewController(test_->context(), handedOver());
    (*test_)->navigation().setViewControllers({home}, false);
    QTRY_COMPARE(home->photos().size(), 8);
    QCOMPARE(home->subtitle(), QStringLiteral("32岁, 人气77, 访问量108"));
    QCOMPARE(home->fansText(), QStringLiteral("关注0 | 粉丝0"));
    QVERIFY(home->cover().endsWith(QLatin1String("/bd67.jpg")));
    QVERIFY(home->avatar().endsWith(QLatin1String("/av67.jpg!100")));

    home->chat();
    QCOMPARE(test_->router().last(), QStringLiteral("chat 67"));
    home->avatarButtonTapped();
    QCOMPARE(test_->router().last(), QStringLiteral("userInfo 67"));
    home->gotoUserTimeLine();
    QCOMPARE(test_->router().last(), QStringLiteral("userTimeLine 67"));
    home->gotoUserFriendList();
    QCOMPARE(test_->router().last(), QStringLiteral("userFriendList 67"));
    home->gotoFavorList();
    QCOMPARE(test_->router().last(), QStringLiteral("favorList 67"));
    home->photoTileTapped(0);
    QCOMPARE(test_->router().last(), QStringLiteral("pictureComment 67 21"));

    // One's own page: nobody to chat with.
    nuvora::json::JsonReader reader;
    (*test_)->session().setDefaultUser(*reader.objectWithData(R"({"uid":"67","nickname":"Ava"})"));
    const int opened = int(test_->router().opened.size());
    home->chat();
    QCOMPARE(test_->router().opened.size(), opened);
}

void tst_UserHome::profileLabels()
{
    nuvora::json::JsonReader reader;
    const User user(*reader.objectWithData(
                        R"({"uid":"72","nickname":"小六","gender":"1","age":"34","xingzuo":1,)"
                        R"("birthday":"1992-01-30","zhiye":"调酒师","shengao":"181",)"
                        R"("tizhong":"75","addr_sheng_j":6,"addr_shi_j":4,"addr_sheng_c":26,)"
                        R"("addr_shi_c":3,"about":"","avatar":"http://images.test/a72.jpg",)"
                        R"("lat":31.2350,"lng":121.4745})"),
                    PeopleReplies::kDevice);
    UserInfoViewController info(test_->context(), user);
    QCOMPARE(info.genderIcon(), QStringLiteral("common-boy-icon.png"));
    QCOMPARE(info.nickname(), QStringLiteral("小六"));
    QCOMPARE(info.tagText(), QStringLiteral("72"));
    QCOMPARE(info.distanceText(), QStringLiteral("距离：444m"));
    QCOMPARE(info.ageText(), QStringLiteral("34岁"));
    QCOMPARE(info.constellation(), QStringLiteral("水瓶座"));
    QCOMPARE(info.birthday(), QStringLiteral("1992-01-30"));
    QCOMPARE(info.occupation(), QStringLiteral("调酒师"));
    QCOMPARE(info.heightText(), QStringLiteral("181cm"));
    QCOMPARE(info.weightText(), QStringLiteral("75kg"));
    QCOMPARE(info.cityText(), QStringLiteral("广州"));
    QCOMPARE(info.hometownText(), QStringLiteral("成都"));
    QCOMPARE(info.aboutText(), QStringLiteral("Ta没有介绍自己"));
    QCOMPARE(info.contentHeight(), 558.0);

    info.avatarButtonTapped();
    QCOMPARE(test_->router().last(), QStringLiteral("photoViewer 1 of 1"));
    QCOMPARE(test_->router().lastPhotoAddresses, QStringList{"http://images.test/a72.jpg"});

    // A city past its province's list reads as its last city; a province past the
    // catalogue as no city at all.
    User far = user;
    far.addr_shi_j = 99;
    far.addr_sheng_c = 99;
    UserInfoViewController farInfo(test_->context(), far);
    QCOMPARE(farInfo.cityText(), QStringLiteral("珠海"));
    QCOMPARE(farInfo.hometownText(), QString());
    QCOMPARE(UserInfoViewController(test_->context(), handedOver()).genderIcon(),
             QStringLiteral("common-girl-icon.png"));
}

void tst_UserHome::rejectedAvatarOpensNothing()
{
    User user = handedOver();
    user.avatar = QStringLiteral("http://images.test/a.jpg!100");
    user.avatar_big = QStringLiteral("http://images.test/a.jpg");
    user.avatar_upload = User::kAvatarRejected;
    UserInfoViewController info(test_->context(), user);
    QVERIFY(info.avatarRejected());
    info.avatarButtonTapped();
    QVERIFY(test_->router().opened.isEmpty());

    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply("home.php", silent);
    UserHomeViewController home(test_->context(), user);
    QVERIFY(home.avatarRejected());
}

QTEST_MAIN(tst_UserHome)
#include "tst_userhome.moc"
