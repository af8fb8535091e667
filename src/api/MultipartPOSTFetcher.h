#pragma once
// A multipart/form-data POST carrying one JPEG and text fields, with a JSON
// reply processed as any API call's.

#include "JSONFetcher.h"

class MultipartPOSTFetcher : public JSONFetcher {
    Q_OBJECT
public:
    // `parameters` may hold "file": a map of one field name to JPEG bytes.
    MultipartPOSTFetcher(AppContext &context, const QString &baseAddress, const QString &interface,
                         const QVariantMap &parameters, QObject *receiver, JSONAction action);

    QByteArray boundary() const { return boundary_; }

private:
    MultipartPOSTFetcher(AppContext &context, const QString &url, const QVariantMap &parameters,
                         const QByteArray &boundary, QObject *receiver, JSONAction action);

    QByteArray boundary_;
};
