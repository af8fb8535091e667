#include "HTTPFetcher.h"

#include "GzipInflater.h"
#include "platform/AppContext.h"
#include "platform/LogCategories.h"
#include "platform/NetworkAccess.h"

#include <QNetworkReply>
#include <QTimer>

HTTPFetcher::HTTPFetcher(AppContext &context, const QString &urlString, QObject *receiver,
                         Action action)
    : HTTPFetcher(context, QNetworkRequest(QUrl(urlString)), QByteArrayLiteral("GET"), {}, receiver,
                  std::move(action))
{
}

HTTPFetcher::HTTPFetcher(AppContext &context, QNetworkRequest request, QByteArray method,
                         QByteArray body, QObject *receiver, Action action)
    : context_(context), request_(std::move(request)), method_(std::move(method)),
      body_(std::move(body)), receiver_(receiver), guardedByReceiver_(receiver != nullptr),
      action_(std::move(action)), timeoutTimer_(new QTimer(this))
{
    // The session cookie is the layer's own; the server's cookies never replace it.
    request_.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request_.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    timeoutTimer_->setSingleShot(true);
    connect(timeoutTimer_, &QTimer::timeout, this, [this] {
        qCInfo(lcNet) << "timed out:" << request_.url().path();
        fail();
    });
}

HTTPFetcher::~HTTPFetcher()
{
    cancel();
}

void HTTPFetcher::setDecodesGzip()
{
    decodesGzip_ = true;
    request_.setRawHeader("Accept-Encoding", "gzip");
}

void HTTPFetcher::start()
{
    if (started_ || closed_)
        return;
    started_ = true;
    auto &manager = context_.network().manager();
    reply_ = manager.sendCustomRequest(request_, method_, body_);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &HTTPFetcher::onMetaDataChanged);
    connect(reply_, &QNetworkReply::readyRead, this, &HTTPFetcher::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &HTTPFetcher::onFinished);
    connect(reply_, &QNetworkReply::uploadProgress, this, &HTTPFetcher::onUploadProgress);
    startTimeout();
}

void HTTPFetcher::startTimeout()
{
    const double seconds =
        timeoutInterval_ > 0 ? timeoutInterval_ : context_.network().defaultTimeout();
    timeoutTimer_->start(std::chrono::milliseconds(qint64(seconds * 1000)));
}

void HTTPFetcher::onUploadProgress(qint64 sent, qint64 total)
{
    if (sent <= bytesSent_)
        return;
    bytesSent_ = sent;
    if (timesOutOnlyWhenStalled_)
        startTimeout();
    // Qt reports a body-less request as 0 of 0.
    if (total > 0)
        emit uploadProgress(sent, total);
}

void HTTPFetcher::cancel()
{
    receiver_.clear();
    action_ = nullptr;
    close();
}

void HTTPFetcher::onMetaDataChanged()
{
    responseHeaderFields_.clear();
    for (const auto &[name, value] : reply_->rawHeaderPairs())
        responseHeaderFields_.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    const int httpStatus = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (httpStatus >= 400) {
        failureCode_ = httpStatus;
        qCInfo(lcNet) << "HTTP" << httpStatus << "for" << request_.url().path();
        // No reply to read; the common alert gets a text rather than nothing.
        message_ = kNetworkFailure;
        close();
        return;
    }
    const qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (length > kMaxBodyBytes) {
        qCInfo(lcNet) << "reply too large:" << length << "bytes";
        fail();
        return;
    }
    if (length > 0)
        data_.reserve(qsizetype(length));
}

void HTTPFetcher::onReadyRead()
{
    if (!appendBody(reply_->readAll()))
        fail();
}

bool HTTPFetcher::appendBody(const QByteArray &bytes)
{
    if (data_.size() + bytes.size() > kMaxBodyBytes) {
        qCInfo(lcNet) << "reply over" << kMaxBodyBytes << "bytes";
        return false;
    }
    data_.append(bytes);
    return true;
}

void HTTPFetcher::onFinished()
{
    if (!reply_)
        return;
    if (failureCode_ == 0) {
        const int httpStatus = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (httpStatus >= 400) {
            onMetaDataChanged();
            return;
        }
    }
    if (reply_->error() != QNetworkReply::NoError) {
        qCInfo(lcNet) << "request failed:" << reply_->errorString();
        fail();
        return;
    }
    if (!appendBody(reply_->readAll())) {
        fail();
        return;
    }
    if (decodesGzip_ && reply_->rawHeader("Content-Encoding").trimmed().toLower() == "gzip") {
        auto inflated = GzipInflater::inflate(data_, kMaxBodyBytes);
        if (!inflated) {
            qCInfo(lcNet) << "the gzip body is damaged or too large";
            fail();
            return;
        }
        data_ = std::move(*inflated);
    }
    // The transfer is over; what follows must not see network events any more.
    timeoutTimer_->stop();
    disconnect(reply_, nullptr, this, nullptr);
    processReply();
    close();
}

void HTTPFetcher::fail()
{
    status_ = 0;
    message_ = kNetworkFailure;
    data_.clear();
    close();
}

void HTTPFetcher::close()
{
    if (closed_)
        return;
    closed_ = true;
    timeoutTimer_->stop();
    if (reply_) {
        QNetworkReply *reply = reply_;
        reply_ = nullptr;
        disconnect(reply, nullptr, this, nullptr);
        // Not at once: this may run inside the reply's own signal, while the
        // network stack is still delivering.
        QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        reply->deleteLater();
    }
    const Action action = std::move(action_);
    action_ = nullptr;
    const bool receiverAlive = !guardedByReceiver_ || receiver_;
    receiver_.clear();
    // The receiver may delete this object in its callback.
    const QPointer<HTTPFetcher> self(this);
    if (action && receiverAlive)
        action(this);
    if (self) {
        data_.clear();
        data_.squeeze();
        releaseResult();
    }
}
