#include "SDImageCache.h"

#include "ImageDecoding.h"

#include "platform/AppContext.h"
#include "platform/LogCategories.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPointer>
#include <QSaveFile>

namespace {

QImage readImageFile(const QString &path)
{
    // A miss ends here: a reader given a missing path would try it with the suffix of
    // every image format there is, loading every format plugin to list them.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file);
    return ImageDecoding::read(reader);
}

} // namespace

SDImageCache::SDImageCache(const QString &cachesDirectory, QObject *parent)
    : QObject(parent), diskCachePath_(QDir(cachesDirectory).filePath(QStringLiteral("ImageCache"))),
      memCache_(kDefaultMemoryLimit)
{
    QDir().mkpath(diskCachePath_);
    cacheInQueue_.setMaxThreadCount(1);
    cacheOutQueue_.setMaxThreadCount(1);

    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationSuspended || state == Qt::ApplicationHidden)
                        clearMemory();
                });
    }
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [this] { cleanDisk(); });
}

SDImageCache::~SDImageCache()
{
    waitForDiskQueues();
}

SDImageCache *SDImageCache::sharedImageCache()
{
    AppContext *context = AppContext::current();
    return context && context->hasImageManager() ? &context->imageCache() : nullptr;
}

QString SDImageCache::fileNameForKey(const QString &key)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString SDImageCache::cachePathForKey(const QString &key) const
{
    return QDir(diskCachePath_).filePath(fileNameForKey(key));
}

void SDImageCache::insertIntoMemory(const QString &key, const QImage &image)
{
    // The cost is the decoded size, so the budget bounds what the process really holds.
    memCache_.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
}

void SDImageCache::queryDiskCacheForKey(const QString &key, QObject *context,
                                        std::function<void(const QImage &)> answer)
{
    if (key.isEmpty()) {
        answer(QImage());
        return;
    }
    if (const QImage *hit = memCache_.object(key)) {
        answer(*hit);
        return;
    }
    const QString path = cachePathForKey(key);
    // The destructor waits for this queue, so `this` outlives the read; an answer still
    // queued when the cache or the receiver goes away is dropped.
    QPointer<QObject> receiver(context);
    cacheOutQueue_.start([this, receiver, key, path, answer = std::move(answer)]() mutable {
        QImage image = readImageFile(path);
        QMetaObject::invokeMethod(
            this,
            [this, receiver, key, image = std::move(image), answer = std::move(answer)] {
                if (!image.isNull())
                    insertIntoMemory(key, image);
                if (receiver)
                    answer(image);
            },
            Qt::QueuedConnection);
    });
}

QImage SDImageCache::imageFromKey(const QString &key, bool fromDisk)
{
    if (key.isEmpty())
        return {};
    if (const QImage *hit = memCache_.object(key))
        return *hit;
    if (!fromDisk)
        return {};
    QImage image = readImageFile(cachePathForKey(key));
    if (!image.isNull())
        insertIntoMemory(key, image);
    return image;
}

void SDImageCache::queueWrite(const QString &key, std::function<QByteArray()> bytes)
{
    const QString path = cachePathForKey(key);
    const QString directory = diskCachePath_;
    const quint64 generation = writeGeneration_;
    cacheInQueue_.start([this, generation, path, directory, bytes = std::move(bytes)] {
        if (generation != writeGeneration_)
            return;
        QDir().mkpath(directory);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes()) < 0 || !file.commit())
            qCWarning(lcUi) << "image cache: cannot write" << path << file.errorString();
    });
}

void SDImageCache::storeImage(const QImage &image, const QByteArray &imageData, const QString &key,
                              bool toDisk)
{
    if (image.isNull() || key.isEmpty())
        return;
    insertIntoMemory(key, image);
    if (toDisk && !imageData.isEmpty())
        queueWrite(key, [imageData] { return imageData; });
}

void SDImageCache::storeImage(const QImage &image, const QString &key)
{
    if (image.isNull() || key.isEmpty())
        return;
    insertIntoMemory(key, image);
    queueWrite(key, [image] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 100);
        return bytes;
    });
}

void SDImageCache::removeImageForKey(const QString &key)
{
    if (key.isEmpty())
        return;
    memCache_.remove(key);
    QFile::remove(cachePathForKey(key));
}

void SDImageCache::clearMemory()
{
    ++writeGeneration_;
    memCache_.clear();
}

void SDImageCache::clearDisk()
{
    ++writeGeneration_;
    queueDeletion([](const QFileInfo &) { return true; });
}

void SDImageCache::cleanDisk(const QDateTime &now)
{
    const QDateTime expiry = now.addSecs(-kMaxDiskAgeSeconds);
    queueDeletion([expiry](const QFileInfo &file) { return file.lastModified() <= expiry; });
}

void SDImageCache::queueDeletion(std::function<bool(const QFileInfo &)> expired)
{
    const QString directory = diskCachePath_;
    cacheInQueue_.start([directory, expired = std::move(expired)] {
        // A cache folder replaced by a link leads elsewhere: nothing there is the cache's.
        if (QFileInfo(directory).isSymLink())
            return;
        QDirIterator files(directory, QDir::Files | QDir::Hidden | QDir::System);
        while (files.hasNext()) {
            files.next();
            const QFileInfo file = files.fileInfo();
            if (file.isSymLink() || !file.isFile() || !expired(file))
                continue;
            if (!QFile::remove(file.filePath()))
                qCWarning(lcUi) << "image cache: cannot delete" << file.filePath();
        }
        QDir().mkpath(directory);
    });
}

void SDImageCache::afterDiskWork(QObject *receiver, std::function<void()> done)
{
    QPointer<QObject> guard(receiver);
    cacheInQueue_.start([this, guard, done = std::move(done)] {
        QMetaObject::invokeMethod(
            this,
            [guard, done] {
                if (guard)
                    done();
            },
            Qt::QueuedConnection);
    });
}

void SDImageCache::setMemoryLimit(qsizetype bytes)
{
    memCache_.setMaxCost(bytes);
}

void SDImageCache::waitForDiskQueues()
{
    cacheOutQueue_.waitForDone();
    cacheInQueue_.waitForDone();
}
