#include "SDWebImageDownloader.h"

#include "ImageDecoding.h"

#include "platform/NotificationCenter.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QImage decodeImage(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return ImageDecoding::read(reader);
}

} // namespace

SDWebImageDownloader::SDWebImageDownloader(const QUrl &url, int options, bool lowPriority,
                                           QNetworkAccessManager *network,
                                           NotificationCenter *notifications, QObject *parent)
    : QObject(parent), url_(url), options_(options), lowPriority_(lowPriority),
      notifications_(notifications)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setPriority(lowPriority ? QNetworkRequest::LowPriority
                                    : QNetworkRequest::NormalPriority);
    reply_ = network->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        timer_.start();
        imageData_.append(reply_->readAll());
        // No picture the client shows comes near this; more is a broken or hostile server.
        if (imageData_.size() > kMaxImageBytes) {
            imageData_.clear();
            stop();
            emit didFinishWithImage(this, QImage());
        }
    });
    connect(reply_, &QNetworkReply::finished, this, [this] {
        // A server that answered (even with an error page) delivered bytes that are judged
        // as an image; only a transfer that got no answer is a network failure.
        const bool answered = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (reply_->error() == QNetworkReply::NoError || answered)
            finish();
        else
            fail(reply_->errorString());
    });

    timer_.setSingleShot(true);
    timer_.setInterval(kTimeoutMs);
    connect(&timer_, &QTimer::timeout, this, [this] { fail(QStringLiteral("timed out")); });
    timer_.start();

    if (notifications_)
        notifications_->post(kStartNotification);
}

SDWebImageDownloader::~SDWebImageDownloader()
{
    cancel();
}

void SDWebImageDownloader::setLowPriority(bool lowPriority)
{
    lowPriority_ = lowPriority;
}

void SDWebImageDownloader::stop()
{
    timer_.stop();
    if (reply_) {
        QNetworkReply *reply = reply_;
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        if (notifications_)
            notifications_->post(kStopNotification);
    }
}

void SDWebImageDownloader::cancel()
{
    stop();
    // The worker finishes on its own; its result goes nowhere.
    decoding_.reset();
}

void SDWebImageDownloader::finish()
{
    imageData_.append(reply_->readAll());
    decoding_ = std::make_unique<QFutureWatcher<QImage>>();
    connect(decoding_.get(), &QFutureWatcher<QImage>::finished, this, [this] {
        // Not deleted while it is still emitting.
        QFutureWatcher<QImage> *watcher = decoding_.release();
        watcher->deleteLater();
        emit didFinishWithImage(this, watcher->result());
    });
    decoding_->setFuture(QtConcurrent::run(decodeImage, imageData_));
    // After the decode is set up, so that a cancel from an observer of the stop
    // notification also drops it.
    stop();
}

void SDWebImageDownloader::fail(const QString &error)
{
    stop();
    emit didFailWithError(this, error);
}
