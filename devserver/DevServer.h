#pragma once
// The whole stand-in: opens the storage, listens on the HTTP and chat ports
// (127.0.0.1 only), wires the web host, API, images, microblogs and test
// endpoints to the HTTP paths, and seeds on request.

#include <QObject>
#include <QString>
#include <memory>

namespace nuvora::devserver {

class ApiServer;
class ChatServer;
class CodeGrantMicroblog;
class Database;
class DevEndpoints;
class DevFeed;
class FeedLog;
class HttpFrontend;
class ImageHost;
class ImageStore;
class MicroblogStore;
class ReportLog;
class Seeder;
class SignedMicroblog;
class WebHost;
class AccountApi;
class PeopleApi;
class VenueApi;
class BoardApi;
class PhotoApi;
class MoodApi;
class FeedApi;
class OptionApi;

class DevServer : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString dataDir;
        quint16 httpPort = 0;
        quint16 chatPort = 0;
        bool seed = false;
        // The version "option.php" offers; empty: the client's own.
        QString offeredVersion;
    };

    explicit DevServer(QObject *parent = nullptr);
    ~DevServer() override;

    // False with `*error` set when the storage or a port cannot be opened.
    bool start(const Options &options, QString *error);

    quint16 httpPort() const { return httpPort_; }
    quint16 chatPort() const { return chatPort_; }
    // "nuvora-devserver ready http=PORT chat=PORT demo=EMAIL password=PASSWORD"
    QString readyLine() const;

private:
    void wireHttp();

    quint16 httpPort_ = 0;
    quint16 chatPort_ = 0;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ImageStore> images_;
    std::unique_ptr<FeedLog> feeds_;
    std::unique_ptr<HttpFrontend> http_;
    std::unique_ptr<ChatServer> chat_;
    std::unique_ptr<ApiServer> api_;
    std::unique_ptr<AccountApi> accountApi_;
    std::unique_ptr<PeopleApi> peopleApi_;
    std::unique_ptr<VenueApi> venueApi_;
    std::unique_ptr<BoardApi> boardApi_;
    std::unique_ptr<PhotoApi> photoApi_;
    std::unique_ptr<MoodApi> moodApi_;
    std::unique_ptr<FeedApi> feedApi_;
    std::unique_ptr<OptionApi> optionApi_;
    std::unique_ptr<WebHost> webHost_;
    std::unique_ptr<ImageHost> imageHost_;
    std::unique_ptr<MicroblogStore> microblogs_;
    std::unique_ptr<ReportLog> reports_;
    std::unique_ptr<CodeGrantMicroblog> codeGrant_;
    std::unique_ptr<SignedMicroblog> signed_;
    std::unique_ptr<Seeder> seeder_;
    std::unique_ptr<DevFeed> devFeed_;
    std::unique_ptr<DevEndpoints> devEndpoints_;
};

} // namespace nuvora::devserver
