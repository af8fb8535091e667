// A photo upload against the stand-in server: a camera's sideways JPEG picked in the form
// the router opens, sent with its caption, stored; fetched back from the demo account's
// album and the image host, it is upright and 600 pixels wide.

#include "ApiTestClient.h"
#include "DemoSignIn.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "TestPhotos.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/photos/PictureUploadViewController.h"
#include "ui/Router.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class UploadE2ETest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }

    void uploadedPhotoArrivesUpright()
    {
        TestContext test(QUrl(server_.webHost()));
        AppContext &context = test.context();
        ApiTestClient api(server_.webHost());
        const ApiReply login = DemoSignIn::signIn(server_, context, api);
        QVERIFY2(login.status() == 1, qPrintable(login.message()));

        context.router().openPictureUpload();
        auto *screen =
            qobject_cast<PictureUploadViewController *>(context.navigation().topViewController());
        QVERIFY(screen);
        AlertPresenter &alerts = context.alerts();
        QTRY_VERIFY(alerts.isActionSheet());
        alerts.answer(1);
        QTemporaryDir dir;
        QFile file(dir.filePath("camera.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(TestPhotos::sidewaysJpeg(QSize(900, 1200)));
        file.close();
        screen->imagePicker()->chooseFile(QUrl::fromLocalFile(file.fileName()));
        QTRY_VERIFY(screen->hasPhoto());
        const QString caption = QStringLiteral("竖着拍的外滩 %1").arg(QTime::currentTime().msec());
        screen->composer()->textEdited(caption);
        screen->composer()->send();
        QTRY_VERIFY_WITH_TIMEOUT(alerts.alertTitle() == QStringLiteral("上传成功！"), 20000);

        // The newest photo of the demo account's album, as the album screen would read it.
        const ApiReply album = api.call("photo.php", {{"page", "1"}});
        QCOMPARE(album.status(), 1);
        QString address;
        for (const auto &photo : album["photos"].asArray()) {
            if (QString::fromStdString(photo["text"].toText()) == caption)
                address = QString::fromStdString(photo["img"].toText());
        }
        QVERIFY2(address.startsWith(server_.webHost()), qPrintable(address));
        const ApiReply stored = api.get(QUrl(address).path());
        QCOMPARE(stored.httpStatus, 200);
        const QImage image = QImage::fromData(stored.body);
        QCOMPARE(image.size(), QSize(600, 800));
        QVERIFY(TestPhotos::isUpright(image));
        context.navigation().setViewControllers({}, false);
    }

private:
    DevServerProcess server_;
};

QTEST_MAIN(UploadE2ETest)
#include "tst_upload_e2e.moc"
