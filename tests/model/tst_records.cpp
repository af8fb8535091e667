// The region catalogue, the star signs, and the user and picture records built from
// server objects.

#include "model/CityList.h"
#include "model/ConstellationList.h"
#include "model/Picture.h"
#include "model/User.h"

#include <QTest>
#include <limits>

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

const QGeoCoordinate kDevice(31.2304, 121.4737);

// A user object placed `metres` north of the device.
Value userAt(double metres)
{
    const QGeoCoordinate target = kDevice.atDistanceAndAzimuth(metres, 0);
    return objectOf({{"uid", 1}, {"lat", target.latitude()}, {"lng", target.longitude()}});
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void catalogueShapeMatchesTheServer()
    {
        QCOMPARE(CityList::sheng().size(), 35);
        QCOMPARE(CityList::sheng().first(), QString());
        int cities = 0;
        for (int province = 1; province < 35; ++province) {
            const auto list = CityList::shiInShengIndex(province);
            QVERIFY(list);
            QCOMPARE(list->first(), QString());
            cities += int(list->size()) - 1;
        }
        QCOMPARE(cities, 429);
        QCOMPARE(CityList::shiInShengIndex(0)->size(), 1);
        // A sample of indices the server relies on.
        QCOMPARE(CityList::sheng().at(12), QStringLiteral("黑龙江"));
        QCOMPARE(CityList::sheng().at(34), QStringLiteral("重庆"));
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(4, 6), QStringLiteral("广州"));
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(15, 6), QStringLiteral("深圳"));
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(1, 25), QStringLiteral("上海"));
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(23, 27), QStringLiteral("彰化县"));
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(40, 34), QStringLiteral("忠县"));
    }

    void lookupsClampLikeTheServerExpects()
    {
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(5, 3), QStringLiteral("北京"));
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(-1, 3), QStringLiteral("北京"));
        QCOMPARE(*CityList::shiWithShiIndexShengIndex(7, 0), QString());
        QVERIFY(!CityList::shiWithShiIndexShengIndex(1, 35));
        QVERIFY(!CityList::shiWithShiIndexShengIndex(1, -1));
        QVERIFY(!CityList::shiInShengIndex(35));
        QCOMPARE(CityList::elementwithIndexInArray(0, {}), QString());

        QCOMPARE(ConstellationList::constellationWithIndex(0), QStringLiteral("魔羯座"));
        QCOMPARE(ConstellationList::constellationWithIndex(10), QStringLiteral("天羯座"));
        QCOMPARE(ConstellationList::constellationWithIndex(12), QStringLiteral("魔羯座"));
        QCOMPARE(ConstellationList::constellationWithIndex(20), QStringLiteral("魔羯座"));
        QCOMPARE(ConstellationList::constellationWithIndex(-3), QStringLiteral("魔羯座"));
    }

    void userFieldsReadNumbersAndNumericText()
    {
        const User minimal(objectOf({{"uid", "12"}, {"avatar", "A"}}), kDevice);
        QCOMPARE(minimal.userId, 12);
        QCOMPARE(minimal.avatar, QStringLiteral("A!100"));
        QCOMPARE(minimal.avatar_big, QStringLiteral("A"));
        QCOMPARE(minimal.distance, QStringLiteral("未知"));
        QCOMPARE(minimal.gender, 0);
        QCOMPARE(minimal.nickname, QString());

        const User full(objectOf({{"uid", 7},
                                  {"follow", 7},
                                  {"fans", "3"},
                                  {"look", 40},
                                  {"renqi", "99"},
                                  {"shengao", 180},
                                  {"tizhong", "70"},
                                  {"xingzuo", 1},
                                  {"nickname", "夜猫子"},
                                  {"zhiye", nullptr},
                                  {"userinfoversion", "5"},
                                  {"ischat", 1}}),
                        kDevice);
        QCOMPARE(full.follows, 7);
        QCOMPARE(full.fans, 3);
        QCOMPARE(full.visitors, 40);
        QCOMPARE(full.popularity, 99);
        QCOMPARE(full.height, 180);
        QCOMPARE(full.weight, 70);
        QCOMPARE(full.constellation, QStringLiteral("水瓶座"));
        QCOMPARE(full.nickname, QStringLiteral("夜猫子"));
        QCOMPARE(full.occupation, QString());
        QCOMPARE(full.userInfoVersion, 5);
        QCOMPARE(full.ischat, 1);

        // A huge number does not wrap into a negative id.
        const User huge(objectOf({{"uid", uint64_t(1) << 40}}), kDevice);
        QCOMPARE(huge.userId, std::numeric_limits<int>::max());
    }

    void distanceText_data()
    {
        QTest::addColumn<double>("metres");
        QTest::addColumn<QString>("expected");
        QTest::newRow("just under 1 km") << 999.9 << QStringLiteral("999m");
        QTest::newRow("truncated before the test") << 1000.4 << QStringLiteral("1000m");
        QTest::newRow("still 1000 m") << 1000.9 << QStringLiteral("1000m");
        QTest::newRow("1001 m") << 1001.3 << QStringLiteral("1km");
        QTest::newRow("half goes to even (up)") << 1500.3 << QStringLiteral("2km");
        QTest::newRow("half goes to even (down)") << 2500.3 << QStringLiteral("2km");
        QTest::newRow("above half") << 2600.3 << QStringLiteral("3km");
        QTest::newRow("near") << 12.5 << QStringLiteral("12m");
    }

    void distanceText()
    {
        QFETCH(double, metres);
        QFETCH(QString, expected);
        QCOMPARE(User(userAt(metres), kDevice).distance, expected);
    }

    void distanceIsUnknownWithoutCoordinates()
    {
        QCOMPARE(User(objectOf({{"lat", nullptr}, {"lng", 121.0}}), kDevice).distance,
                 QStringLiteral("未知"));
        QCOMPARE(User(objectOf({{"lat", 0}, {"lng", 0}}), kDevice).distance,
                 QStringLiteral("未知"));
        QCOMPARE(User(userAt(500), std::nullopt).distance, QStringLiteral("未知"));
        // Coordinates sent as numeric text count.
        const QGeoCoordinate target = kDevice.atDistanceAndAzimuth(300.5, 90);
        const User textual(objectOf({{"lat", std::to_string(target.latitude())},
                                     {"lng", std::to_string(target.longitude())}}),
                           kDevice);
        QVERIFY(textual.distance.endsWith(QLatin1String("m")));
        QVERIFY(!textual.distance.endsWith(QLatin1String("km")));
        // Out-of-range coordinates do not produce a made-up distance.
        QCOMPARE(User(objectOf({{"lat", 500}, {"lng", 20}}), kDevice).distance,
                 QStringLiteral("未知"));
    }

    void pictureAddressesCaptionAndCounters()
    {
        const Picture picture(objectOf({{"pid", "21"},
                                        {"img", "http://img/p.jpg"},
                                        {"text", ""},
                                        {"remarkcount", "3"},
                                        {"zan", 3},
                                        {"iszan", "1"},
                                        {"isremark", 1}}));
        QCOMPARE(picture.pid, QStringLiteral("21"));
        QCOMPARE(picture.img, QStringLiteral("http://img/p.jpg!160"));
        QCOMPARE(picture.img_big, QStringLiteral("http://img/p.jpg"));
        QCOMPARE(picture.text, Picture::kDefaultCaption);
        QCOMPARE(picture.remarkCount, 3);
        QCOMPARE(picture.zanCount, 3);
        QCOMPARE(picture.iszan, 1);
        QCOMPARE(picture.isRemark, 1);

        // No address asks for no thumbnail; a caption is kept as sent.
        const Picture bare(objectOf({{"pid", 7}, {"text", "外滩"}}));
        QCOMPARE(bare.pid, QStringLiteral("7"));
        QVERIFY(bare.img.isEmpty());
        QCOMPARE(bare.text, QStringLiteral("外滩"));
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
