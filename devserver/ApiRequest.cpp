#include "ApiRequest.h"

#include <cmath>

namespace nuvora::devserver {

void ApiRequest::applyCookie(const QByteArray &cookie)
{
    for (const QByteArray &piece : cookie.split(';')) {
        const qsizetype eq = piece.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = piece.left(eq).trimmed();
        const QString value = QString::fromUtf8(piece.mid(eq + 1).trimmed());
        if (key == "token")
            token = value;
        else if (key == "sheng")
            sheng = value.toInt();
        else if (key == "shi")
            shi = value.toInt();
        else if (key == "lat")
            lat = value.toDouble();
        else if (key == "lng")
            lng = value.toDouble();
    }
}

std::optional<qint64> ApiRequest::integer(const QString &name) const
{
    bool ok = false;
    const qint64 value = text(name).trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<double> ApiRequest::real(const QString &name) const
{
    bool ok = false;
    const double value = text(name).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ApiRequest::page() const
{
    if (!has(QStringLiteral("page")))
        return 1;
    const auto value = integer(QStringLiteral("page"));
    if (!value || *value < 1 || *value > 100000)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<qint64> ApiRequest::feedCursor() const
{
    if (!has(QStringLiteral("feedid")) || text(QStringLiteral("feedid")).isEmpty())
        return 0;
    const auto value = integer(QStringLiteral("feedid"));
    if (!value || *value < 0)
        return std::nullopt;
    return *value;
}

} // namespace nuvora::devserver
