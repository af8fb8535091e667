// End-to-end tests of the stand-in's lists and what users do to each other:
// nearby ordering and filters, search, paging and cursors, party sign-up,
// comments that remind their addressee, the feed counters, moods' deletion
// and reports.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "PhotoMoodCases.h"

#include <QSet>
#include <QtTest>
#include <cmath>
#include <numbers>

namespace json = nuvora::json;
using nuvora::devserver::PhotoMoodCases;

namespace {

QString str(const json::Value &value)
{
    return QString::fromStdString(value.toText());
}

double metres(double lat1, double lng1, double lat2, double lng2)
{
    const double rad = std::numbers::pi / 180;
    const double a = std::pow(std::sin((lat2 - lat1) * rad / 2), 2)
                     + std::cos(lat1 * rad) * std::cos(lat2 * rad)
                           * std::pow(std::sin((lng2 - lng1) * rad / 2), 2);
    return 2 * 6371000 * std::asin(std::sqrt(a));
}

constexpr double kLat = 31.2304;
constexpr double kLng = 121.4737;

} // namespace

class TestDevServerLists : public QObject {
    Q_OBJECT

private:
    DevServerProcess server_;

    ApiTestClient user(const QString &email, const QString &password)
    {
        ApiTestClient client(server_.webHost());
        client.setPosition(kLat, kLng);
        client.setRegion(25, 1);
        if (!client.signIn(email, password))
            qWarning("sign-in of %s failed", qPrintable(email));
        return client;
    }
    ApiTestClient demo() { return user(server_.demoEmail(), server_.demoPassword()); }

private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }

    void nearbyUsersComeByDistanceAndPage()
    {
        ApiTestClient client = demo();
        const QString me = str(client.call(QStringLiteral("my_userinfo.php"))["user"]["uid"]);
        QSet<QString> seen;
        double last = 0;
        bool sawUnplaced = false;
        int page = 1;
        for (;; ++page) {
            const ApiReply reply = client.call(QStringLiteral("user_nearby.php"),
                                               {{QStringLiteral("page"), QString::number(page)},
                                                {QStringLiteral("gender"), QStringLiteral("0")}});
            QCOMPARE(reply.status(), 1);
            const json::Array &users = reply["users"].asArray();
            QVERIFY(users.size() <= 20);
            for (const json::Value &u : users) {
                QVERIFY(!seen.contains(str(u["uid"])));
                QVERIFY(str(u["uid"]) != me);
                seen.insert(str(u["uid"]));
                if (u["lat"].isNull()) {
                    QVERIFY(u["lng"].isNull());
                    sawUnplaced = true;
                    continue;
                }
                QVERIFY2(!sawUnplaced, "users without a position come last");
                const double d = metres(kLat, kLng, u["lat"].toDouble(), u["lng"].toDouble());
                QVERIFY(d + 0.5 >= last);
                last = d;
            }
            if (users.size() < 20)
                break;
        }
        QVERIFY(seen.size() >= 60);
        QVERIFY(sawUnplaced);
        QVERIFY(page >= 4);

        const ApiReply women = client.call(QStringLiteral("user_nearby.php"),
                                           {{QStringLiteral("gender"), QStringLiteral("2")}});
        QCOMPARE(women["users"].asArray().size(), size_t(20));
        for (const json::Value &u : women["users"].asArray())
            QCOMPARE(u["gender"].toInteger(), 2);
    }

    void searchFiltersAndSorts()
    {
        ApiTestClient client = demo();
        const ApiReply byName = client.call(QStringLiteral("user_search.php"),
                                            {{QStringLiteral("nickname"), QStringLiteral("夜猫")},
                                             {QStringLiteral("sheng"), QStringLiteral("0")},
                                             {QStringLiteral("shi"), QStringLiteral("0")},
                                             {QStringLiteral("agemin"), QStringLiteral("0")},
                                             {QStringLiteral("agemax"), QStringLiteral("0")},
                                             {QStringLiteral("gender"), QStringLiteral("0")},
                                             {QStringLiteral("sort"), QStringLiteral("renqi")},
                                             {QStringLiteral("page"), QStringLiteral("1")}});
        QCOMPARE(byName.status(), 1);
        QVERIFY(!byName["users"].asArray().empty());
        for (const json::Value &u : byName["users"].asArray())
            QVERIFY(str(u["nickname"]).contains(QStringLiteral("夜猫")));

        const ApiReply band = client.call(QStringLiteral("user_search.php"),
                                          {{QStringLiteral("agemin"), QStringLiteral("23")},
                                           {QStringLiteral("agemax"), QStringLiteral("30")},
                                           {QStringLiteral("gender"), QStringLiteral("1")},
                                           {QStringLiteral("sort"), QStringLiteral("renqi")},
                                           {QStringLiteral("sheng"), QStringLiteral("25")},
                                           {QStringLiteral("shi"), QStringLiteral("1")}});
        QCOMPARE(band.status(), 1);
        qint64 lastRenqi = std::numeric_limits<qint64>::max();
        for (const json::Value &u : band["users"].asArray()) {
            QVERIFY(u["age"].toInteger() >= 23 && u["age"].toInteger() <= 30);
            QCOMPARE(u["gender"].toInteger(), 1);
            QVERIFY(u["renqi"].toInteger() <= lastRenqi);
            lastRenqi = u["renqi"].toInteger();
        }
        const ApiReply elsewhere = client.call(QStringLiteral("user_search.php"),
                                               {{QStringLiteral("sheng"), QStringLiteral("3")},
                                                {QStringLiteral("shi"), QStringLiteral("1")}});
        QCOMPARE(elsewhere.status(), 1);
        QVERIFY(elsewhere["users"].asArray().empty());
    }

    void clubSearchPagesByTen()
    {
        ApiTestClient client = demo();
        size_t total = 0;
        QSet<QString> ids;
        for (int page = 1; page <= 4; ++page) {
            const ApiReply reply = client.call(QStringLiteral("club.php"),
                                               {{QStringLiteral("keywords"), QString()},
                                                {QStringLiteral("sheng"), QStringLiteral("25")},
                                                {QStringLiteral("shi"), QStringLiteral("1")},
                                                {QStringLiteral("page"), QString::number(page)}});
            QCOMPARE(reply.status(), 1);
            const json::Array &clubs = reply["clubs"].asArray();
            QVERIFY(clubs.size() <= 10);
            for (const json::Value &club : clubs) {
                ids.insert(str(club["clid"]));
                QVERIFY(club["tag"].isArray());
                QVERIFY(club["tel"].isString()); // may be empty or undialable
            }
            total += clubs.size();
        }
        QVERIFY(total >= 25);
        QCOMPARE(size_t(ids.size()), total);

        const ApiReply nearby = client.call(QStringLiteral("club.php"),
                                            {{QStringLiteral("sort"), QStringLiteral("nearby")},
                                             {QStringLiteral("page"), QStringLiteral("1")}});
        double last = 0;
        for (const json::Value &club : nearby["clubs"].asArray()) {
            const double d = metres(kLat, kLng, club["lat"].toDouble(), club["lng"].toDouble());
            QVERIFY(d + 0.5 >= last);
            last = d;
        }
        const ApiReply named =
            client.call(QStringLiteral("club.php"),
                        {{QStringLiteral("keywords"), QStringLiteral("Bar Rouge")}});
        QCOMPARE(named["clubs"].asArray().size(), size_t(1));
    }

    void partySignUpAndWithdrawal()
    {
        ApiTestClient client =
            user(QStringLiteral("user20@nuvora.cn"), QStringLiteral("password20"));
        const ApiReply list = client.call(QStringLiteral("party.php"),
                                          {{QStringLiteral("page"), QStringLiteral("1")}});
        QCOMPARE(list.status(), 1);
        QCOMPARE(list["partys"].asArray().size(), size_t(10));
        QString oneTap;
        QString withForm;
        for (const json::Value &party : list["partys"].asArray()) {
            if (party["isjoin"].toInteger() != 0)
                continue;
            (party["joininfo"].toInteger() == 1 ? oneTap : withForm) = str(party["pid"]);
        }
        QVERIFY(!oneTap.isEmpty() && !withForm.isEmpty());

        auto show = [&](const QString &pid) {
            return client.call(QStringLiteral("party_show.php"), {{QStringLiteral("pid"), pid}});
        };
        const qint64 before = show(oneTap)["party"]["count"].toInteger();
        QCOMPARE(
            client.call(QStringLiteral("party_join_post.php"), {{QStringLiteral("pid"), oneTap}})
                .status(),
            1);
        ApiReply shown = show(oneTap);
        QCOMPARE(shown["party"]["isjoin"].toInteger(), 1);
        QCOMPARE(shown["party"]["count"].toInteger(), before + 1);
        QVERIFY(
            client.call(QStringLiteral("party_join_post.php"), {{QStringLiteral("pid"), oneTap}})
                .status()
            != 1);
        const ApiReply mine = client.call(QStringLiteral("my_party_join.php"),
                                          {{QStringLiteral("page"), QStringLiteral("1")}});
        bool listed = false;
        for (const json::Value &party : mine["partys"].asArray())
            listed |= str(party["pid"]) == oneTap;
        QVERIFY(listed);

        QCOMPARE(
            client.call(QStringLiteral("party_join_out.php"), {{QStringLiteral("pid"), oneTap}})
                .status(),
            1);
        shown = show(oneTap);
        QCOMPARE(shown["party"]["isjoin"].toInteger(), 0);
        QCOMPARE(shown["party"]["count"].toInteger(), before);
        QVERIFY(client.call(QStringLiteral("party_join_out.php"), {{QStringLiteral("pid"), oneTap}})
                    .status()
                != 1);

        // The form sign-up needs a name and a sensible number of people.
        const ApiReply noName = client.call(
            QStringLiteral("party_join_post.php"),
            {{QStringLiteral("pid"), withForm}, {QStringLiteral("count"), QStringLiteral("2")}});
        QVERIFY(noName.status() != 1);
        QVERIFY(!noName.message().isEmpty());
        QVERIFY(client
                    .call(QStringLiteral("party_join_post.php"),
                          {{QStringLiteral("pid"), withForm},
                           {QStringLiteral("name"), QStringLiteral("小王")},
                           {QStringLiteral("count"), QStringLiteral("many")}})
                    .status()
                != 1);
        const qint64 formBefore = show(withForm)["party"]["count"].toInteger();
        QCOMPARE(client
                     .call(QStringLiteral("party_join_post.php"),
                           {{QStringLiteral("name"), QStringLiteral("小王")},
                            {QStringLiteral("tel"), QString()},
                            {QStringLiteral("pid"), withForm},
                            {QStringLiteral("count"), QStringLiteral("3")}})
                     .status(),
                 1);
        QCOMPARE(show(withForm)["party"]["count"].toInteger(), formBefore + 3);
    }

    // The city feed sends entries of every type; a whole page of types the
    // nearby tab drops lies between kept entries, and the cursor runs past it.
    void feedCursorsPageBackwardsOverEveryType()
    {
        ApiTestClient client = demo();
        const QSet<QString> kept = {QStringLiteral("mood"), QStringLiteral("photoupload")};
        QString cursor = QStringLiteral("0");
        qint64 last = std::numeric_limits<qint64>::max();
        QSet<QString> types;
        QList<bool> pagesWithKept;
        for (int round = 0; round < 8; ++round) {
            const ApiReply reply = client.call(QStringLiteral("my_feed_city.php"),
                                               {{QStringLiteral("feedid"), cursor}});
            QCOMPARE(reply.status(), 1);
            const json::Array &feeds = reply["feeds"].asArray();
            QCOMPARE(feeds.size(), size_t(15));
            bool anyKept = false;
            for (const json::Value &entry : feeds) {
                const qint64 id = entry["feed"]["feedid"].toInteger();
                QVERIFY(id < last);
                last = id;
                const QString type = str(entry["feed"]["type"]);
                types.insert(type);
                anyKept = anyKept || kept.contains(type);
                QVERIFY(QDateTime::fromString(str(entry["feed"]["time"]),
                                              QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                            .isValid());
                QVERIFY(entry["user"].isObject());
                if (type == QStringLiteral("hi") || type.startsWith(QStringLiteral("club")))
                    QVERIFY(!str(entry["club"]["clid"]).isEmpty());
                if (type.startsWith(QStringLiteral("party")))
                    QVERIFY(!str(entry["party"]["pid"]).isEmpty());
            }
            pagesWithKept << anyKept;
            cursor = str(feeds.back()["feed"]["feedid"]);
        }
        for (const char *type : {"mood", "photoupload", "clubfavor", "hi", "partyfavor",
                                 "clubremark", "partyremark", "follow", "partyjoin", "photozan"})
            QVERIFY2(types.contains(QString::fromLatin1(type)), type);
        const qsizetype firstKept = pagesWithKept.indexOf(true);
        const qsizetype dropped = pagesWithKept.indexOf(false, std::max<qsizetype>(firstKept, 0));
        QVERIFY2(firstKept >= 0 && dropped > firstKept,
                 "no page of dropped types after a kept one");
        QVERIFY(pagesWithKept.indexOf(true, dropped) > dropped);
    }

    // "/dev/feed" adds entries and reminders of any type on demand, pointing at
    // real records, and refuses what it cannot point at.
    void devFeedAddsEntriesAndReminders()
    {
        ApiTestClient http(server_.webHost());
        ApiTestClient me = demo();
        const QString myId = str(me.call(QStringLiteral("my_userinfo.php"))["user"]["uid"]);

        const ApiReply gift = http.get(QStringLiteral("/dev/feed?type=giftsent&uid=5"));
        QCOMPARE(gift.httpStatus, 200);
        const ApiReply timeline = me.call(QStringLiteral("home_feed.php"),
                                          {{QStringLiteral("uid"), QStringLiteral("5")},
                                           {QStringLiteral("feedid"), QStringLiteral("0")}});
        const json::Value &newest = timeline["feeds"].asArray().front();
        QCOMPARE(str(newest["feed"]["feedid"]), str(gift["feed"]["feedid"]));
        QCOMPARE(str(newest["feed"]["type"]), QStringLiteral("giftsent"));

        // A reminder for the demo account: one of its photos, commented by someone else.
        const ApiReply remark = http.get(QStringLiteral("/dev/feed?type=photoremark&remind=1"));
        QCOMPARE(str(remark["photo"]["uid"]), myId);
        QVERIFY(str(remark["photoremarkuser"]["uid"]) != myId);
        QCOMPARE(str(me.call(QStringLiteral("my_feed_remind.php"),
                             {{QStringLiteral("feedid"), QStringLiteral("0")}})["feeds"]
                         .asArray()
                         .front()["feed"]["feedid"]),
                 str(remark["feed"]["feedid"]));
        QCOMPARE(me.call(QStringLiteral("photo_show.php"),
                         {{QStringLiteral("pid"), str(remark["photo"]["pid"])}})
                     .status(),
                 1);

        // Named records are taken as they are.
        const ApiReply hi = http.get(QStringLiteral("/dev/feed?type=hi&remind=1&from=9&clid=31"));
        QCOMPARE(str(hi["club"]["clid"]), QStringLiteral("31"));
        QCOMPARE(str(hi["user"]["uid"]), QStringLiteral("9"));

        for (const char *refused :
             {"/dev/feed?type=clubfavor&clid=99999", "/dev/feed?type=Drop%20table",
              "/dev/feed?type=mood&uid=99999", "/dev/feed?type=hi&remind=1&from=2",
              "/dev/feed?type=photoupload&uid=1", "/dev/feed?type=follow&fuid=abc"})
            QVERIFY2(http.get(QString::fromLatin1(refused)).httpStatus == 400, refused);
    }

    void aCommentRemindsItsAddressee()
    {
        ApiTestClient me = demo();
        ApiTestClient other =
            user(QStringLiteral("user30@nuvora.cn"), QStringLiteral("password30"));
        // Reading the reminders with cursor "0" marks them read.
        QCOMPARE(me.call(QStringLiteral("my_feed_remind.php"),
                         {{QStringLiteral("feedid"), QStringLiteral("0")}})
                     .status(),
                 1);
        QCOMPARE(me.call(QStringLiteral("my_userinfo.php"))["feed_notify"]["feedremindcount"]
                     .toInteger(),
                 0);

        QCOMPARE(me.call(QStringLiteral("my_mood_post.php"),
                         {{QStringLiteral("content"), QStringLiteral("今晚去哪儿玩？")},
                          {QStringLiteral("isremark"), QStringLiteral("0")}})
                     .status(),
                 1);
        const ApiReply own = me.call(QStringLiteral("my_feed_me.php"),
                                     {{QStringLiteral("feedid"), QStringLiteral("0")}});
        const json::Value &mood = own["feeds"].asArray().front()["mood"];
        QCOMPARE(str(mood["content"]), QStringLiteral("今晚去哪儿玩？"));
        const QString moodId = str(mood["moodid"]);

        const ApiReply posted =
            other.call(QStringLiteral("mood_remark_post.php"),
                       {{QStringLiteral("mid"), moodId},
                        {QStringLiteral("reply"), QStringLiteral("0")},
                        {QStringLiteral("content"), QStringLiteral("一起去外滩吧")}});
        QCOMPARE(posted.status(), 1);
        QCOMPARE(me.call(QStringLiteral("my_userinfo.php"))["feed_notify"]["feedremindcount"]
                     .toInteger(),
                 1);

        const ApiReply reminders = me.call(QStringLiteral("my_feed_remind.php"),
                                           {{QStringLiteral("feedid"), QStringLiteral("0")}});
        const json::Value &first = reminders["feeds"].asArray().front();
        QCOMPARE(str(first["feed"]["type"]), QStringLiteral("moodremark"));
        QCOMPARE(str(first["mood"]["content"]), QStringLiteral("今晚去哪儿玩？"));
        QCOMPARE(str(first["moodremarkuser"]["nickname"]),
                 str(other.call(QStringLiteral("my_userinfo.php"))["user"]["nickname"]));
        QCOMPARE(reminders["feed_notify"]["feedremindcount"].toInteger(), 0);

        // A reply to that comment reminds its author in turn.
        const ApiReply comments =
            me.call(QStringLiteral("mood_remark.php"), {{QStringLiteral("mid"), moodId}});
        const QString mrid = str(comments["moodremarks"].asArray().front()["mrid"]);
        QCOMPARE(me.call(QStringLiteral("mood_remark_post.php"),
                         {{QStringLiteral("mid"), moodId},
                          {QStringLiteral("reply"), mrid},
                          {QStringLiteral("content"), QStringLiteral("回复小鹿: 好啊")}})
                     .status(),
                 1);
        const ApiReply theirs = other.call(QStringLiteral("my_feed_remind.php"),
                                           {{QStringLiteral("feedid"), QStringLiteral("0")}});
        QCOMPARE(str(theirs["feeds"].asArray().front()["feed"]["type"]),
                 QStringLiteral("moodremarkreply"));
        QVERIFY(me.call(QStringLiteral("mood_remark_post.php"),
                        {{QStringLiteral("mid"), moodId},
                         {QStringLiteral("reply"), QStringLiteral("999999")},
                         {QStringLiteral("content"), QStringLiteral("x")}})
                    .status()
                != 1);
    }

    void followedUsersRaiseTheFollowCount()
    {
        ApiTestClient me = user(QStringLiteral("user40@nuvora.cn"), QStringLiteral("password40"));
        ApiTestClient other =
            user(QStringLiteral("user41@nuvora.cn"), QStringLiteral("password41"));
        const QString otherId = str(other.call(QStringLiteral("my_userinfo.php"))["user"]["uid"]);
        me.call(QStringLiteral("home_follow_post.php"), {{QStringLiteral("uid"), otherId}});
        QCOMPARE(me.call(QStringLiteral("my_feed_follow.php"),
                         {{QStringLiteral("feedid"), QStringLiteral("0")}})
                     .status(),
                 1);
        QCOMPARE(me.call(QStringLiteral("my_userinfo.php"))["feed_notify"]["feedfollowcount"]
                     .toInteger(),
                 0);

        QCOMPARE(other
                     .call(QStringLiteral("my_mood_post.php"),
                           {{QStringLiteral("content"), QStringLiteral("新心情")}})
                     .status(),
                 1);
        QCOMPARE(me.call(QStringLiteral("my_userinfo.php"))["feed_notify"]["feedfollowcount"]
                     .toInteger(),
                 1);
        const ApiReply feed = me.call(QStringLiteral("my_feed_follow.php"),
                                      {{QStringLiteral("feedid"), QStringLiteral("0")}});
        QCOMPARE(str(feed["feeds"].asArray().front()["mooduser"]["uid"]), otherId);
        QCOMPARE(feed["feed_notify"]["feedfollowcount"].toInteger(), 0);

        // Following shows on the home page and in the lists, and reminds the followed user.
        const ApiReply home =
            me.call(QStringLiteral("home.php"), {{QStringLiteral("uid"), otherId}});
        QCOMPARE(home["follow"].toInteger(), 1);
        const ApiReply fans = other.call(QStringLiteral("my_fans.php"),
                                         {{QStringLiteral("page"), QStringLiteral("1")}});
        QVERIFY(!fans["follows"].asArray().empty());
        const ApiReply reminders = other.call(QStringLiteral("my_feed_remind.php"));
        QCOMPARE(str(reminders["feeds"].asArray().front()["feed"]["type"]),
                 QStringLiteral("follow"));
        QCOMPARE(me.call(QStringLiteral("my_follow_del.php"), {{QStringLiteral("uid"), otherId}})
                     .status(),
                 1);
        QCOMPARE(me.call(QStringLiteral("home.php"), {{QStringLiteral("uid"), otherId}})["follow"]
                     .toInteger(),
                 0);
    }

    void boardRepliesRemindTheAuthor()
    {
        ApiTestClient author =
            user(QStringLiteral("user44@nuvora.cn"), QStringLiteral("password44"));
        ApiTestClient answerer =
            user(QStringLiteral("user45@nuvora.cn"), QStringLiteral("password45"));
        const ApiTestClient::Params board = {{QStringLiteral("pid"), QStringLiteral("3")}};
        QCOMPARE(
            author
                .call(QStringLiteral("party_remark_post.php"),
                      board
                          + ApiTestClient::Params{{QStringLiteral("reply"), QStringLiteral("0")},
                                                  {QStringLiteral("content"),
                                                   QStringLiteral("有人一起吗")}})
                .status(),
            1);
        const ApiReply list = answerer.call(
            QStringLiteral("party_remark.php"),
            board + ApiTestClient::Params{{QStringLiteral("page"), QStringLiteral("1")}});
        const json::Value &newest = list["partyremarks"].asArray().front();
        QCOMPARE(str(newest["content"]), QStringLiteral("有人一起吗"));
        QVERIFY(str(newest["avatar"]).startsWith(server_.webHost()));
        const QString prid = str(newest["prid"]);
        QVERIFY(!prid.isEmpty());
        QCOMPARE(answerer
                     .call(QStringLiteral("party_remark_post.php"),
                           board
                               + ApiTestClient::Params{{QStringLiteral("reply"), prid},
                                                       {QStringLiteral("content"),
                                                        QStringLiteral("回复A: 我")}})
                     .status(),
                 1);
        const ApiReply reminders = author.call(QStringLiteral("my_feed_remind.php"),
                                               {{QStringLiteral("feedid"), QStringLiteral("0")}});
        const json::Value &entry = reminders["feeds"].asArray().front();
        QCOMPARE(str(entry["feed"]["type"]), QStringLiteral("partyremarkreply"));
        QCOMPARE(str(entry["party"]["pid"]), QStringLiteral("3"));

        const ApiReply report = answerer.call(
            QStringLiteral("jubao.php"), {{QStringLiteral("type"), QStringLiteral("partyremark")},
                                          {QStringLiteral("id"), prid},
                                          {QStringLiteral("content"), QStringLiteral("违法内容")}});
        QCOMPARE(report.status(), 1);
        QVERIFY(!report.message().isEmpty());
        const ApiReply clubBoard = author.call(QStringLiteral("club_remark.php"),
                                               {{QStringLiteral("clid"), QStringLiteral("1")}});
        QVERIFY(!str(clubBoard["clubremarks"].asArray().front()["crid"]).isEmpty());
    }

    void photoLikesAndCommentsRemindTheOwner()
    {
        ApiTestClient me = demo();
        ApiTestClient other =
            user(QStringLiteral("user50@nuvora.cn"), QStringLiteral("password50"));
        const QString myId = str(me.call(QStringLiteral("my_userinfo.php"))["user"]["uid"]);
        const ApiReply album = other.call(
            QStringLiteral("photo.php"),
            {{QStringLiteral("uid"), myId}, {QStringLiteral("page"), QStringLiteral("1")}});
        QCOMPARE(album["photos"].asArray().size(), size_t(18));
        const QString pid = str(album["photos"].asArray().front()["pid"]);
        me.call(QStringLiteral("my_feed_remind.php"),
                {{QStringLiteral("feedid"), QStringLiteral("0")}});

        other.call(QStringLiteral("photo_zan_out.php"), {{QStringLiteral("pid"), pid}});
        QCOMPARE(other.call(QStringLiteral("photo_zan_post.php"), {{QStringLiteral("pid"), pid}})
                     .status(),
                 1);
        QCOMPARE(
            other.call(QStringLiteral("photo_show.php"), {{QStringLiteral("pid"), pid}})["iszan"]
                .toInteger(),
            1);
        QCOMPARE(other
                     .call(QStringLiteral("photo_remark_post.php"),
                           {{QStringLiteral("pid"), pid},
                            {QStringLiteral("reply"), QStringLiteral("0")},
                            {QStringLiteral("content"), QStringLiteral("拍得真好")}})
                     .status(),
                 1);
        const ApiReply reminders = me.call(QStringLiteral("my_feed_remind.php"),
                                           {{QStringLiteral("feedid"), QStringLiteral("0")}});
        QStringList types;
        for (const json::Value &entry : reminders["feeds"].asArray())
            types << str(entry["feed"]["type"]);
        QCOMPARE(types.mid(0, 2),
                 (QStringList{QStringLiteral("photoremark"), QStringLiteral("photozan")}));

        // Deleting someone else's photo is refused; deleting one's own removes it.
        QVERIFY(
            other.call(QStringLiteral("my_photo_del.php"), {{QStringLiteral("pid"), pid}}).status()
            != 1);
        QCOMPARE(
            me.call(QStringLiteral("my_photo_del.php"), {{QStringLiteral("pid"), pid}}).status(),
            1);
        QVERIFY(me.call(QStringLiteral("photo_show.php"), {{QStringLiteral("pid"), pid}}).status()
                != 1);
    }

    void deletingAMoodRestoresTheSignature()
    {
        // This user has no mood yet; the signature follows the newest remaining one.
        ApiTestClient me = user(QStringLiteral("user68@nuvora.cn"), QStringLiteral("password68"));
        auto post = [&me](const QString &content) {
            me.call(QStringLiteral("my_mood_post.php"), {{QStringLiteral("content"), content}});
            return str(me.call(QStringLiteral("my_feed_me.php"),
                               {{QStringLiteral("feedid"), QStringLiteral("0")}})["feeds"]
                           .asArray()
                           .front()["mood"]["moodid"]);
        };
        auto remove = [&me](const QString &moodid) {
            return me.call(QStringLiteral("my_mood_del.php"), {{QStringLiteral("mid"), moodid}})
                .status();
        };
        auto signature = [&me] {
            return str(me.call(QStringLiteral("my_userinfo.php"))["user"]["mood"]);
        };
        // Likely posted within one second: the newest is still the one posted last.
        const QString first = post(QStringLiteral("第一条"));
        const QString second = post(QStringLiteral("第二条"));
        const QString third = post(QStringLiteral("第三条"));
        QCOMPARE(signature(), QStringLiteral("第三条"));

        QCOMPARE(remove(first), 1);
        QCOMPARE(signature(), QStringLiteral("第三条"));
        QCOMPARE(remove(third), 1);
        QCOMPARE(signature(), QStringLiteral("第二条"));
        QCOMPARE(remove(second), 1);
        QCOMPARE(signature(), QString());
    }

    void reportsReachTheTestEndpoint()
    {
        ApiTestClient reporter =
            user(QStringLiteral("user52@nuvora.cn"), QStringLiteral("password52"));
        const qint64 reporterId =
            reporter.call(QStringLiteral("my_userinfo.php"))["user"]["uid"].toInteger();
        // A mood comment, reported as the client reports it, then a photo.
        const QString mrid = str(
            reporter
                .call(QStringLiteral("mood_remark.php"),
                      {{QStringLiteral("mid"), QString::number(PhotoMoodCases::kManyCommentsMood)},
                       {QStringLiteral("page"), QStringLiteral("1")}})["moodremarks"]
                .asArray()
                .front()["mrid"]);
        const QString pid = QString::number(PhotoMoodCases::kClosedPhoto);
        for (const auto &[type, id, content] :
             {std::tuple(QStringLiteral("moodremark"), mrid, QStringLiteral("广告 & 骚扰")),
              std::tuple(QStringLiteral("photo"), pid, QStringLiteral("不雅图片 100%2"))}) {
            QCOMPARE(reporter
                         .call(QStringLiteral("jubao.php"), {{QStringLiteral("type"), type},
                                                             {QStringLiteral("id"), id},
                                                             {QStringLiteral("content"), content}})
                         .status(),
                     1);
        }

        // Newest last, each with what the reporter sent.
        const json::Array reports =
            reporter.get(QStringLiteral("/dev/reports"))["reports"].asArray();
        QVERIFY(reports.size() >= 2);
        const json::Value &comment = reports.at(reports.size() - 2);
        const json::Value &photo = reports.back();
        QCOMPARE(str(comment["type"]), QStringLiteral("moodremark"));
        QCOMPARE(str(comment["id"]), mrid);
        QCOMPARE(str(comment["content"]), QStringLiteral("广告 & 骚扰"));
        QCOMPARE(comment["uid"].toInteger(), reporterId);
        QVERIFY(QDateTime::fromString(str(comment["time"]), QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                    .isValid());
        QCOMPARE(str(photo["type"]), QStringLiteral("photo"));
        QCOMPARE(str(photo["id"]), pid);
        QCOMPARE(str(photo["content"]), QStringLiteral("不雅图片 100%2"));
    }
};

QTEST_GUILESS_MAIN(TestDevServerLists)
#include "tst_devserver_lists.moc"
