#include "HttpMessage.h"

namespace nuvora::devserver {

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &pair : headers) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return {};
}

HttpResponse HttpResponse::json(const QByteArray &body)
{
    return HttpResponse{200, "application/json; charset=utf-8", body};
}

HttpResponse HttpResponse::html(const QString &title, const QString &bodyHtml)
{
    const QString page = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                                        "<meta name=\"viewport\" content=\"width=device-width\">"
                                        "<title>%1</title></head><body>%2</body></html>")
                             .arg(title.toHtmlEscaped(), bodyHtml);
    return HttpResponse{200, "text/html; charset=utf-8", page.toUtf8()};
}

HttpResponse HttpResponse::text(int status, const QByteArray &body)
{
    return HttpResponse{status, "text/plain; charset=utf-8", body};
}

} // namespace nuvora::devserver
