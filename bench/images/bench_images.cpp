// Showing an avatar (100 x 100 JPEG) and a photo (640 x 480 JPEG) through the image
// loader from the memory cache and from the disk cache, beside a bare QImageReader
// decode of the same file.

#include "platform/NotificationCenter.h"
#include "ui/SDImageCache.h"
#include "ui/SDWebImageManager.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    NotificationCenter notifications;
    QNetworkAccessManager network;
    SDImageCache cache{dir.path()};
    SDWebImageManager manager{&cache, &network, &notifications};
    QObject requester;

    // A photo-like picture: gradients and noise, so that JPEG has real work to do.
    static QByteArray makeJpeg(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, width, height);
        gradient.setColorAt(0, QColor(40, 10, 90));
        gradient.setColorAt(1, QColor(230, 60, 160));
        painter.fillRect(image.rect(), gradient);
        QRandomGenerator random(42);
        for (int i = 0; i < width * height / 20; ++i)
            image.setPixel(random.bounded(width), random.bounded(height), random.generate());
        painter.end();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 90);
        return bytes;
    }

    QString store(const QString &key, int width, int height)
    {
        const QByteArray bytes = makeJpeg(width, height);
        cache.storeImage(QImage::fromData(bytes), bytes, key, true);
        cache.waitForDiskQueues();
        return cache.cachePathForKey(key);
    }
};

Fixture *fixture;

const QString kAvatar = QStringLiteral("http://img.example/avatar.jpg!100");
const QString kPhoto = QStringLiteral("http://img.example/photo.jpg");

const QString &keyFor(int which)
{
    return which == 0 ? kAvatar : kPhoto;
}

void BM_MemoryHit(benchmark::State &state)
{
    const QString &key = keyFor(int(state.range(0)));
    fixture->cache.imageFromKey(key); // warm
    for (auto _ : state) {
        QImage shown;
        fixture->manager.downloadWithURL(
            key, &fixture->requester,
            [&shown](const QImage &image, const QString &) { shown = image; });
        benchmark::DoNotOptimize(shown);
    }
}

void BM_DiskHit(benchmark::State &state)
{
    const QString &key = keyFor(int(state.range(0)));
    QEventLoop loop;
    for (auto _ : state) {
        state.PauseTiming();
        fixture->cache.clearMemory();
        state.ResumeTiming();
        QImage shown;
        fixture->manager.downloadWithURL(key, &fixture->requester,
                                         [&](const QImage &image, const QString &) {
                                             shown = image;
                                             loop.quit();
                                         });
        loop.exec();
        benchmark::DoNotOptimize(shown);
    }
}

void BM_BareDecode(benchmark::State &state)
{
    const QString path = fixture->cache.cachePathForKey(keyFor(int(state.range(0))));
    for (auto _ : state) {
        QImageReader reader(path);
        QImage image = reader.read();
        benchmark::DoNotOptimize(image);
    }
}

} // namespace

BENCHMARK(BM_MemoryHit)->Arg(0)->Arg(1)->ArgNames({"photo"});
BENCHMARK(BM_DiskHit)->Arg(0)->Arg(1)->ArgNames({"photo"})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareDecode)->Arg(0)->Arg(1)->ArgNames({"photo"})->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Fixture f;
    fixture = &f;
    f.store(kAvatar, 100, 100);
    f.store(kPhoto, 640, 480);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
