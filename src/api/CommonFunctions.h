#pragma once
// Small shared helpers: the client identification, the e-mail check, date
// re-formatting, relative time labels, image scaling and JPEG encoding.

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

class SettingsStore;

namespace CommonFunctions {

// "Nuvora/<version> device/<machine> iOS/<os version>", stored under
// "clientinfokey" (flushed) and returned.
QString getClientInfo(SettingsStore &settings);

// True when the text contains an e-mail address anywhere (not anchored).
bool validateEmail(const QString &text);

// Parses `text` with the date format `from` (local time). Two-digit years fall
// within 80 years before and 20 years after `now`. Invalid when it does not parse.
QDateTime parseDate(const QString &text, const QString &from,
                    const QDateTime &now = QDateTime::currentDateTime());

// `text` parsed with `from` and formatted with `to`; empty when it does not parse.
QString convertDate(const QString &text, const QString &from, const QString &to);

// "%d分钟前" below an hour, "%d小时前" below a day, "%d天前" below 28 days, else
// "MM月dd日". A text that does not parse counts as just now; a two-digit-year pattern
// also reads the server's four-digit years.
QString intervalSinceNow(const QString &text, const QString &formatter,
                         const QDateTime &now = QDateTime::currentDateTime());

// The image drawn into exactly `size`, aspect ratio not kept.
QImage scaleImage(const QImage &image, const QSize &size);

// The image as JPEG bytes of that quality (0 to 100); empty when it cannot be encoded.
QByteArray jpegData(const QImage &image, int quality);

} // namespace CommonFunctions
