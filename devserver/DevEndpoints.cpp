#include "DevEndpoints.h"

#include "ChatServer.h"
#include "Database.h"
#include "Dates.h"
#include "DevFeed.h"
#include "JsonText.h"
#include "MicroblogStore.h"
#include "ReportLog.h"

#include <QUrl>

namespace nuvora::devserver {

namespace {

HttpResponse answer(json::Object o)
{
    return HttpResponse::json(encode(json::Value(std::move(o))));
}

HttpResponse badRequest(json::Value message)
{
    json::Object o;
    o.set("error", std::move(message));
    HttpResponse response = answer(std::move(o));
    response.status = 400;
    return response;
}

qint64 queryInteger(const HttpRequest &request, const char *name)
{
    return request.query.queryItemValue(QString::fromLatin1(name)).toLongLong();
}

QString queryText(const HttpRequest &request, const char *name)
{
    return request.query.queryItemValue(QString::fromLatin1(name), QUrl::FullyDecoded);
}

} // namespace

HttpResponse DevEndpoints::handle(const HttpRequest &request) const
{
    if (!request.fromLoopback)
        return HttpResponse::text(403, "loopback only");
    const QString name = request.path.mid(QString::fromLatin1(kPrefix).size());
    if (name == QStringLiteral("alert") || name == QStringLiteral("offline")
        || name == QStringLiteral("redirect") || name == QStringLiteral("notify"))
        return sendControl(name, request);
    if (name == QStringLiteral("message"))
        return postMessage(request);
    if (name == QStringLiteral("resend"))
        return resend(request);
    if (name == QStringLiteral("delivered"))
        return delivered(request);
    if (name == QStringLiteral("microblog"))
        return microblogPosts();
    if (name == QStringLiteral("reports"))
        return reportList();
    if (name == QStringLiteral("feed"))
        return addFeedEntry(request);
    if (name == QStringLiteral("version"))
        return offerVersion(request);
    if (name == QStringLiteral("reset")) {
        reseed_();
        json::Object o;
        o.set("reset", json::Value(true));
        return answer(std::move(o));
    }
    return HttpResponse::text(404, "no such test endpoint");
}

HttpResponse DevEndpoints::offerVersion(const HttpRequest &request) const
{
    const QString version = queryText(request, "v");
    if (version.isEmpty() || !offer_)
        return badRequest("v required");
    offer_(version);
    json::Object o;
    o.set("version", text(version));
    return answer(std::move(o));
}

HttpResponse DevEndpoints::sendControl(const QString &name, const HttpRequest &request) const
{
    const qint64 uid = queryInteger(request, "uid");
    if (uid <= 0)
        return badRequest("uid required");
    json::Object command;
    command.set("command", text(name));
    if (name == QStringLiteral("redirect")) {
        command.set("host", text(queryText(request, "host")));
        command.set("port", number(queryInteger(request, "port")));
    } else if (name != QStringLiteral("notify")) {
        command.set("info", text(queryText(request, "info")));
    }
    json::Object o;
    o.set("delivered", json::Value(chat_.sendCommand(uid, command)));
    return answer(std::move(o));
}

HttpResponse DevEndpoints::postMessage(const HttpRequest &request) const
{
    const qint64 from = queryInteger(request, "from");
    const qint64 to = queryInteger(request, "to");
    if (from <= 0 || to <= 0)
        return badRequest("from and to required");
    const qint64 msgid = chat_.postMessage(from, to, queryText(request, "message"));
    json::Object o;
    o.set("msgid", number(msgid));
    o.set("online", json::Value(chat_.isOnline(to)));
    return answer(std::move(o));
}

HttpResponse DevEndpoints::resend(const HttpRequest &request) const
{
    const qint64 uid = queryInteger(request, "uid");
    if (uid <= 0)
        return badRequest("uid required");
    json::Object o;
    o.set("delivered", json::Value(chat_.resendPending(uid)));
    o.set("pending", number(chat_.pendingCount(uid)));
    return answer(std::move(o));
}

HttpResponse DevEndpoints::delivered(const HttpRequest &request) const
{
    json::Object o;
    o.set("commands", json::Value(chat_.delivered(queryInteger(request, "uid"))));
    return answer(std::move(o));
}

HttpResponse DevEndpoints::microblogPosts() const
{
    json::Array posts;
    for (const Row &row : microblogs_.posts()) {
        json::Object post;
        post.set("id", number(row.integer(QStringLiteral("id"))));
        post.set("service", number(row.integer(QStringLiteral("service"))));
        post.set("account", text(row.text(QStringLiteral("account"))));
        post.set("text", text(row.text(QStringLiteral("text"))));
        post.set("time", text(Dates::format(row.integer(QStringLiteral("time")))));
        posts.push_back(json::Value(std::move(post)));
    }
    json::Object o;
    o.set("posts", json::Value(std::move(posts)));
    return answer(std::move(o));
}

HttpResponse DevEndpoints::reportList() const
{
    json::Array reports;
    for (const Row &row : reports_.all()) {
        json::Object report;
        report.set("type", text(row.text(QStringLiteral("type"))));
        report.set("id", number(row.integer(QStringLiteral("target"))));
        report.set("content", text(row.text(QStringLiteral("content"))));
        report.set("uid", number(row.integer(QStringLiteral("uid"))));
        report.set("time", text(Dates::format(row.integer(QStringLiteral("time")))));
        reports.push_back(json::Value(std::move(report)));
    }
    json::Object o;
    o.set("reports", json::Value(std::move(reports)));
    return answer(std::move(o));
}

HttpResponse DevEndpoints::addFeedEntry(const HttpRequest &request) const
{
    QString error;
    auto entry = feed_.add(request.query, &error);
    if (!entry)
        return badRequest(text(error));
    return answer(std::move(*entry));
}

} // namespace nuvora::devserver
