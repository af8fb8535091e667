#pragma once
// Reads an application/x-www-form-urlencoded body the way standard form parsers
// do ("+" is a space, %XX a byte), to check what a server would see.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace FormParser {

QList<QPair<QString, QString>> parse(const QByteArray &body);

} // namespace FormParser
