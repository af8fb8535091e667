// The venue records built from server objects: numbers as text, missing keys, empty
// images, the club's distance and tag line, the party's time line, the board comments,
// the map pin and the venue photos.

#include "model/Club.h"
#include "model/ClubAnnotation.h"
#include "model/Comment.h"
#include "model/Party.h"
#include "model/Picture.h"
#include "model/VenuePhoto.h"

#include <QTest>

#include <cmath>

using nuvora::json::Array;
using nuvora::json::Object;
using nuvora::json::Value;

namespace {

Value objectOf(std::initializer_list<std::pair<const char *, Value>> members)
{
    Object object;
    for (const auto &[key, value] : members)
        object.set(key, value);
    return Value(std::move(object));
}

Value arrayOf(std::initializer_list<Value> elements)
{
    Array array;
    for (const Value &element : elements)
        array.push_back(element);
    return Value(std::move(array));
}

const QGeoCoordinate kDevice(31.2304, 121.4737);

// A club object placed `metres` north of the device.
Value clubAt(double metres)
{
    const QGeoCoordinate target = kDevice.atDistanceAndAzimuth(metres, 0);
    return objectOf({{"clid", 1}, {"lat", target.latitude()}, {"lng", target.longitude()}});
}

} // namespace

class VenueRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void recordsReadNumbersAsTextAndKeepTheirDefaults()
    {
        const Club club(objectOf({{"clid", "27"},
                                  {"name", "云端"},
                                  {"tel", " 021-1"},
                                  {"addr", "某路1号"},
                                  {"content", "夜色"},
                                  {"img", "http://img/c.jpg"},
                                  {"love", "4"},
                                  {"hezuo", "1"},
                                  {"favor", "26"},
                                  {"isfavor", 1}}),
                        kDevice);
        QCOMPARE(club.clid, 27);
        QCOMPARE(club.name, QStringLiteral("云端"));
        QCOMPARE(club.tel, QStringLiteral(" 021-1"));
        QCOMPARE(club.address, QStringLiteral("某路1号"));
        QCOMPARE(club.content, QStringLiteral("夜色"));
        QCOMPARE(club.img, QStringLiteral("http://img/c.jpg!200"));
        QCOMPARE(club.img_big, QStringLiteral("http://img/c.jpg"));
        QCOMPARE(club.love, 4);
        QCOMPARE(club.hezuo, 1);
        QCOMPARE(club.recommended, 1);
        QCOMPARE(club.favor, 26);
        QCOMPARE(club.isfavor, 1);
        QCOMPARE(club.recordKey(), QStringLiteral("27"));

        const Club bare(objectOf({{"clid", 3}, {"img", ""}, {"content", ""}}), kDevice);
        QCOMPARE(bare.img, QString());
        QCOMPARE(bare.img_big, QString());
        QCOMPARE(bare.content, QStringLiteral("暂无介绍"));
        QCOMPARE(bare.name, QString());
        QCOMPARE(bare.favor, 0);
        QCOMPARE(bare.tags, QStringLiteral("标签：暂无"));
        QCOMPARE(bare.distance, QStringLiteral("未知"));
        QVERIFY(!bare.hasPosition());

        // The empty forms of advertisements and pushes hold only their id.
        const Club byId = Club::withId(9);
        QCOMPARE(byId.clid, 9);
        QCOMPARE(byId.content, QString());
        QCOMPARE(byId.img_big, QString());
        const Party partyById = Party::withId(31);
        QCOMPARE(partyById.pid, 31);
        QCOMPARE(partyById.displayTime, QString());

        // A party: numbers as text too, its default description and sign-up mode.
        const Party party(objectOf({{"pid", "31"},
                                    {"uid", "5"},
                                    {"title", "摄影派对"},
                                    {"cid", 12},
                                    {"price", "免费"},
                                    {"img", "http://img/p.jpg"},
                                    {"addr", "衡山路8号"},
                                    {"count", "40"},
                                    {"tel", "021 139"},
                                    {"favor", 3},
                                    {"isfavor", "1"},
                                    {"isjoin", 1},
                                    {"joininfo", "1"},
                                    {"ptimestart", "2012-05-01 21:00:00"},
                                    {"ptimeend", "2012-05-02 02:00:00"}}));
        QCOMPARE(party.pid, 31);
        QCOMPARE(party.uid, 5);
        QCOMPARE(party.cid, QStringLiteral("12"));
        QCOMPARE(party.price, QStringLiteral("免费"));
        QCOMPARE(party.img, QStringLiteral("http://img/p.jpg!200"));
        QCOMPARE(party.img_big, QStringLiteral("http://img/p.jpg"));
        QCOMPARE(party.count, 40);
        QCOMPARE(party.isfavor, 1);
        QVERIFY(party.joinsWithOneTap());
        QCOMPARE(party.content, QStringLiteral("没有描述~"));
        // Across midnight.
        QCOMPARE(party.displayTime, QStringLiteral("时间：05月01日 21:00~05月02日 02:00"));

        // The party push names only the id.
        const Party pushed(objectOf({{"pid", 30}}));
        QCOMPARE(pushed.pid, 30);
        QCOMPARE(pushed.img, QString());
        QCOMPARE(pushed.displayTime, QString());
        QCOMPARE(pushed.content, QStringLiteral("没有描述~"));
        QVERIFY(!pushed.joinsWithOneTap());
    }

    void clubTagLine()
    {
        const Value two = objectOf({{"tag", arrayOf({Value("A"), Value("B")})}});
        QCOMPARE(Club(two, kDevice).tags, QStringLiteral("标签：A B "));
        QCOMPARE(Club(objectOf({{"tag", arrayOf({})}}), kDevice).tags,
                 QStringLiteral("标签：暂无"));
        QCOMPARE(Club(objectOf({{"tag", "A"}}), kDevice).tags, QStringLiteral("标签：暂无"));
    }

    void clubDistance_data()
    {
        QTest::addColumn<double>("metres");
        QTest::addColumn<QString>("expected");
        QTest::newRow("near") << 12.5 << QStringLiteral("12m");
        QTest::newRow("1000 m") << 1000.2 << QStringLiteral("1000m");
        QTest::newRow("truncated before the test") << 1000.9 << QStringLiteral("1000m");
        QTest::newRow("1001 m") << 1001.2 << QStringLiteral("1.00km");
        QTest::newRow("two decimals") << 2349.6 << QStringLiteral("2.35km");
        QTest::newRow("far") << 12345.7 << QStringLiteral("12.35km");
    }

    void clubDistance()
    {
        QFETCH(double, metres);
        QFETCH(QString, expected);
        QCOMPARE(Club(clubAt(metres), kDevice).distance, expected);
    }

    void clubDistanceIsUnknownWithoutTwoPositions()
    {
        // Without a device position nothing is measured (not from 0, 0).
        QCOMPARE(Club(clubAt(500), std::nullopt).distance, QStringLiteral("未知"));
        QCOMPARE(Club(clubAt(500), QGeoCoordinate()).distance, QStringLiteral("未知"));
        QCOMPARE(Club(objectOf({{"lat", 0}, {"lng", "0"}}), kDevice).distance,
                 QStringLiteral("未知"));
        const Club outOfRange(objectOf({{"lat", 500}, {"lng", 20}}), kDevice);
        QCOMPARE(outOfRange.distance, QStringLiteral("未知"));
        QVERIFY(!outOfRange.hasPosition());
        const Club huge(objectOf({{"lat", "1e308"}, {"lng", "1e308"}}), kDevice);
        QCOMPARE(huge.distance, QStringLiteral("未知"));
        QVERIFY(!huge.hasPosition());

        // Coordinates sent as text count.
        const QGeoCoordinate target = kDevice.atDistanceAndAzimuth(300.5, 90);
        const Club textual(objectOf({{"lat", std::to_string(target.latitude())},
                                     {"lng", std::to_string(target.longitude())}}),
                           kDevice);
        QVERIFY(textual.hasPosition());
        QVERIFY(textual.distance.endsWith(QLatin1String("m")));
        QVERIFY(!textual.distance.endsWith(QLatin1String("km")));
        QVERIFY(std::abs(textual.coordinate.latitude() - target.latitude()) < 1e-5);
    }

    void partyTimeLineIsWallTimeOnly_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("expected");
        // 02:30 on 31 March 2024 does not exist in central Europe, nor on 10 March 2024 in
        // New York; the line keeps it whatever the device's zone.
        QTest::newRow("gap in Europe") << "2024-03-31 02:30:00"
                                       << "2024-03-31 05:00:00"
                                       << "时间：03月31日 02:30~03月31日 05:00";
        QTest::newRow("gap in America") << "2024-03-10 02:15:00"
                                        << "2024-03-10 03:00:00"
                                        << "时间：03月10日 02:15~03月10日 03:00";
        QTest::newRow("missing end") << "2024-03-10 22:00:00"
                                     << ""
                                     << "";
        QTest::newRow("unreadable start") << "明晚"
                                          << "2024-03-10 23:00:00"
                                          << "";
        QTest::newRow("no seconds") << "2024-03-10 22:00"
                                    << "2024-03-10 23:00:00"
                                    << "";
        QTest::newRow("impossible date") << "2024-02-30 22:00:00"
                                         << "2024-03-10 23:00:00"
                                         << "";
    }

    void partyTimeLineIsWallTimeOnly()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, expected);
        for (const char *zone : {"Europe/Berlin", "America/New_York", "Asia/Shanghai"}) {
            qputenv("TZ", zone);
            QCOMPARE(Party::timeLine(start, end), expected);
        }
        qunsetenv("TZ");
    }

    void boardComments()
    {
        const Value sent = objectOf({{"crid", 15},
                                     {"prid", "16"},
                                     {"content", "周末见"},
                                     {"time", "2012-05-01 21:00:00"},
                                     {"nickname", "夜猫"},
                                     {"avatar", "http://img/a.jpg"},
                                     {"uid", "8"}});
        const ClubComment club(sent);
        QCOMPARE(club.crid(), QStringLiteral("15"));
        QCOMPARE(club.content, QStringLiteral("周末见"));
        QCOMPARE(club.time, QStringLiteral("2012-05-01 21:00:00"));
        QCOMPARE(club.nickname, QStringLiteral("夜猫"));
        QCOMPARE(club.avatar, QStringLiteral("http://img/a.jpg!100"));
        QCOMPARE(club.uid, 8);
        const PartyComment party(sent);
        QCOMPARE(party.prid(), QStringLiteral("16"));
        QCOMPARE(party.avatar, QStringLiteral("http://img/a.jpg!100"));

        const ClubComment bare(objectOf({{"avatar", ""}}));
        QCOMPARE(bare.avatar, QString());
        QCOMPARE(bare.uid, 0);
    }

    void annotationFollowsItsClub()
    {
        const ClubAnnotation none;
        QCOMPARE(none.coordinate(), QGeoCoordinate(0, 0));
        QCOMPARE(none.title(), QString());

        const Club club(objectOf({{"clid", 1},
                                  {"name", "老码头"},
                                  {"addr", "中山南路505号"},
                                  {"lat", "31.2"},
                                  {"lng", 121.5}}),
                        kDevice);
        const ClubAnnotation pin(club);
        QCOMPARE(pin.coordinate(), QGeoCoordinate(31.2, 121.5));
        QCOMPARE(pin.title(), QStringLiteral("老码头"));
        QCOMPARE(pin.subtitle(), QStringLiteral("中山南路505号"));
    }

    void pictures()
    {
        const Picture picture(objectOf({{"pid", 44},
                                        {"img", "http://img/x.jpg"},
                                        {"remarkcount", "3"},
                                        {"zan", 3},
                                        {"iszan", "1"},
                                        {"isremark", 1},
                                        {"time", "3分钟前"}}));
        QCOMPARE(picture.pid, QStringLiteral("44"));
        QCOMPARE(picture.img, QStringLiteral("http://img/x.jpg!160"));
        QCOMPARE(picture.img_big, QStringLiteral("http://img/x.jpg"));
        QCOMPARE(picture.text, QStringLiteral("一张普通的照片"));
        QCOMPARE(picture.remarkCount, picture.zanCount);
        QCOMPARE(picture.iszan, 1);
        QCOMPARE(picture.isRemark, 1);

        // A club's photos: their own id key and the venues' picture size.
        const Picture photo =
            VenuePhoto::picture(objectOf({{"cpid", "101"}, {"img", "http://img/cp.jpg"}}), "cpid");
        QCOMPARE(photo.pid, QStringLiteral("101"));
        QCOMPARE(photo.img, QStringLiteral("http://img/cp.jpg!200"));
        QCOMPARE(photo.img_big, QStringLiteral("http://img/cp.jpg"));
        QCOMPARE(VenuePhoto::picture(objectOf({{"ppid", 7}, {"img", ""}}), "ppid").img, QString());
    }
};

QTEST_GUILESS_MAIN(VenueRecordsTest)
#include "tst_venuerecords.moc"
