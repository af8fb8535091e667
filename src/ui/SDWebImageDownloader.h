#pragma once
// One image download: a GET that ignores any local HTTP cache and gives up when no byte
// has come for 15 s. The bytes are decoded on a worker thread and the image delivered on
// the main thread. It announces its start and stop on the notification centre.

#include <QByteArray>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <memory>

class NotificationCenter;
class QNetworkAccessManager;
class QNetworkReply;

class SDWebImageDownloader : public QObject {
    Q_OBJECT
public:
    // Idle time: restarted by every chunk, so a large photo on a slow link still arrives.
    static constexpr int kTimeoutMs = 15000;
    static constexpr qsizetype kMaxImageBytes = 32 * 1024 * 1024;
    static inline const QString kStartNotification =
        QStringLiteral("SDWebImageDownloadStartNotification");
    static inline const QString kStopNotification =
        QStringLiteral("SDWebImageDownloadStopNotification");

    // Creates and starts the download.
    SDWebImageDownloader(const QUrl &url, int options, bool lowPriority,
                         QNetworkAccessManager *network, NotificationCenter *notifications,
                         QObject *parent = nullptr);
    ~SDWebImageDownloader() override;

    QUrl url() const { return url_; }
    // The options of the latest request that joined this download.
    int options() const { return options_; }
    void setOptions(int options) { options_ = options; }
    bool lowPriority() const { return lowPriority_; }
    void setLowPriority(bool lowPriority);
    const QByteArray &imageData() const { return imageData_; }

    // Stops the transfer, and drops a decode under way; no signal follows.
    void cancel();

    void setTimeoutInterval(int milliseconds) { timer_.setInterval(milliseconds); }

signals:
    // The bytes arrived; `image` is null when they are not an image.
    void didFinishWithImage(SDWebImageDownloader *downloader, const QImage &image);
    // Network error or time-out.
    void didFailWithError(SDWebImageDownloader *downloader, const QString &error);

private:
    void finish();
    void fail(const QString &error);
    void stop();

    QUrl url_;
    int options_;
    bool lowPriority_;
    QPointer<NotificationCenter> notifications_;
    QPointer<QNetworkReply> reply_;
    QByteArray imageData_;
    QTimer timer_;
    std::unique_ptr<QFutureWatcher<QImage>> decoding_;
};
