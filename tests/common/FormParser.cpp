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

} // namespace FormParser
