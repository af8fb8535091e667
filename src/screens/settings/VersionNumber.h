#pragma once
// Dotted version numbers ("2.0.10") compared part by part as numbers, so that 2.0.10
// is newer than 2.0.9 and "2.0" equals "2.0.0".

#include <QList>
#include <QString>

#include <optional>

namespace VersionNumber {

// The numeric parts; none for a text that is not digits separated by single dots.
std::optional<QList<quint32>> parse(const QString &text);
// Whether `offered` names a later version than `own`; false when either cannot be read,
// as nothing shows that it is newer.
bool isNewer(const QString &offered, const QString &own);

} // namespace VersionNumber
