#include "ImageHost.h"

#include "ImageStore.h"

#include <QRegularExpression>

namespace nuvora::devserver {

HttpResponse ImageHost::handle(const HttpRequest &request) const
{
    static const QRegularExpression pattern(
        QStringLiteral("^/560/([A-Za-z0-9_-]+)\\.jpg(?:!(100|160|200))?$"));
    const auto match = pattern.match(request.path);
    if (!match.hasMatch())
        return HttpResponse::text(404, "no such image");
    const QByteArray bytes = images_.load(match.captured(1), match.captured(2));
    if (bytes.isEmpty())
        return HttpResponse::text(404, "no such image");
    return HttpResponse{200, "image/jpeg", bytes};
}

} // namespace nuvora::devserver
