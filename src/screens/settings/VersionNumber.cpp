#include "VersionNumber.h"

#include <QStringList>

#include <algorithm>

std::optional<QList<quint32>> VersionNumber::parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QList<quint32> parts;
    for (const QString &part : trimmed.split(QLatin1Char('.'))) {
        bool ok = false;
        // Digits only: toUInt would take a sign or blanks.
        const bool digits = !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        const quint32 value = part.toUInt(&ok);
        if (!digits || !ok)
            return std::nullopt;
        parts << value;
    }
    // Trailing zero parts say nothing: "2.0" is "2.0.0".
    while (parts.size() > 1 && parts.last() == 0)
        parts.removeLast();
    return parts;
}

bool VersionNumber::isNewer(const QString &offered, const QString &own)
{
    const auto theirs = parse(offered);
    const auto ours = parse(own);
    if (!theirs || !ours)
        return false;
    return *theirs > *ours;
}
