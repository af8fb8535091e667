#pragma once
// The shared image cache: decoded images in memory (least recently used leave past
// a byte budget), downloaded bytes on disk in "ImageCache" under MD5 file names.
// Disk reads and writes run on their own serial background queues; clearing and
// cleaning the disk run on the write queue, in order with the writes.

#include <QCache>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>

class SDImageCache : public QObject {
    Q_OBJECT
public:
    // Decoded pixels kept in memory before the least recently used images leave it.
    static constexpr qsizetype kDefaultMemoryLimit = 96 * 1024 * 1024;
    // Disk files older than this are deleted by cleanDisk().
    static constexpr qint64 kMaxDiskAgeSeconds = 7 * 24 * 3600;

    // `cachesDirectory` plays the role of the application's caches directory.
    explicit SDImageCache(const QString &cachesDirectory, QObject *parent = nullptr);
    ~SDImageCache() override;

    // The instance of the current application context.
    static SDImageCache *sharedImageCache();

    // Answers on the main thread with the image, or a null image when neither memory nor
    // disk has it. A memory hit answers synchronously. Nothing is delivered once
    // `context` is gone.
    void queryDiskCacheForKey(const QString &key, QObject *context,
                              std::function<void(const QImage &)> answer);
    QImage imageFromKey(const QString &key, bool fromDisk = true);

    void storeImage(const QImage &image, const QByteArray &imageData, const QString &key,
                    bool toDisk);
    // Without the downloaded bytes the image is written as JPEG at full quality.
    void storeImage(const QImage &image, const QString &key);
    void removeImageForKey(const QString &key);

    // Empties the memory and drops the disk writes not yet begun.
    void clearMemory();
    // Drops the writes not yet begun and deletes the cache's own files: the plain files
    // directly in its folder. Symbolic links, folders and anything outside stay.
    void clearDisk();
    // Deletes the cache's plain files last modified no later than a week before `now`.
    void cleanDisk(const QDateTime &now = QDateTime::currentDateTimeUtc());
    // Runs `done` on the main thread, while `receiver` lives, once the disk work queued so
    // far (writes, clearing, cleaning) has finished.
    void afterDiskWork(QObject *receiver, std::function<void()> done);

    QString diskCachePath() const { return diskCachePath_; }
    QString cachePathForKey(const QString &key) const;
    static QString fileNameForKey(const QString &key);

    void setMemoryLimit(qsizetype bytes);
    qsizetype memoryCost() const { return memCache_.totalCost(); }
    bool isInMemory(const QString &key) const { return memCache_.contains(key); }
    // Blocks until the queued disk reads and writes are done (tests, shutdown).
    void waitForDiskQueues();

private:
    void insertIntoMemory(const QString &key, const QImage &image);
    void queueWrite(const QString &key, std::function<QByteArray()> bytes);
    // Deletes the plain files of the cache folder that `expired` picks.
    void queueDeletion(std::function<bool(const QFileInfo &)> expired);

    QString diskCachePath_;
    QCache<QString, QImage> memCache_;
    QThreadPool cacheInQueue_;
    QThreadPool cacheOutQueue_;
    // A write queued under an older generation is dropped when its turn comes.
    std::atomic<quint64> writeGeneration_ = 0;
};
