#include "CommonFunctions.h"

#include "platform/DeviceInfo.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QBuffer>
#include <QRegularExpression>

#include <cmath>

namespace {

bool isTwoDigitYearPattern(const QString &pattern)
{
    return pattern.contains(QLatin1String("yy")) && !pattern.contains(QLatin1String("yyyy"));
}

} // namespace

namespace CommonFunctions {

QString getClientInfo(SettingsStore &settings)
{
    const QString info =
        QStringLiteral("Nuvora/%1 device/%2 iOS/%3")
            .arg(DeviceInfo::shortVersion(), DeviceInfo::machine(), DeviceInfo::osVersion());
    settings.setString(SettingsKeys::clientInfo, info);
    settings.flush();
    return info;
}

bool validateEmail(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern.match(text).hasMatch();
}

QDateTime parseDate(const QString &text, const QString &from, const QDateTime &now)
{
    QDateTime date = QDateTime::fromString(text, from);
    if (!date.isValid())
        return {};
    // Qt reads "yy" as 19yy; the phone's formatter uses a window around today.
    if (isTwoDigitYearPattern(from)) {
        const QDateTime earliest = now.addYears(-80);
        while (date < earliest)
            date = date.addYears(100);
    }
    return date;
}

QString convertDate(const QString &text, const QString &from, const QString &to)
{
    const QDateTime date = parseDate(text, from);
    return date.isValid() ? date.toString(to) : QString();
}

QString intervalSinceNow(const QString &text, const QString &formatter, const QDateTime &now)
{
    QDateTime date = parseDate(text, formatter, now);
    // The server writes four-digit years even where a caller's pattern has two.
    if (!date.isValid() && isTwoDigitYearPattern(formatter)) {
        QString fourDigitYears = formatter;
        fourDigitYears.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        date = parseDate(text, fourDigitYears, now);
    }
    const double seconds = date.isValid() ? double(date.msecsTo(now)) / 1000.0 : 0.0;
    const auto whole = qint64(std::trunc(seconds));
    if (seconds / 3600 < 1)
        return QStringLiteral("%1分钟前").arg(whole / 60);
    if (seconds / 86400 < 1)
        return QStringLiteral("%1小时前").arg(whole / 3600);
    if (seconds / 86400 < 28)
        return QStringLiteral("%1天前").arg(whole / 86400);
    return date.toString(QStringLiteral("MM月dd日"));
}

QImage scaleImage(const QImage &image, const QSize &size)
{
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QByteArray jpegData(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "JPEG", quality))
        bytes.clear();
    return bytes;
}

} // namespace CommonFunctions
