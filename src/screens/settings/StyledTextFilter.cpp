#include "StyledTextFilter.h"

#include "platform/WebAddress.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace {

// Tags kept as they are, without attributes; "a" is handled apart.
const QSet<QString> &keptTags()
{
    static const QSet<QString> tags{"b",  "strong", "i",  "u",  "br", "p",  "h1", "h2",
                                    "h3", "h4",     "h5", "h6", "ul", "ol", "li", "pre"};
    return tags;
}

// Tags whose whole content is dropped with them.
const QSet<QString> &droppedWithContent()
{
    static const QSet<QString> tags{"script", "style",  "title",   "template", "noscript",
                                    "iframe", "object", "embed",   "textarea", "select",
                                    "svg",    "math",   "frameset"};
    return tags;
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            out += QLatin1String("&gt;");
        else if (c == QLatin1Char('"'))
            out += QLatin1String("&quot;");
        else
            out += c;
    }
    return out;
}

// Replaces the character references a page commonly holds by their characters; an
// unknown one stays as written.
QString decoded(const QString &text)
{
    static const QHash<QString, QString> named{{"amp", "&"},   {"lt", "<"},   {"gt", ">"},
                                               {"quot", "\""}, {"apos", "'"}, {"nbsp", "\u00a0"}};
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end =
            text.at(i) == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
        if (end < 0 || end - i > 10) {
            out += text.at(i);
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        QString replacement;
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex = name.size() > 1 && name.at(1).toLower() == QLatin1Char('x');
            const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
                const char32_t character = code;
                replacement = QString::fromUcs4(&character, 1);
            }
        } else {
            replacement = named.value(name);
        }
        if (replacement.isEmpty()) {
            out += text.at(i);
            continue;
        }
        out += replacement;
        i = end;
    }
    return out;
}

struct Tag {
    QString name; // lower case
    bool closing = false;
    QHash<QString, QString> attributes; // names in lower case, values decoded
};

// Reads the tag starting at `text[start] == '<'`; `end` is set past its '>'.
Tag readTag(const QString &text, qsizetype start, qsizetype *end)
{
    Tag tag;
    qsizetype i = start + 1;
    const qsizetype n = text.size();
    if (i < n && text.at(i) == QLatin1Char('/')) {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < n && (text.at(i).isLetterOrNumber()))
        ++i;
    tag.name = text.mid(nameStart, i - nameStart).toLower();
    while (i < n && text.at(i) != QLatin1Char('>')) {
        if (text.at(i).isSpace() || text.at(i) == QLatin1Char('/')) {
            ++i;
            continue;
        }
        const qsizetype attributeStart = i;
        while (i < n && !text.at(i).isSpace() && text.at(i) != QLatin1Char('=')
               && text.at(i) != QLatin1Char('>'))
            ++i;
        const QString name = text.mid(attributeStart, i - attributeStart).toLower();
        while (i < n && text.at(i).isSpace())
            ++i;
        QString value;
        if (i < n && text.at(i) == QLatin1Char('=')) {
            ++i;
            while (i < n && text.at(i).isSpace())
                ++i;
            if (i < n && (text.at(i) == QLatin1Char('"') || text.at(i) == QLatin1Char('\''))) {
                const QChar quote = text.at(i);
                const qsizetype close = text.indexOf(quote, i + 1);
                const qsizetype valueEnd = close < 0 ? n : close;
                value = text.mid(i + 1, valueEnd - i - 1);
                i = close < 0 ? n : close + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !text.at(i).isSpace() && text.at(i) != QLatin1Char('>'))
                    ++i;
                value = text.mid(valueStart, i - valueStart);
            }
        }
        if (!name.isEmpty() && !tag.attributes.contains(name))
            tag.attributes.insert(name, decoded(value));
    }
    *end = i < n ? i + 1 : n;
    return tag;
}

// The link's address when it leads to a web page; empty otherwise.
QString webLink(const QString &href, const QUrl &base)
{
    // Browsers ignore blanks and control characters around an address and inside its
    // scheme; strip them so that a disguised "java\tscript:" is seen for what it is.
    QString cleaned;
    for (const QChar c : href) {
        if (c.unicode() > 0x20)
            cleaned += c;
    }
    const QUrl relative(cleaned, QUrl::StrictMode);
    if (cleaned.isEmpty() || !relative.isValid())
        return {};
    const QUrl url = base.resolved(relative);
    return WebAddress::isWeb(url) ? url.toString(QUrl::FullyEncoded) : QString();
}

} // namespace

QString StyledTextFilter::filter(const QString &html, const QUrl &base)
{
    QString out;
    // For each open "a": whether it was kept, so that its end tag matches.
    QList<bool> links;
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = html.at(i);
        if (c != QLatin1Char('<')) {
            const qsizetype next = html.indexOf(QLatin1Char('<'), i);
            const qsizetype end = next < 0 ? n : next;
            out += escaped(decoded(html.mid(i, end - i)));
            i = end;
            continue;
        }
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype close = html.indexOf(QLatin1String("-->"), i + 4);
            i = close < 0 ? n : close + 3;
            continue;
        }
        const QChar after = i + 1 < n ? html.at(i + 1) : QChar();
        if (after == QLatin1Char('!') || after == QLatin1Char('?')) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), i);
            i = close < 0 ? n : close + 1;
            continue;
        }
        if (!after.isLetter() && after != QLatin1Char('/')) {
            out += QLatin1String("&lt;");
            ++i;
            continue;
        }
        qsizetype end = i;
        const Tag tag = readTag(html, i, &end);
        i = end;
        if (tag.closing) {
            if (tag.name == QLatin1String("a")) {
                if (!links.isEmpty() && links.takeLast())
                    out += QLatin1String("</a>");
            } else if (tag.name == QLatin1String("em")) {
                out += QLatin1String("</i>");
            } else if (keptTags().contains(tag.name) && tag.name != QLatin1String("br")) {
                out += QStringLiteral("</%1>").arg(tag.name);
            }
            continue;
        }
        if (droppedWithContent().contains(tag.name)) {
            const qsizetype close =
                html.indexOf(QStringLiteral("</%1").arg(tag.name), i, Qt::CaseInsensitive);
            if (close < 0) {
                i = n;
            } else {
                readTag(html, close, &end);
                i = end;
            }
            continue;
        }
        if (tag.name == QLatin1String("a")) {
            const QString link = webLink(tag.attributes.value(QStringLiteral("href")), base);
            const bool kept = !link.isEmpty();
            links << kept;
            if (kept)
                out += QStringLiteral("<a href=\"%1\">").arg(escaped(link));
        } else if (tag.name == QLatin1String("em")) {
            out += QLatin1String("<i>");
        } else if (keptTags().contains(tag.name)) {
            out += QStringLiteral("<%1>").arg(tag.name);
        }
    }
    // Links left open end with the page.
    for (const bool kept : links) {
        if (kept)
            out += QLatin1String("</a>");
    }
    return out;
}
