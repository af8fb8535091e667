#pragma once
// Reads an application/x-www-form-urlencoded body the way standard form parsers
// do ("+" is a space, %XX a byte), and one part of a multipart body, to check what a
// server would see.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace FormParser {

QList<QPair<QString, QString>> parse(const QByteArray &body);
// The value of the part named `name` of a multipart body sent with `contentType`; empty
// when there is none.
QByteArray partOf(const QByteArray &contentType, const QByteArray &body, const QByteArray &name);
// Whether the multipart body has a part named `name`.
bool hasPart(const QByteArray &body, const QByteArray &name);

} // namespace FormParser
