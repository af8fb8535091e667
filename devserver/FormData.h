#pragma once
// The fields and file parts of one request body, decoded from either form
// encoding the client uses (url-encoded or multipart).

#include <QByteArray>
#include <QMap>
#include <QString>

namespace nuvora::devserver {

class FormData {
public:
    // Decodes "a=1&b=2" with percent escapes, "+" standing for a space.
    static FormData fromUrlEncoded(const QByteArray &body);
    // Decodes a multipart body; a malformed one yields whatever parts were whole.
    static FormData fromMultipart(const QByteArray &body, const QByteArray &boundary);
    // Picks the decoder from the Content-Type header value.
    static FormData fromBody(const QByteArray &body, const QByteArray &contentType);

    QMap<QString, QString> fields;
    QMap<QString, QByteArray> files;

    // Later values of a repeated name replace earlier ones.
    void merge(const FormData &other);
};

} // namespace nuvora::devserver
