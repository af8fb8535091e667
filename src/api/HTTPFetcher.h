#pragma once
// One HTTP call: started once, closed once, and its receiver called back exactly
// once unless the call was cancelled or the receiver is gone. The base of the
// JSON and upload requests; used alone for a plain GET.

#include <QByteArray>
#include <QHash>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class AppContext;
class QNetworkReply;
class QTimer;

class HTTPFetcher : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(HTTPFetcher *fetcher)>;

    // A larger body, before or after inflating, fails the call.
    static constexpr qsizetype kMaxBodyBytes = 32 * 1024 * 1024;
    static inline const QString kNetworkFailure = QStringLiteral("网络连接失败");

    // A plain GET of `urlString` with no headers added.
    HTTPFetcher(AppContext &context, const QString &urlString, QObject *receiver, Action action);
    // Cancels a call still running: the receiver is not called.
    ~HTTPFetcher() override;

    void start();
    // Forgets the receiver, then closes.
    void cancel();
    bool isRunning() const { return reply_ != nullptr; }

    const QNetworkRequest &urlRequest() const { return request_; }
    const QByteArray &method() const { return method_; }
    const QByteArray &requestBody() const { return body_; }
    // The reply body (inflated); released right after the callback.
    const QByteArray &data() const { return data_; }
    const QHash<QString, QString> &responseHeaderFields() const { return responseHeaderFields_; }
    int failureCode() const { return failureCode_; }
    int status() const { return status_; }
    QString message() const { return message_; }

    // Seconds; 0 or less means the network's default of 20 seconds.
    double timeoutInterval() const { return timeoutInterval_; }
    void setTimeoutInterval(double seconds) { timeoutInterval_ = seconds; }

signals:
    // Bytes of the request body handed to the network so far, of `total`.
    void uploadProgress(qint64 sent, qint64 total);

protected:
    // `receiver` guards the callback: it never runs once the receiver is gone.
    HTTPFetcher(AppContext &context, QNetworkRequest request, QByteArray method, QByteArray body,
                QObject *receiver, Action action);

    AppContext &context() const { return context_; }
    // The request before `start`, for the subclasses' headers.
    QNetworkRequest &mutableRequest() { return request_; }
    // Runs when the body is complete, before the receiver is called.
    virtual void processReply() {}
    // Drops what was decoded for the callback.
    virtual void releaseResult() {}
    void setStatus(int status) { status_ = status; }
    void setMessage(const QString &message) { message_ = message; }
    // Asks for gzip and inflates the body here, with the size cap.
    void setDecodesGzip();
    // The time-out counts only time in which the body makes no progress: a large body on
    // a slow uplink is not given up while it still moves (the server would store it, and
    // a retry would store it twice).
    void setTimesOutOnlyWhenStalled() { timesOutOnlyWhenStalled_ = true; }

private:
    void onMetaDataChanged();
    void onReadyRead();
    void onFinished();
    void onUploadProgress(qint64 sent, qint64 total);
    void startTimeout();
    void fail();
    void close();
    bool appendBody(const QByteArray &bytes);

    AppContext &context_;
    QNetworkRequest request_;
    QByteArray method_;
    QByteArray body_;
    QPointer<QObject> receiver_;
    bool guardedByReceiver_;
    Action action_;
    QNetworkReply *reply_ = nullptr;
    QTimer *timeoutTimer_;
    QByteArray data_;
    QHash<QString, QString> responseHeaderFields_;
    int failureCode_ = 0;
    int status_ = 0;
    QString message_;
    double timeoutInterval_ = 0;
    bool decodesGzip_ = false;
    bool timesOutOnlyWhenStalled_ = false;
    qint64 bytesSent_ = 0;
    bool started_ = false;
    bool closed_ = false;
};
