// The club album: pages of photos three to a row, the tap that opens the viewer over the
// whole album, places without a photo, refresh and load-more.

#include "ClientTestContext.h"
#include "model/Picture.h"
#include "platform/NavigationController.h"
#include "screens/venues/VenueAlbumsViewController.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

QByteArray photosReply(int count, int firstId = 1)
{
    QByteArray photos;
    for (int i = 0; i < count; ++i) {
        photos += (i ? "," : "")
                  + QStringLiteral(R"({"cpid":"%1","img":"img.nuvora.cn/p%1.jpg"})")
                        .arg(firstId + i)
                        .toUtf8();
    }
    return R"({"status":1,"message":"","clubphotos":[)" + photos + "]}";
}

} // namespace

class ClubAlbumTest : public QObject {
    Q_OBJECT
private slots:
    void photosThreeToARow()
    {
        ClientTestContext test;
        test.replyFixture("club_photo.php", "club_photo_31.json");
        VenueAlbumsViewController *album = show(test, 31);
        QTRY_COMPARE(album->records()->count(), 18);
        QCOMPARE(test.lastFormOf("club_photo.php"),
                 (QList<QPair<QString, QString>>{{"clid", "31"}, {"page", "1"}}));
        QCOMPARE(album->grid()->rowCount(), 6);
        const Picture first = *album->records()->recordAt<Picture>(0);
        QCOMPARE(first.img, first.img_big + QStringLiteral("!200"));

        album->pictureTapped(5, 2);
        QCOMPARE(test.router().last(), QStringLiteral("photoViewer 18 of 18"));
        QCOMPARE(test.router().lastPhotoAddresses.first(), first.img_big);
    }

    void lastRowAndPaging()
    {
        ClientTestContext test;
        test.reply("club_photo.php", ScriptedReply::json(photosReply(7)));
        VenueAlbumsViewController *album = show(test, 9);
        QTRY_COMPARE(album->records()->count(), 7);
        QCOMPARE(album->grid()->rowCount(), 3);
        QCOMPARE(album->grid()->data(album->grid()->index(2), Qt::UserRole).toList().size(), 1);

        // An empty place of the last row does nothing.
        album->pictureTapped(2, 1);
        album->pictureTapped(3, 0);
        QVERIFY(test.router().opened.isEmpty());
        album->pictureTapped(2, 0);
        QCOMPARE(test.router().last(), QStringLiteral("photoViewer 7 of 7"));

        test.reply("club_photo.php", ScriptedReply::json(photosReply(2, 8)));
        album->loadMore();
        QTRY_COMPARE(album->records()->count(), 9);
        QCOMPARE(test.lastFormOf("club_photo.php").at(1).second, QStringLiteral("2"));
        QCOMPARE(album->grid()->rowCount(), 3);

        test.reply("club_photo.php", ScriptedReply::json(photosReply(0)));
        album->loadMore();
        QTRY_VERIFY(!album->canLoadMore());

        test.reply("club_photo.php", ScriptedReply::json(photosReply(4, 20)));
        album->refresh();
        QTRY_COMPARE(album->records()->count(), 4);
        QCOMPARE(test.lastFormOf("club_photo.php").at(1).second, QStringLiteral("1"));
        QCOMPARE(album->grid()->rowCount(), 2);
        QVERIFY(album->canLoadMore());
    }

private:
    VenueAlbumsViewController *show(ClientTestContext &test, int clid)
    {
        auto *album = VenueAlbumsViewController::ofClub(test.context(), Club::withId(clid));
        new QAbstractItemModelTester(album->grid(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest, album);
        new QAbstractItemModelTester(album->records(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest, album);
        test.context().navigation().setViewControllers({album}, false);
        return album;
    }
};

QTEST_MAIN(ClubAlbumTest)
#include "tst_clubalbum.moc"
