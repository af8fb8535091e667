#pragma once
// Turns a web page into the small rich-text subset a Text item draws (StyledText):
// headings, paragraphs, line breaks, bold, italic, underline, lists and links. Scripts,
// styles, images, forms and every attribute go; a link stays a link only when it leads to
// an http or https page, else its text stays as plain text.

#include <QString>
#include <QUrl>

namespace StyledTextFilter {

// `base` resolves relative links (the page's own address).
QString filter(const QString &html, const QUrl &base);

} // namespace StyledTextFilter
