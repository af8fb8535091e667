// Preparing a picked photo for upload: a camera's sideways JPEG comes out upright and 600
// pixels wide; extreme shapes keep their proportions within the 4096-pixel limit; an
// unreadable file fails; a result for an earlier pick never lands after a newer pick.

#include "TestPhotos.h"
#include "ui/PhotoPreparation.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

class tst_PhotoPreparation : public QObject {
    Q_OBJECT
private slots:
    void sidewaysPhotoComesOutUpright();
    void extremeShapesKeepTheirProportions_data();
    void extremeShapesKeepTheirProportions();
    void onlyTheNewestPickLands();

private:
    QUrl write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return QUrl::fromLocalFile(file.fileName());
    }
    QUrl writePng(const QString &name, const QSize &size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkMagenta);
        const QString path = dir_.filePath(name);
        return image.save(path) ? QUrl::fromLocalFile(path) : QUrl();
    }

    QTemporaryDir dir_;
};

void tst_PhotoPreparation::sidewaysPhotoComesOutUpright()
{
    const QUrl file = write("camera.jpg", TestPhotos::sidewaysJpeg(QSize(400, 800)));
    PhotoPreparation preparation;
    QSignalSpy prepared(&preparation, &PhotoPreparation::prepared);
    preparation.start(file);
    QVERIFY(preparation.isBusy());
    QVERIFY(prepared.wait());
    QVERIFY(!preparation.isBusy());
    const QImage image = prepared.at(0).at(0).value<QImage>();
    QCOMPARE(image.size(), QSize(600, 1200));
    QVERIFY(TestPhotos::isUpright(image));
    // What is sent decodes to the same upright picture, with no orientation left to apply.
    const QImage sent = QImage::fromData(prepared.at(0).at(1).toByteArray(), "JPEG");
    QCOMPARE(sent.size(), QSize(600, 1200));
    QVERIFY(TestPhotos::isUpright(sent));
}

void tst_PhotoPreparation::extremeShapesKeepTheirProportions_data()
{
    QTest::addColumn<QSize>("picked");
    QTest::newRow("tall") << QSize(600, 3000);
    QTest::newRow("wide") << QSize(3000, 600);
    QTest::newRow("past the limit when 600 wide") << QSize(100, 5000);
}

void tst_PhotoPreparation::extremeShapesKeepTheirProportions()
{
    QFETCH(QSize, picked);
    const PhotoPreparation::Photo photo =
        PhotoPreparation::prepare(writePng(QStringLiteral("shape.png"), picked));
    QVERIFY(!photo.isNull());
    const QSize sent = QImage::fromData(photo.jpeg, "JPEG").size();
    QVERIFY(sent.width() <= 600 && sent.height() <= 4096);
    QVERIFY(sent.width() == 600 || sent.height() == 4096);
    // Proportions kept to the rounding of one pixel.
    QVERIFY2(
        std::abs(double(sent.width()) * picked.height() / picked.width() - sent.height()) <= 1
            || std::abs(double(sent.height()) * picked.width() / picked.height() - sent.width())
                   <= 1,
        qPrintable(QStringLiteral("%1x%2").arg(sent.width()).arg(sent.height())));
}

void tst_PhotoPreparation::onlyTheNewestPickLands()
{
    const QUrl first = writePng(QStringLiteral("first.png"), QSize(3000, 2000));
    const QUrl second = writePng(QStringLiteral("second.png"), QSize(300, 300));
    PhotoPreparation preparation;
    QSignalSpy prepared(&preparation, &PhotoPreparation::prepared);
    QSignalSpy failed(&preparation, &PhotoPreparation::failed);
    preparation.start(first);
    preparation.start(second);
    QVERIFY(prepared.wait());
    // The first pick's work ends too, and is dropped.
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(50);
    QCOMPARE(prepared.size(), 1);
    QCOMPARE(prepared.at(0).at(0).value<QImage>().size(), QSize(600, 600));

    // A pick cancelled (the form cleared) lands nowhere; a file that is no picture fails.
    preparation.start(first);
    preparation.cancel();
    preparation.start(write(QStringLiteral("notes.jpg"), "not a picture"));
    QVERIFY(failed.wait());
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(50);
    QCOMPARE(prepared.size(), 1);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("无法读取这张图片"));
}

QTEST_GUILESS_MAIN(tst_PhotoPreparation)
#include "tst_photopreparation.moc"
