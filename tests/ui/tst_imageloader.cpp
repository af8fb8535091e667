// The image loader against a loopback image host: one download per address, reused
// elements, bytes that are no image versus time-outs, and the cache's upkeep.

#include "LoopbackHttpServer.h"
#include "platform/AppContext.h"
#include "platform/NetworkAccess.h"
#include "platform/NotificationCenter.h"
#include "ui/SDImageCache.h"
#include "ui/SDWebImageDownloader.h"
#include "ui/SDWebImageManager.h"
#include "ui/ThemeImageProvider.h"
#include "ui/WebImage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

namespace {

QByteArray jpegOf(Qt::GlobalColor color, int size = 16)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

// Serves "/red…" and "/blue…" as JPEG, "/text" as a web page, "/stall" never; "slow" in
// a path delays the answer so that requests can pile up on one download.
class ImageHost : public QTcpServer {
public:
    ImageHost() { listen(QHostAddress::LocalHost); }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }
    QHash<QString, int> hits;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const QByteArray request = socket->readAll();
            const QString path = QString::fromLatin1(request.split(' ').value(1));
            ++hits[path];
            if (path.startsWith(QLatin1String("/stall")))
                return;
            QByteArray body = path.startsWith(QLatin1String("/red"))    ? jpegOf(Qt::red)
                              : path.startsWith(QLatin1String("/blue")) ? jpegOf(Qt::blue)
                                                                        : "<html>404</html>";
            QByteArray reply = "HTTP/1.1 200 OK\r\nContent-Length: "
                               + QByteArray::number(body.size()) + "\r\n\r\n" + body;
            const int delay = path.contains(QLatin1String("slow")) ? 150 : 0;
            QTimer::singleShot(delay, socket, [socket, reply] { socket->write(reply); });
        });
    }
};

