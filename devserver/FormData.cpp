#include "FormData.h"

#include <QByteArrayView>

#include <cctype>
#include <charconv>

namespace nuvora::devserver {

namespace {

// The byte of a two-digit hex escape; -1 when the digits are not both hex.
int hexByte(const char *digits)
{
    unsigned value = 0;
    const auto parsed = std::from_chars(digits, digits + 2, value, 16);
    return parsed.ec == std::errc() && parsed.ptr == digits + 2 ? int(value) : -1;
}

// A broken escape ("%G1", "%4") is kept as it stands rather than dropped.
QString formDecode(QByteArrayView part)
{
    QByteArray out;
    out.reserve(part.size());
    for (qsizetype i = 0; i < part.size(); ++i) {
        const char c = part[i];
        if (c == '+') {
            out.append(' ');
        } else if (c == '%' && i + 2 < part.size() && hexByte(part.data() + i + 1) >= 0) {
            out.append(static_cast<char>(hexByte(part.data() + i + 1)));
            i += 2;
        } else {
            out.append(c);
        }
    }
    return QString::fromUtf8(out);
}

// The value of `name="..."` (or unquoted) in a header line such as Content-Disposition.
QByteArray headerParameter(const QByteArray &line, const QByteArray &name)
{
    const QByteArray lower = line.toLower();
    qsizetype from = 0;
    while (true) {
        const qsizetype at = lower.indexOf(name + '=', from);
        if (at < 0)
            return {};
        // Avoid matching "filename=" when looking for "name=".
        if (at > 0 && (std::isalnum(static_cast<unsigned char>(lower[at - 1])))) {
            from = at + 1;
            continue;
        }
        qsizetype start = at + name.size() + 1;
        if (start < line.size() && line[start] == '"') {
            const qsizetype end = line.indexOf('"', start + 1);
            return end < 0 ? line.mid(start + 1) : line.mid(start + 1, end - start - 1);
        }
        qsizetype end = line.indexOf(';', start);
        return (end < 0 ? line.mid(start) : line.mid(start, end - start)).trimmed();
    }
}

} // namespace

FormData FormData::fromUrlEncoded(const QByteArray &body)
{
    FormData form;
    for (const QByteArray &pair : body.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype eq = pair.indexOf('=');
        const QByteArrayView view(pair);
        const QString key = formDecode(eq < 0 ? view : view.first(eq));
        const QString value = eq < 0 ? QString() : formDecode(view.sliced(eq + 1));
        if (!key.isEmpty())
            form.fields.insert(key, value);
    }
    return form;
}

FormData FormData::fromMultipart(const QByteArray &body, const QByteArray &boundary)
{
    FormData form;
    if (boundary.isEmpty())
        return form;
    const QByteArray delimiter = "--" + boundary;
    qsizetype pos = body.indexOf(delimiter);
    while (pos >= 0) {
        qsizetype partStart = pos + delimiter.size();
        if (body.mid(partStart, 2) == "--")
            break;
        if (body.mid(partStart, 2) == "\r\n")
            partStart += 2;
        const qsizetype next = body.indexOf("\r\n" + delimiter, partStart);
        if (next < 0)
            break;
        const QByteArray part = body.mid(partStart, next - partStart);
        pos = next + 2;

        const qsizetype headerEnd = part.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            continue;
        QByteArray name;
        bool isFile = false;
        for (const QByteArray &line : part.left(headerEnd).split('\n')) {
            if (!line.trimmed().toLower().startsWith("content-disposition:"))
                continue;
            name = headerParameter(line.trimmed(), "name");
            isFile = line.toLower().contains("filename=");
        }
        if (name.isEmpty())
            continue;
        const QByteArray content = part.mid(headerEnd + 4);
        if (isFile)
            form.files.insert(QString::fromUtf8(name), content);
        else
            form.fields.insert(QString::fromUtf8(name), QString::fromUtf8(content));
    }
    return form;
}

FormData FormData::fromBody(const QByteArray &body, const QByteArray &contentType)
{
    const QByteArray lower = contentType.toLower();
    if (lower.startsWith("multipart/form-data")) {
        QByteArray boundary = headerParameter(contentType, "boundary");
        return fromMultipart(body, boundary);
    }
    return fromUrlEncoded(body);
}

void FormData::merge(const FormData &other)
{
    for (auto it = other.fields.begin(); it != other.fields.end(); ++it)
        fields.insert(it.key(), it.value());
    for (auto it = other.files.begin(); it != other.files.end(); ++it)
        files.insert(it.key(), it.value());
}

} // namespace nuvora::devserver
