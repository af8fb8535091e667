#include "DevServer.h"

#include "AccountApi.h"
#include "ApiServer.h"
#include "BoardApi.h"
#include "ChatServer.h"
#include "CodeGrantMicroblog.h"
#include "Database.h"
#include "DevEndpoints.h"
#include "DevFeed.h"
#include "FeedApi.h"
#include "FeedLog.h"
#include "HttpFrontend.h"
#include "ImageHost.h"
#include "ImageStore.h"
#include "MicroblogStore.h"
#include "MoodApi.h"
#include "OptionApi.h"
#include "PeopleApi.h"
#include "PhotoApi.h"
#include "ReportLog.h"
#include "Schema.h"
#include "Seeder.h"
#include "SignedMicroblog.h"
#include "VenueApi.h"
#include "WebHost.h"

#include <QDir>
#include <QHostAddress>

namespace nuvora::devserver {

DevServer::DevServer(QObject *parent) : QObject(parent)
{
}

DevServer::~DevServer() = default;

bool DevServer::start(const Options &options, QString *error)
{
    if (options.dataDir.isEmpty() || !QDir().mkpath(options.dataDir)) {
        *error = QStringLiteral("cannot create the data directory '%1'").arg(options.dataDir);
        return false;
    }
    const QDir dir(options.dataDir);
    db_ = std::make_unique<Database>();
    if (!db_->open(dir.filePath(QStringLiteral("devserver.sqlite3"))) || !Schema::create(*db_)) {
        *error = QStringLiteral("cannot open the storage in '%1'").arg(options.dataDir);
        return false;
    }

    http_ = std::make_unique<HttpFrontend>();
    httpPort_ = http_->listen(QHostAddress::LocalHost, options.httpPort);
    if (!httpPort_) {
        *error = QStringLiteral("cannot listen on HTTP port %1").arg(options.httpPort);
        return false;
    }
    chat_ = std::make_unique<ChatServer>(*db_);
    if (!chat_->listen(options.chatPort)) {
        *error = QStringLiteral("cannot listen on chat port %1").arg(options.chatPort);
        return false;
    }
    chatPort_ = chat_->port();

    const QString baseUrl = QStringLiteral("http://127.0.0.1:%1").arg(httpPort_);
    images_ = std::make_unique<ImageStore>(*db_, dir.filePath(QStringLiteral("images")));
    feeds_ = std::make_unique<FeedLog>(*db_);
    seeder_ = std::make_unique<Seeder>(*db_, *images_, *feeds_, baseUrl);
    if (options.seed)
        seeder_->reseed();

    api_ = std::make_unique<ApiServer>(*db_, *feeds_, baseUrl);
    const ServerContext context{*db_, *images_, *feeds_};
    accountApi_ = std::make_unique<AccountApi>(context);
    peopleApi_ = std::make_unique<PeopleApi>(context);
    venueApi_ = std::make_unique<VenueApi>(context);
    boardApi_ = std::make_unique<BoardApi>(context);
    photoApi_ = std::make_unique<PhotoApi>(context);
    moodApi_ = std::make_unique<MoodApi>(context);
    feedApi_ = std::make_unique<FeedApi>(context);
    optionApi_ = std::make_unique<OptionApi>(context);
    const QString offeredVersion = options.offeredVersion.isEmpty()
                                       ? QString::fromLatin1(OptionApi::kVersion)
                                       : options.offeredVersion;
    optionApi_->setVersion(offeredVersion);
    accountApi_->install(*api_);
    peopleApi_->install(*api_);
    venueApi_->install(*api_);
    boardApi_->install(*api_);
    photoApi_->install(*api_);
    moodApi_->install(*api_);
    feedApi_->install(*api_);
    optionApi_->install(*api_);

    webHost_ = std::make_unique<WebHost>(httpPort_, chatPort_);
    imageHost_ = std::make_unique<ImageHost>(*images_);
    microblogs_ = std::make_unique<MicroblogStore>(*db_);
    codeGrant_ = std::make_unique<CodeGrantMicroblog>(*microblogs_);
    signed_ = std::make_unique<SignedMicroblog>(*microblogs_);
    reports_ = std::make_unique<ReportLog>(*db_);
    devFeed_ = std::make_unique<DevFeed>(*db_, *feeds_, baseUrl);
    devEndpoints_ = std::make_unique<DevEndpoints>(*chat_, *microblogs_, *reports_, *devFeed_,
                                                   [this, offeredVersion] {
                                                       chat_->reset();
                                                       seeder_->reseed();
                                                       optionApi_->setVersion(offeredVersion);
                                                   });
    devEndpoints_->setVersionOffer(
        [this](const QString &version) { optionApi_->setVersion(version); });
    wireHttp();
    return true;
}

void DevServer::wireHttp()
{
    http_->addPrefix(QStringLiteral("/m/"),
                     [this](const HttpRequest &r) { return webHost_->handle(r); });
    http_->addPrefix(QString::fromLatin1(ApiServer::kPrefix),
                     [this](const HttpRequest &r) { return api_->handle(r); });
    http_->addPrefix(QString::fromLatin1(ImageHost::kPrefix),
                     [this](const HttpRequest &r) { return imageHost_->handle(r); });
    http_->addPrefix(QString::fromLatin1(DevEndpoints::kPrefix),
                     [this](const HttpRequest &r) { return devEndpoints_->handle(r); });

    auto exact = [this](const QString &path, auto handler) {
        http_->addPrefix(path, [path, handler](const HttpRequest &r) {
            return r.path == path ? handler(r) : HttpResponse::text(404, "not found");
        });
    };
    exact(QStringLiteral("/oauth2/authorize"),
          [this](const HttpRequest &r) { return codeGrant_->authorize(r); });
    exact(QStringLiteral("/oauth2/access_token"),
          [this](const HttpRequest &r) { return codeGrant_->accessToken(r); });
    exact(QStringLiteral("/2/statuses/update.json"),
          [this](const HttpRequest &r) { return codeGrant_->post(r); });
    exact(QStringLiteral("/2/statuses/upload.json"),
          [this](const HttpRequest &r) { return codeGrant_->post(r); });
    exact(QStringLiteral("/cgi-bin/request_token"),
          [this](const HttpRequest &r) { return signed_->requestToken(r); });
    exact(QStringLiteral("/cgi-bin/authorize"),
          [this](const HttpRequest &r) { return signed_->authorize(r); });
    exact(QStringLiteral("/cgi-bin/access_token"),
          [this](const HttpRequest &r) { return signed_->accessToken(r); });
    exact(QStringLiteral("/api/t/add"), [this](const HttpRequest &r) { return signed_->post(r); });
    exact(QStringLiteral("/api/t/add_pic"),
          [this](const HttpRequest &r) { return signed_->post(r); });
}

QString DevServer::readyLine() const
{
    return QStringLiteral("nuvora-devserver ready http=%1 chat=%2 demo=%3 password=%4")
        .arg(httpPort_)
        .arg(chatPort_)
        .arg(QString::fromLatin1(Seeder::kDemoEmail), QString::fromLatin1(Seeder::kDemoPassword));
}

} // namespace nuvora::devserver
