#include "ClubRows.h"

#include "model/Club.h"
#include "model/Session.h"
#include "platform/AppContext.h"

namespace ClubRows {

PagedQuery::Request request(AppContext &context, const QString &script, QVariantMap parameters)
{
    AppContext *where = &context;
    auto request = PagedQuery::listOf<Club>(script, QStringLiteral("clubs"),
                                            [where](const nuvora::json::Value &element) {
                                                return Club(element, where->session().userLocation);
                                            });
    request.parameters = [parameters = std::move(parameters)] { return parameters; };
    return request;
}

} // namespace ClubRows