QColor centreOf(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class ImageLoaderTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    std::unique_ptr<AppContext> context;
    NotificationCenter *notifications = nullptr;
    SDImageCache *cache = nullptr;
    SDWebImageManager *manager = nullptr;
    std::unique_ptr<ImageHost> host;

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        context = std::make_unique<AppContext>(AppContext::Options{dir.path(), {}, {}});
        notifications = &context->notifications();
        manager = &SDWebImageManager::install(*context);
        cache = manager->imageCache();
        QCOMPARE(SDWebImageManager::sharedManager(), manager);
        QCOMPARE(SDImageCache::sharedImageCache(), cache);
        host = std::make_unique<ImageHost>();
    }

    void cleanup()
    {
        cache->clearDisk();
        context.reset();
        host.reset();
    }

    void oneDownloadServesEveryRequester()
    {
        const QString url = host->url(QStringLiteral("/red-slow.jpg"));
        QObject first, second;
        QList<QImage> answers;
        auto collect = [&answers](const QImage &image, const QString &) { answers << image; };
        manager->downloadWithURL(url, &first, collect);
        manager->downloadWithURL(url, &second, collect);
        QTRY_COMPARE(answers.size(), 2);
        QCOMPARE(host->hits.value(QStringLiteral("/red-slow.jpg")), 1);
        QVERIFY(centreOf(answers[0]).red() > 200 && centreOf(answers[1]).red() > 200);
        QCOMPARE(manager->runningDownloads(), 0);

        // The downloaded bytes land on disk unchanged, under the MD5 of the address.
        cache->waitForDiskQueues();
        QFile file(cache->cachePathForKey(url));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), jpegOf(Qt::red));

        // A later request is a memory hit: answered at once, no new download.
        bool answered = false;
        manager->downloadWithURL(
            url, &first, [&](const QImage &image, const QString &) { answered = !image.isNull(); });
        QVERIFY(answered);
        QCOMPARE(host->hits.value(QStringLiteral("/red-slow.jpg")), 1);
    }

    void reusedElementShowsOnlyItsLatestAddress()
    {
        WebImage view;
        view.setImageWithURL(host->url(QStringLiteral("/red-slow.jpg")), QUrl());
        view.setImageWithURL(host->url(QStringLiteral("/blue.jpg")), QUrl());
        // Once no download runs, the red answer has come or never will.
        QTRY_VERIFY(view.loaded() && manager->runningDownloads() == 0);
        QVERIFY(centreOf(view.currentImage()).blue() > 200);
        QVERIFY(centreOf(view.currentImage()).red() < 60);
        QCOMPARE(view.url(), host->url(QStringLiteral("/blue.jpg")));
    }

    void onlyWebAddressesAreFetched_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind :
             {"empty", "suffix only", "local file", "inline data", "resource", "ftp"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void onlyWebAddressesAreFetched()
    {
        QFETCH(QString, kind);
        const QString local = dir.filePath(QStringLiteral("local.jpg"));
        QFile file(local);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jpegOf(Qt::red));
        file.close();
        const QHash<QString, QString> addresses = {
            {"empty", QString()},
            {"suffix only", QStringLiteral("!100")}, // an empty avatar with its size suffix
            {"local file", QUrl::fromLocalFile(local).toString()},
            {"inline data",
             "data:image/jpeg;base64," + QString::fromLatin1(jpegOf(Qt::red).toBase64())},
            {"resource", QStringLiteral("qrc:/Nuvora/images/common-ok-s.png")},
            {"ftp", host->url(QStringLiteral("/red.jpg")).replace("http:", "ftp:")},
        };
        int started = 0;
        QObject observer;
        notifications->addObserver(&observer, SDWebImageDownloader::kStartNotification,
                                   [&](const QVariant &) { ++started; });
        const QImage placeholderImage(QStringLiteral(":/Nuvora/images/common-ok-s.png"));
        QVERIFY(!placeholderImage.isNull());

        WebImage refused;
        refused.setImageWithURL(addresses.value(kind),
                                QUrl(QStringLiteral("qrc:/Nuvora/images/common-ok-s.png")));
        // A web address asked for afterwards: the disk lookups run in order, so by the time
        // its image arrives any download of the first would have started.
        WebImage control;
        control.setImageWithURL(host->url(QStringLiteral("/blue.jpg")), QUrl());
        QTRY_VERIFY(control.loaded());
        QCOMPARE(started, 1);
        QVERIFY(!refused.loaded());
        QCOMPARE(refused.currentImage(), placeholderImage);
        QCOMPARE(host->hits.keys(), QList<QString>({QStringLiteral("/blue.jpg")}));
    }

    void destroyedRequesterHearsNothingAndStopsItsDownload()
    {
        int stopNotifications = 0;
        QObject observer;
        notifications->addObserver(&observer, SDWebImageDownloader::kStopNotification,
                                   [&](const QVariant &) { ++stopNotifications; });
        bool called = false;
        {
            QObject requester;
            manager->downloadWithURL(host->url(QStringLiteral("/stall")), &requester,
                                     [&](const QImage &, const QString &) { called = true; });
            QTRY_COMPARE(manager->runningDownloads(), 1);
        }
        QCOMPARE(manager->runningDownloads(), 0);
        QCOMPARE(stopNotifications, 1);
        // With its download stopped, nothing is left that could answer it.
        QVERIFY(!called);
    }

    void bytesThatAreNoImageAreNotAskedForAgain()
    {
        const QString url = host->url(QStringLiteral("/text"));
        QObject requester;
        QString error;
        manager->downloadWithURL(url, &requester,
                                 [&](const QImage &, const QString &e) { error = e; });
        QTRY_VERIFY(!error.isEmpty());
        QVERIFY(manager->hasFailed(url));

        bool calledAgain = false;
        manager->downloadWithURL(url, &requester,
                                 [&](const QImage &, const QString &) { calledAgain = true; });
        QCOMPARE(manager->runningDownloads(), 0);

        // Unless the caller asks to retry; the refused request heard nothing meanwhile.
        bool retried = false;
        manager->downloadWithURL(
            url, &requester, [&](const QImage &, const QString &) { retried = true; },
            SDWebImageManager::RetryFailed);
        QTRY_VERIFY(retried);
        QVERIFY(!calledAgain);
        QCOMPARE(host->hits.value(QStringLiteral("/text")), 2);
    }

    void timedOutAddressIsTriedAgain()
    {
        manager->setDownloadTimeout(100);
        const QString url = host->url(QStringLiteral("/stall"));
        QObject requester;
        int failures = 0;
        auto onAnswer = [&](const QImage &image, const QString &) { failures += image.isNull(); };
        manager->downloadWithURL(url, &requester, onAnswer);
        QTRY_COMPARE(failures, 1);
        QVERIFY(!manager->hasFailed(url));
        manager->downloadWithURL(url, &requester, onAnswer);
        QTRY_COMPARE(failures, 2);
        QTRY_COMPARE(host->hits.value(QStringLiteral("/stall")), 2);
    }

    void slowBodiesArriveWhileStalledOnesTimeOut()
    {
        // Ten chunks 60 ms apart take longer than the 300 ms allowed, yet none of the gaps
        // does; the stalled body stops after two chunks.
        manager->setDownloadTimeout(300);
        LoopbackHttpServer server;
        ScriptedReply slow;
        slow.headers = {{"Content-Type", "image/jpeg"}};
        slow.body = jpegOf(Qt::red, 64);
        slow.chunkBytes = slow.body.size() / 10 + 1;
        slow.chunkIntervalMs = 60;
        ScriptedReply stalled = slow;
        stalled.stallAfterChunks = 2;
        server.setReply(QStringLiteral("/slow.jpg"), slow);
        server.setReply(QStringLiteral("/stalled.jpg"), stalled);

        struct Answer {
            bool arrived = false;
            QImage image;
            QString error;
        } slowAnswer, stalledAnswer;
        auto into = [](Answer &answer) {
            return [&answer](const QImage &image, const QString &error) {
                answer = {true, image, error};
            };
        };
        QObject requester;
        manager->downloadWithURL(server.baseUrl() + "/slow.jpg", &requester, into(slowAnswer));
        const QString stalledUrl = server.baseUrl() + "/stalled.jpg";
        manager->downloadWithURL(stalledUrl, &requester, into(stalledAnswer));
        QTRY_VERIFY(slowAnswer.arrived && stalledAnswer.arrived);
        QVERIFY(centreOf(slowAnswer.image).red() > 200);
        QVERIFY(stalledAnswer.image.isNull());
        QCOMPARE(stalledAnswer.error, QStringLiteral("timed out"));
        QVERIFY(!manager->hasFailed(stalledUrl));
    }

    void cancelledDownloadDeliversNoDecodedImage()
    {
        // Cancelled the moment the last bytes are in (from the stop notification): the
        // decode under way reaches nobody, while a download left alone delivers.
        QNetworkAccessManager &network = context->network().manager();
        SDWebImageDownloader cancelled(QUrl(host->url(QStringLiteral("/red.jpg"))), 0, false,
                                       &network, notifications);
        QSignalSpy cancelledFinished(&cancelled, &SDWebImageDownloader::didFinishWithImage);
        bool stopped = false;
        QObject observer;
        notifications->addObserver(&observer, SDWebImageDownloader::kStopNotification,
                                   [&](const QVariant &) {
                                       stopped = true;
                                       cancelled.cancel();
                                   });
        QTRY_VERIFY(stopped);
        notifications->removeObserver(&observer);

        SDWebImageDownloader control(QUrl(host->url(QStringLiteral("/blue.jpg"))), 0, false,
                                     &network, notifications);
        QSignalSpy controlFinished(&control, &SDWebImageDownloader::didFinishWithImage);
        QTRY_COMPARE(controlFinished.size(), 1);
        QVERIFY(centreOf(controlFinished.at(0).at(1).value<QImage>()).blue() > 200);
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(cancelledFinished.size(), 0);
    }

    void themePicturesComeInTheScreensDensity()
    {
        const QImage single = ThemeImageProvider::image(QStringLiteral("common-ok-s.png"), 1);
        const QImage doubled = ThemeImageProvider::image(QStringLiteral("common-ok-s.png"), 2);
        QCOMPARE(single.size(), QSize(32, 32));
        QCOMPARE(doubled.size(), QSize(64, 64));
        QCOMPARE(doubled.deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(ThemeImageProvider::image(QStringLiteral("menu-chat.jpg"), 2).size(),
                 QSize(640, 112));
        QVERIFY(ThemeImageProvider::image(QStringLiteral("no-such.png"), 2).isNull());

        // A view that sets a source size gets that many pixels.
        ThemeImageProvider provider;
        QSize original;
        QCOMPARE(provider.requestImage(QStringLiteral("common-ok-s.png"), &original, QSize(20, 20))
                     .size(),
                 QSize(20, 20));
        QCOMPARE(original, QSize(32, 32));

        // Placeholders named the views' way are drawn as before, one pixel per point.
        WebImage view;
        view.setPlaceholder(QUrl(QStringLiteral("image://nuvora/common-ok-s.png")));
        QCOMPARE(view.currentImage(), single);
    }

    void fileNamesAreTheMd5OfTheExactAddress()
    {
        QCOMPARE(SDImageCache::fileNameForKey(QStringLiteral("http://example.com/a.jpg")),
                 QStringLiteral("6c1fd52c961019f29e4aff02e2387768"));
        QCOMPARE(SDImageCache::fileNameForKey(QStringLiteral("http://example.com/a.jpg!100")),
                 QStringLiteral("a15f73d509e36142847d6d64c7b3f4d5"));
    }

    void cleanDiskKeepsOnlyTheLastWeek()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QImage image(4, 4, QImage::Format_RGB32);
        cache->storeImage(image, jpegOf(Qt::red), QStringLiteral("old"), true);
        cache->storeImage(image, jpegOf(Qt::red), QStringLiteral("recent"), true);
        cache->waitForDiskQueues();
        auto age = [&](const QString &key, qint64 seconds) {
            QFile file(cache->cachePathForKey(key));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(now.addSecs(-seconds), QFileDevice::FileModificationTime));
        };
        age(QStringLiteral("old"), SDImageCache::kMaxDiskAgeSeconds + 1);
        age(QStringLiteral("recent"), 6 * 24 * 3600);
        cache->cleanDisk(now);
        cache->waitForDiskQueues();
        QVERIFY(!QFile::exists(cache->cachePathForKey(QStringLiteral("old"))));
        QVERIFY(QFile::exists(cache->cachePathForKey(QStringLiteral("recent"))));
    }

    void memoryIsBoundedAndClearingWorks()
    {
        QImage big(512, 512, QImage::Format_ARGB32); // 1 MiB decoded
        big.fill(Qt::green);
        cache->setMemoryLimit(big.sizeInBytes() * 2);
        for (const char *key : {"a", "b", "c"})
            cache->storeImage(big, jpegOf(Qt::green), QLatin1String(key), true);
        QVERIFY(cache->memoryCost() <= big.sizeInBytes() * 2);
        QVERIFY(!cache->isInMemory(QStringLiteral("a"))); // least recently used left memory
        QVERIFY(cache->isInMemory(QStringLiteral("c")));
        cache->waitForDiskQueues();
        QVERIFY(!cache->imageFromKey(QStringLiteral("a")).isNull()); // still on disk

        cache->clearMemory();
        QCOMPARE(cache->memoryCost(), 0);
        QVERIFY(cache->imageFromKey(QStringLiteral("c"), false).isNull());
        cache->clearDisk();
        cache->waitForDiskQueues();
        QVERIFY(cache->imageFromKey(QStringLiteral("c")).isNull());
        QVERIFY(QDir(cache->diskCachePath()).exists());
    }
};

QTEST_MAIN(ImageLoaderTest)
#include "tst_imageloader.moc"
