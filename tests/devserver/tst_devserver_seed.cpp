// The seed's edge cases, read through the scripts the client's screens call:
// photo counts and shapes, long and empty texts and a second region for the
// people screens; the albums, comment threads and moods of the photo and mood
// screens; clubs and parties at the limits of their lists and detail pages.
// Each test fails when its group of cases goes missing.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "PhotoMoodCases.h"
#include "SeedCases.h"

#include <QImage>
#include <QSet>
#include <QtTest>
#include <algorithm>

namespace json = nuvora::json;
using nuvora::devserver::PhotoMoodCases;
using nuvora::devserver::SeedCases;

namespace {

QString str(const json::Value &value)
{
    return QString::fromStdString(value.toText());
}

QString dec(qint64 value)
{
    return QString::number(value);
}

// Characters that encoders and text views get wrong; the seed's captions,
// moods and comments hold each of them.
const char *const kAwkwardPieces[] = {"&", "+", "%2", "🍺😀", "\n", "<img src="};

QDateTime serverTime(const json::Value &value)
{
    return QDateTime::fromString(str(value), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

class TestDevServerSeed : public QObject {
    Q_OBJECT

private:
    DevServerProcess server_;

    ApiTestClient demo()
    {
        ApiTestClient client(server_.webHost());
        client.setPosition(31.2310, 121.4745);
        client.setRegion(25, 1);
        if (!client.signIn(server_.demoEmail(), server_.demoPassword()))
            qWarning("demo sign-in failed");
        return client;
    }

    // Every element of `key` over the pages of a paged script, until an empty page.
    static json::Array allPages(ApiTestClient &client, const QString &script,
                                ApiTestClient::Params params, const char *key)
    {
        json::Array all;
        params.append({QStringLiteral("page"), QString()});
        for (int page = 1; page < 50; ++page) {
            params.last().second = dec(page);
            const ApiReply reply = client.call(script, params);
            if (reply.status() != 1 || reply[key].asArray().empty())
                break;
            const json::Array &items = reply[key].asArray();
            all.insert(all.end(), items.begin(), items.end());
        }
        return all;
    }

    static size_t pageSize(ApiTestClient &client, const QString &script,
                           const ApiTestClient::Params &params, int page, const char *key)
    {
        return client.call(script, params + ApiTestClient::Params{{"page", dec(page)}})[key]
            .asArray()
            .size();
    }

    // Every entry of a feed script, following the "feedid" cursor to the end.
    static json::Array allFeedEntries(ApiTestClient &client, const QString &script,
                                      const ApiTestClient::Params &params)
    {
        json::Array all;
        QString cursor = QStringLiteral("0");
        for (int round = 0; round < 50; ++round) {
            const ApiReply reply =
                client.call(script, params + ApiTestClient::Params{{"feedid", cursor}});
            const json::Array &feeds = reply["feeds"].asArray();
            if (reply.status() != 1 || feeds.empty())
                break;
            all.insert(all.end(), feeds.begin(), feeds.end());
            cursor = str(feeds.back()["feed"]["feedid"]);
        }
        return all;
    }

    // The moods of a user's timeline by id.
    static QHash<qint64, json::Value> moodsOf(ApiTestClient &client, qint64 uid)
    {
        QHash<qint64, json::Value> moods;
        for (const json::Value &entry :
             allFeedEntries(client, "home_feed.php", {{"uid", dec(uid)}}))
            if (str(entry["feed"]["type"]) == QStringLiteral("mood"))
                moods.insert(entry["mood"]["moodid"].toInteger(), entry["mood"]);
        return moods;
    }

    // A thread of comments: at least one reply names the comment it answers
    // and starts as the client writes replies, "回复<nickname>: ".
    static void verifyReplies(const json::Array &comments, const char *idKey)
    {
        QHash<QString, QString> nicknames;
        for (const json::Value &comment : comments)
            nicknames.insert(str(comment[idKey]), str(comment["nickname"]));
        int replies = 0;
        for (const json::Value &comment : comments) {
            if (str(comment["reply"]) == QStringLiteral("0"))
                continue;
            QVERIFY(nicknames.contains(str(comment["reply"])));
            QVERIFY(
                str(comment["content"])
                    .startsWith(
                        QStringLiteral("回复%1: ").arg(nicknames.value(str(comment["reply"])))));
            ++replies;
        }
        QVERIFY(replies > 0);
    }

    QSize imageSize(ApiTestClient &client, const QString &url)
    {
        const ApiReply reply = client.get(url.mid(server_.webHost().size()));
        return reply.httpStatus == 200 ? QImage::fromData(reply.body).size() : QSize();
    }

private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }

    void peopleScreensHaveTheirEdgeCases()
    {
        ApiTestClient client = demo();
        const ApiTestClient::Params many{{"uid", dec(SeedCases::kManyPhotosUser)}};
        const ApiTestClient::Params six{{"uid", dec(SeedCases::kSixPhotosUser)}};

        // More photos than the home page shows, enough for a second album page.
        QCOMPARE(client.call("home.php", many)["photos"].asArray().size(), size_t(8));
        QCOMPARE(pageSize(client, "photo.php", many, 1, "photos"), size_t(18));
        QVERIFY(pageSize(client, "photo.php", many, 2, "photos") > 0);
        QCOMPARE(client.call("home.php", six)["photos"].asArray().size(), size_t(6));
        QCOMPARE(pageSize(client, "photo.php", six, 1, "photos"), size_t(6));

        // Pictures that are not square, and one a phone camera would take, painted at size.
        QList<QSize> shapes;
        for (const auto &owner : {many, six}) {
            for (const json::Value &photo : allPages(client, "photo.php", owner, "photos")) {
                const QSize size = imageSize(client, str(photo["img"]));
                QVERIFY(size.isValid());
                shapes << size;
            }
        }
        QVERIFY(shapes.contains(QSize(900, 1600)));
        QVERIFY(shapes.contains(QSize(1600, 900)));
        QVERIFY(std::any_of(shapes.cbegin(), shapes.cend(),
                            [](QSize s) { return qMax(s.width(), s.height()) >= 3000; }));

        // Texts at their longest and empty ones.
        const ApiReply longTexts =
            client.call("home.php", {{"uid", dec(SeedCases::kLongTextsUser)}});
        QVERIFY(str(longTexts["user"]["nickname"]).size() >= 20);
        QVERIFY(str(longTexts["user"]["mood"]).size() >= 120);
        const ApiReply blank =
            client.call("home.php", {{"uid", dec(SeedCases::kBlankProfileUser)}});
        QVERIFY(!str(blank["user"]["nickname"]).isEmpty());
        QCOMPARE(str(blank["user"]["mood"]), QString());
        QCOMPARE(str(blank["user"]["about"]), QString());

        // A second province and city, found by the search form's parameters.
        auto search = [&client](int sheng, int shi) {
            return client
                .call("user_search.php", {{"nickname", QString()},
                                          {"sheng", dec(sheng)},
                                          {"shi", dec(shi)},
                                          {"agemin", "0"},
                                          {"agemax", "0"},
                                          {"gender", "0"},
                                          {"sort", "nearby"},
                                          {"lat", "31.231000"},
                                          {"lng", "121.474500"},
                                          {"page", "1"}})["users"]
                .asArray();
        };
        const json::Array city = search(SeedCases::kGuangdong, SeedCases::kGuangzhou);
        QVERIFY(city.size() >= 2);
        bool movedAway = false;
        for (const json::Value &user : city) {
            QCOMPARE(user["addr_sheng_j"].toInteger(), SeedCases::kGuangdong);
            QCOMPARE(user["addr_shi_j"].toInteger(), SeedCases::kGuangzhou);
            QVERIFY(!user["lat"].isNull());
            movedAway |= user["addr_sheng_c"].toInteger() != SeedCases::kGuangdong;
        }
        QVERIFY(movedAway);
        QVERIFY(search(SeedCases::kGuangdong, 0).size() > city.size());
    }

    void photoScreensHaveTheirEdgeCases()
    {
        ApiTestClient client = demo();
        const QString me = str(client.call("my_userinfo.php")["user"]["uid"]);
        auto show = [&client](qint64 pid) {
            return client.call("photo_show.php", {{"pid", dec(pid)}})["photo"];
        };

        // The demo account's album over three pages, in every shape the viewer meets.
        const json::Array album = allPages(client, "photo.php", {{"uid", me}}, "photos");
        QVERIFY(album.size() >= 40);
        QSet<QString> shapes;
        QStringList captions;
        for (const json::Value &photo : album) {
            const QSize size = imageSize(client, str(photo["img"]));
            QVERIFY(size.isValid());
            if (size.width() == size.height())
                shapes << QStringLiteral("square");
            else if (qMax(size.width(), size.height()) >= 3000
                     && qMin(size.width(), size.height()) > 600)
                shapes << QStringLiteral("huge");
            else
                shapes << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            captions << str(photo["text"]);
        }
        QCOMPARE(shapes,
                 (QSet<QString>{"square", "huge", "900x1600", "1600x900", "600x3000", "3000x600"}));

        // Threads: a long one with replies over several pages, one and two comments.
        QVERIFY(show(PhotoMoodCases::kManyCommentsPhoto)["remarkcount"].toInteger() >= 35);
        const json::Array thread =
            allPages(client, "photo_remark.php", {{"pid", dec(PhotoMoodCases::kManyCommentsPhoto)}},
                     "photoremarks");
        QVERIFY(thread.size() >= 35);
        verifyReplies(thread, "prid");
        for (const auto &[pid, count] : {std::pair(PhotoMoodCases::kOneCommentPhoto, 1),
                                         std::pair(PhotoMoodCases::kTwoCommentsPhoto, 2)}) {
            QCOMPARE(show(pid)["remarkcount"].toInteger(), count);
            QCOMPARE(
                allPages(client, "photo_remark.php", {{"pid", dec(pid)}}, "photoremarks").size(),
                size_t(count));
        }

        // Closed photos refuse others' comments; liked ones are liked for the demo account only.
        ApiTestClient other(server_.webHost());
        QVERIFY(other.signIn(QStringLiteral("user30@nuvora.cn"), QStringLiteral("password30")));
        QCOMPARE(show(PhotoMoodCases::kClosedPhoto)["isremark"].toInteger(), 1);
        QCOMPARE(show(PhotoMoodCases::kOtherClosedPhoto)["isremark"].toInteger(), 1);
        QVERIFY(other
                    .call("photo_remark_post.php", {{"pid", dec(PhotoMoodCases::kClosedPhoto)},
                                                    {"reply", "0"},
                                                    {"content", "x"}})
                    .status()
                != 1);
        for (qint64 pid : {PhotoMoodCases::kLikedOwnPhoto, PhotoMoodCases::kOtherLikedPhoto}) {
            QCOMPARE(show(pid)["iszan"].toInteger(), 1);
            QCOMPARE(other.call("photo_show.php", {{"pid", dec(pid)}})["iszan"].toInteger(), 0);
        }

        // Someone else's album, and texts that survive the trip unchanged.
        const json::Array theirs =
            allPages(client, "photo.php", {{"uid", dec(PhotoMoodCases::kAlbumUser)}}, "photos");
        QVERIFY(theirs.size() >= 3);
        for (const json::Value &photo : theirs)
            captions << str(photo["text"]);
        for (const json::Value &comment : thread)
            captions << str(comment["content"]);
        for (const char *piece : kAwkwardPieces)
            QVERIFY2(std::any_of(captions.cbegin(), captions.cend(),
                                 [piece](const QString &text) {
                                     return text.contains(QString::fromUtf8(piece));
                                 }),
                     piece);
        QCOMPARE(str(show(PhotoMoodCases::kLongCaptionPhoto)["text"]).size(), 140);
    }

    void moodScreensHaveTheirEdgeCases()
    {
        ApiTestClient client = demo();
        const qint64 me = client.call("my_userinfo.php")["user"]["uid"].toInteger();
        const QHash<qint64, json::Value> moods = moodsOf(client, me);

        const json::Value &busy = moods.value(PhotoMoodCases::kManyCommentsMood);
        QVERIFY(busy["remarkcount"].toInteger() >= 20);
        const json::Array thread =
            allPages(client, "mood_remark.php", {{"mid", dec(PhotoMoodCases::kManyCommentsMood)}},
                     "moodremarks");
        QVERIFY(thread.size() >= 20);
        verifyReplies(thread, "mrid");

        QCOMPARE(str(moods.value(PhotoMoodCases::kLongMood)["content"]).size(), 160);
        const QString markup = str(moods.value(PhotoMoodCases::kMarkupMood)["content"]);
        for (const char *piece : kAwkwardPieces)
            QVERIFY2(markup.contains(QString::fromUtf8(piece)), piece);

        // Closed moods, the demo account's and someone else's.
        QCOMPARE(moods.value(PhotoMoodCases::kClosedMood)["isremark"].toInteger(), 1);
        QCOMPARE(moodsOf(client, PhotoMoodCases::kAlbumUser)
                     .value(PhotoMoodCases::kOtherClosedMood)["isremark"]
                     .toInteger(),
                 1);
    }

    void clubScreensHaveTheirEdgeCases()
    {
        ApiTestClient client = demo();
        auto show = [&client](qint64 clid) {
            return client.call("club_show.php", {{"clid", dec(clid)}});
        };

        const ApiReply unplaced = show(SeedCases::kClubWithoutPosition);
        QCOMPARE(unplaced["club"]["lat"].toDouble(), 0.0);
        QCOMPARE(unplaced["club"]["lng"].toDouble(), 0.0);
        const json::Array nearby = allPages(client, "club.php", {{"sort", "nearby"}}, "clubs");
        QVERIFY(!nearby.empty());
        QCOMPARE(nearby.back()["clid"].toInteger(), SeedCases::kClubWithoutPosition);
        QVERIFY(show(SeedCases::kClubWithoutTags)["club"]["tag"].asArray().empty());

        const ApiReply bare = show(SeedCases::kClubWithoutPhotos);
        QVERIFY(bare["clubphotos"].asArray().empty());
        const ApiTestClient::Params barePhotos{{"clid", dec(SeedCases::kClubWithoutPhotos)}};
        QCOMPARE(pageSize(client, "club_photo.php", barePhotos, 1, "clubphotos"), size_t(0));
        const ApiReply unloved = show(SeedCases::kClubWithoutFans);
        QCOMPARE(unloved["club"]["favor"].toInteger(), 0);
        QVERIFY(unloved["clubfavors"].asArray().empty());

        const ApiTestClient::Params album{{"clid", dec(SeedCases::kClubManyPhotos)}};
        QCOMPARE(pageSize(client, "club_photo.php", album, 1, "clubphotos"), size_t(18));
        QVERIFY(pageSize(client, "club_photo.php", album, 2, "clubphotos") > 0);
        const ApiTestClient::Params fans{{"clid", dec(SeedCases::kClubManyFans)}};
        QCOMPARE(pageSize(client, "club_favor.php", fans, 1, "clubfavors"), size_t(20));
        QVERIFY(pageSize(client, "club_favor.php", fans, 2, "clubfavors") > 0);

        // The second region through the search form's parameters.
        auto region = [&client](int sheng, int shi) {
            return allPages(client, "club.php",
                            {{"keywords", QString()}, {"sheng", dec(sheng)}, {"shi", dec(shi)}},
                            "clubs");
        };
        const json::Array city = region(SeedCases::kGuangdong, SeedCases::kGuangzhou);
        QVERIFY(city.size() >= 2);
        for (const json::Value &club : city) {
            QCOMPARE(club["sheng"].toInteger(), SeedCases::kGuangdong);
            QCOMPARE(club["shi"].toInteger(), SeedCases::kGuangzhou);
        }
        QVERIFY(region(SeedCases::kGuangdong, 0).size() > city.size());

        // Telephone texts the call action has to cope with.
        QStringList tels;
        for (const json::Value &club : region(0, 0))
            tels << str(club["tel"]);
        auto any = [&tels](auto predicate) {
            return std::any_of(tels.cbegin(), tels.cend(), predicate);
        };
        QVERIFY(tels.contains(QString()));
        QVERIFY(any([](const QString &t) { return t.startsWith(QLatin1Char(' ')); }));
        QVERIFY(any([](const QString &t) {
            return t.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts).size() >= 2;
        }));
        QVERIFY(tels.contains(QStringLiteral("*#06#")));
        QVERIFY(any([](const QString &t) {
            return t.contains(QStringLiteral("转")) || t.contains(QStringLiteral("分机"));
        }));
    }

    void partyScreensHaveTheirEdgeCases()
    {
        ApiTestClient client = demo();
        const QString me = str(client.call("my_userinfo.php")["user"]["uid"]);
        const QDateTime now = QDateTime::currentDateTime();

        // The demo account's own parties fill more than a page, a past one included.
        QCOMPARE(pageSize(client, "my_party_join.php", {}, 1, "partys"), size_t(10));
        const json::Array mine = allPages(client, "my_party_join.php", {}, "partys");
        QVERIFY(mine.size() > 10);
        QSet<QString> minePids;
        for (const json::Value &party : mine) {
            QCOMPARE(party["isjoin"].toInteger(), 1);
            minePids.insert(str(party["pid"]));
        }
        const QString past = dec(SeedCases::kPastParty);
        QVERIFY(minePids.contains(past));
        const ApiReply pastShown = client.call("party_show.php", {{"pid", past}});
        QVERIFY(serverTime(pastShown["party"]["ptimeend"]) < now);
        const ApiReply again = client.call("party_join_post.php", {{"pid", past}});
        QVERIFY(again.status() != 1);
        QVERIFY(!again.message().isEmpty());

        // Another user reads the same list through "pid".
        ApiTestClient other(server_.webHost());
        QVERIFY(other.signIn(QStringLiteral("user20@nuvora.cn"), QStringLiteral("password20")));
        QSet<QString> seenByOther;
        for (const json::Value &party :
             allPages(other, "my_party_join.php", {{"pid", me}}, "partys"))
            seenByOther.insert(str(party["pid"]));
        QCOMPARE(seenByOther, minePids);

        // The current list: no past party, both sign-up kinds.
        QSet<qint64> kinds;
        for (const json::Value &party : allPages(client, "party.php", {}, "partys")) {
            QVERIFY(str(party["pid"]) != past);
            kinds.insert(party["joininfo"].toInteger() == 1 ? 1 : 0);
        }
        QCOMPARE(kinds, (QSet<qint64>{0, 1}));

        const ApiReply unloved =
            client.call("party_show.php", {{"pid", dec(SeedCases::kPartyWithoutFans)}});
        QCOMPARE(unloved["party"]["favor"].toInteger(), 0);
        QVERIFY(unloved["partyfavors"].asArray().empty());
        const ApiTestClient::Params album{{"pid", dec(SeedCases::kPartyManyPhotos)}};
        QCOMPARE(pageSize(client, "party_photo.php", album, 1, "partyphotos"), size_t(18));
        QVERIFY(pageSize(client, "party_photo.php", album, 2, "partyphotos") > 0);
    }
};

QTEST_GUILESS_MAIN(TestDevServerSeed)
#include "tst_devserver_seed.moc"
