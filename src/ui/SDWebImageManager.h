#pragma once
// Matches requesters with cache lookups and downloads: one download per address however
// many wait for it, addresses that gave no image not asked for again during the run.

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QUrl>
#include <functional>
#include <vector>

class AppContext;
class NotificationCenter;
class QNetworkAccessManager;
class SDImageCache;
class SDWebImageDownloader;

class SDWebImageManager : public QObject {
    Q_OBJECT
public:
    enum Option {
        RetryFailed = 1, // ask again even after bytes that were no image, never remember
        LowPriority = 2, // the download may wait while the user scrolls
        CacheMemoryOnly = 4,
    };

    // What a requester hears: the image, or a null image and an error text.
    using Answer = std::function<void(const QImage &image, const QString &error)>;

    SDWebImageManager(SDImageCache *cache, QNetworkAccessManager *network,
                      NotificationCenter *notifications, QObject *parent = nullptr);
    ~SDWebImageManager() override;

    // The instance of the current application context.
    static SDWebImageManager *sharedManager();
    // Gives `context` its shared image cache (in its caches directory) and manager.
    static SDWebImageManager &install(AppContext &context);

    // The requester is identified by its address and forgotten when it is destroyed;
    // its answer comes on the main thread, at most once per request. Addresses other
    // than http and https (and empty ones) are ignored: no answer, no request.
    void downloadWithURL(const QUrl &url, QObject *requester, Answer answer, int options = 0);
    void downloadWithURL(const QString &url, QObject *requester, Answer answer, int options = 0);
    void cancelForDelegate(QObject *requester);
    // Memory or disk lookup, without the network.
    QImage imageWithURL(const QString &url);

    SDImageCache *imageCache() const { return cache_; }
    bool hasFailed(const QString &url) const { return failedURLs_.contains(url); }
    int runningDownloads() const { return int(downloaderForURL_.size()); }
    // Tests shorten the download time-out.
    void setDownloadTimeout(int milliseconds) { downloadTimeoutMs_ = milliseconds; }

private:
    struct Waiter {
        QObject *requester;
        QString key; // the address as text
        Answer answer;
        int options = 0;
        SDWebImageDownloader *downloader = nullptr;
    };

    void cacheDidAnswer(QObject *requester, const QString &key, int options, const QImage &image);
    std::vector<Waiter> takeWaitersOf(SDWebImageDownloader *downloader);
    void downloaderDidFinish(SDWebImageDownloader *downloader, const QImage &image);
    void downloaderDidFail(SDWebImageDownloader *downloader, const QString &error);
    void forgetDownloader(SDWebImageDownloader *downloader);
    void watch(QObject *requester);

    SDImageCache *cache_;
    QNetworkAccessManager *network_;
    QPointer<NotificationCenter> notifications_;
    std::vector<Waiter> cacheWaiters_;
    std::vector<Waiter> downloadWaiters_;
    QHash<QString, SDWebImageDownloader *> downloaderForURL_;
    QSet<QString> failedURLs_;
    QHash<QObject *, QMetaObject::Connection> watched_;
    int downloadTimeoutMs_;
};
