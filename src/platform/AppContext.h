#pragma once
// The one context every controller receives: the platform services it owns, and
// the collaborators of the layers above (session, router, chat, image loader),
// which their owners install at start-up. Every accessor is typed and stops the
// program with a clear message when its collaborator was never installed.

#include <QGeoCoordinate>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>
#include <vector>

class AlertPresenter;
class ChatConnector;
class ChatMessenger;
class Clock;
class Database;
class Keyboard;
class LocationService;
class NavigationController;
class NetworkAccess;
class NotificationCenter;
class PushService;
class Reachability;
class Router;
class SDImageCache;
class SDWebImageManager;
class Session;
class SessionFlow;
class SettingsStore;
class SocketCenter;
class UrlOpener;
class Vibration;

class AppContext : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString dataDirectory; // holds settings.json, Documents/ and Caches/
        QUrl webHost;          // serves the start-up configuration document
        std::optional<QGeoCoordinate> fixedPosition;
    };

    // Becomes the current context.
    explicit AppContext(Options options, QObject *parent = nullptr);
    ~AppContext() override;

    // The context made last and still alive; none outside a run or a test.
    static AppContext *current();

    const Options &options() const { return options_; }
    QString dataDirectory() const { return options_.dataDirectory; }
    QString documentsDirectory() const;
    QString cachesDirectory() const;

    SettingsStore &settings() { return *settings_; }
    NotificationCenter &notifications() { return *notifications_; }
    Clock &clock() { return *clock_; }
    NetworkAccess &network() { return *network_; }
    NavigationController &navigation() { return *navigation_; }
    AlertPresenter &alerts() { return *alerts_; }
    LocationService &location() { return *location_; }
    PushService &push() { return *push_; }
    Reachability &reachability() { return *reachability_; }
    Vibration &vibration() { return *vibration_; }
    UrlOpener &urlOpener() { return *urlOpener_; }
    Keyboard &keyboard() { return *keyboard_; }

    // Collaborators of the layers above.
    Session &session() const { return required(session_, "session"); }
    SessionFlow &sessionFlow() const { return required(sessionFlow_, "session flow"); }
    Router &router() const { return required(router_, "router"); }
    ChatConnector &chat() const { return required(chat_, "chat layer"); }
    Database &messageStore() const { return required(messageStore_, "message store"); }
    SocketCenter &socketCenter() const { return required(socketCenter_, "chat connection"); }
    ChatMessenger &messenger() const { return required(messenger_, "chat messenger"); }
    SDWebImageManager &imageManager() const { return required(imageManager_, "image manager"); }
    SDImageCache &imageCache() const { return required(imageCache_, "image cache"); }
    bool hasChat() const { return chat_ != nullptr; }
    bool hasImageManager() const { return imageManager_ != nullptr; }

    void setSession(Session *session) { session_ = session; }
    void setSessionFlow(SessionFlow *flow) { sessionFlow_ = flow; }
    void setRouter(Router *router) { router_ = router; }
    void setChat(ChatConnector *chat, Database *messageStore, SocketCenter *socketCenter,
                 ChatMessenger *messenger = nullptr);
    void setImageLoader(SDWebImageManager *manager, SDImageCache *cache);

    // Keeps an installed collaborator alive until the context goes; collaborators
    // go in the reverse order of their installation, after the screens and before
    // the platform services.
    template <class T> T &own(std::unique_ptr<T> collaborator)
    {
        T *raw = collaborator.get();
        owned_.push_back(std::shared_ptr<void>(std::move(collaborator)));
        return *raw;
    }

private:
    template <class T> static T &required(T *collaborator, const char *what)
    {
        if (!collaborator)
            missing(what);
        return *collaborator;
    }
    [[noreturn]] static void missing(const char *what);

    Options options_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<NotificationCenter> notifications_;
    std::unique_ptr<NetworkAccess> network_;
    std::unique_ptr<AlertPresenter> alerts_;
    std::unique_ptr<LocationService> location_;
    std::unique_ptr<PushService> push_;
    std::unique_ptr<Reachability> reachability_;
    std::unique_ptr<Vibration> vibration_;
    std::unique_ptr<UrlOpener> urlOpener_;
    std::unique_ptr<Keyboard> keyboard_;
    // Last among the services, so that screens go before what they use.
    std::unique_ptr<NavigationController> navigation_;

    Session *session_ = nullptr;
    SessionFlow *sessionFlow_ = nullptr;
    Router *router_ = nullptr;
    ChatConnector *chat_ = nullptr;
    Database *messageStore_ = nullptr;
    SocketCenter *socketCenter_ = nullptr;
    ChatMessenger *messenger_ = nullptr;
    SDWebImageManager *imageManager_ = nullptr;
    SDImageCache *imageCache_ = nullptr;
    std::vector<std::shared_ptr<void>> owned_;
};
