#include "MultipartPOSTFetcher.h"

#include "FormEncoder.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"

#include <QUuid>

namespace {
QByteArray newBoundary()
{
    return QUuid::createUuid().toByteArray(QUuid::WithoutBraces).toUpper();
}
} // namespace

MultipartPOSTFetcher::MultipartPOSTFetcher(AppContext &context, const QString &baseAddress,
                                           const QString &interface, const QVariantMap &parameters,
                                           QObject *receiver, JSONAction action)
    : MultipartPOSTFetcher(context, baseAddress + interface, parameters, newBoundary(), receiver,
                           std::move(action))
{
}

MultipartPOSTFetcher::MultipartPOSTFetcher(AppContext &context, const QString &url,
                                           const QVariantMap &parameters,
                                           const QByteArray &boundary, QObject *receiver,
                                           JSONAction action)
    : JSONFetcher(
        context, QNetworkRequest(QUrl(url)), QByteArrayLiteral("POST"),
        FormEncoder::multipartBody(
            parameters, boundary,
            QString::asprintf("%.0f", double(context.clock().now().toMSecsSinceEpoch()) / 1000.0)),
        receiver, std::move(action)),
      boundary_(boundary)
{
    QNetworkRequest &request = mutableRequest();
    setDecodesGzip();
    setTimesOutOnlyWhenStalled();
    request.setRawHeader("Connection", "keep-alive");
    addSessionHeaders(context, request);
    request.setRawHeader("Content-Type", "multipart/form-data; boundary=" + boundary);
    request.setRawHeader("Content-Length", QByteArray::number(requestBody().size()));
}
