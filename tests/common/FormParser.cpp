#include "FormParser.h"

namespace FormParser {

namespace {
QString decode(QByteArray text)
{
    text.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}
} // namespace

QList<QPair<QString, QString>> parse(const QByteArray &body)
{
    QList<QPair<QString, QString>> pairs;
    for (const QByteArray &part : body.split('&')) {
        if (part.isEmpty())
            continue;
        const qsizetype equals = part.indexOf('=');
        if (equals < 0)
            pairs.append({decode(part), QString()});
        else
            pairs.append({decode(part.left(equals)), decode(part.mid(equals + 1))});
    }
    return pairs;
}

QByteArray partOf(const QByteArray &contentType, const QByteArray &body, const QByteArray &name)
{
    const QByteArray boundary = contentType.split('=').last();
    const qsizetype header = body.indexOf("name=\"" + name + "\"");
    if (boundary.isEmpty() || header < 0)
        return {};
    const qsizetype start = body.indexOf("\r\n\r\n", header) + 4;
    return body.mid(start, body.indexOf("\r\n--" + boundary, start) - start);
}

bool hasPart(const QByteArray &body, const QByteArray &name)
{
    return body.contains("name=\"" + name + "\"");
}

} // namespace FormParser
