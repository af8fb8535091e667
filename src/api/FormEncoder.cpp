#include "FormEncoder.h"

#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace FormEncoder {

namespace {
bool isKeptAsIs(unsigned char byte)
{
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')
        || (byte >= '0' && byte <= '9'))
        return true;
    static constexpr char kKept[] = "-_.!~*'();/?:@$,";
    return byte != 0 && std::char_traits<char>::find(kKept, sizeof(kKept) - 1, char(byte));
}

QByteArray orDefault(const QString &text, const char *fallback)
{
    return text.isEmpty() ? QByteArray(fallback) : text.toUtf8();
}
} // namespace

QByteArray escape(const QString &text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isKeptAsIs(byte)) {
            out.append(c);
        } else {
            out.append('%');
            out.append(kHex[byte >> 4]);
            out.append(kHex[byte & 0xF]);
        }
    }
    return out;
}

QByteArray formBody(const QVariantMap &parameters)
{
    QByteArray body;
    for (auto it = parameters.begin(); it != parameters.end(); ++it) {
        if (!body.isEmpty())
            body.append('&');
        body.append(escape(it.key()));
        body.append('=');
        body.append(escape(it.value().toString()));
    }
    return body;
}

QByteArray cookie(const SettingsStore &settings)
{
    return "token=" + settings.string(SettingsKeys::loginToken).toUtf8()
           + "; sheng=" + orDefault(settings.string(SettingsKeys::sheng), "0")
           + "; shi=" + orDefault(settings.string(SettingsKeys::shi), "0")
           + "; lat=" + orDefault(settings.string(SettingsKeys::latitude), "0")
           + "; lng=" + orDefault(settings.string(SettingsKeys::longitude), "0");
}

QByteArray multipartBody(const QVariantMap &parameters, const QByteArray &boundary,
                         const QString &fileStem)
{
    QByteArray body;
    for (auto it = parameters.begin(); it != parameters.end(); ++it) {
        body.append("--" + boundary + "\r\n");
        if (it.key() == QLatin1String("file")) {
            const QVariantMap file = it.value().toMap();
            const QString field = file.isEmpty() ? QString() : file.firstKey();
            body.append("Content-Disposition: form-data; name=\"" + field.toUtf8()
                        + "\"; filename=\"" + fileStem.toUtf8()
                        + ".jpg\"\r\nContent-Type: image/jpeg\r\n\r\n");
            body.append(file.isEmpty() ? QByteArray() : file.first().toByteArray());
        } else {
            body.append("Content-Disposition: form-data; name=\"" + it.key().toUtf8()
                        + "\"\r\n\r\n");
            body.append(it.value().toString().toUtf8());
        }
        body.append("\r\n");
    }
    if (!parameters.isEmpty())
        body.append("--" + boundary + "--");
    return body;
}

} // namespace FormEncoder
