#pragma once
// The one context every controller receives: the platform services, the session
// and the services of the layers above (registered by type). The process-wide
// `shared...` accessors return the instances of the current context; tests
// build a fresh context per test.

#include <QGeoCoordinate>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>
#include <typeindex>
#include <unordered_map>

class AlertPresenter;
class ChatConnector;
class Clock;
class LocationService;
class NavigationController;
class NetworkAccess;
class NotificationCenter;
class PushService;
class Reachability;
class Session;
class SettingsStore;
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
    Session &session() { return *session_; }
    NetworkAccess &network() { return *network_; }
    NavigationController &navigation() { return *navigation_; }
    AlertPresenter &alerts() { return *alerts_; }
    LocationService &location() { return *location_; }
    PushService &push() { return *push_; }
    Reachability &reachability() { return *reachability_; }
    Vibration &vibration() { return *vibration_; }
    UrlOpener &urlOpener() { return *urlOpener_; }

    // The chat connection manager; none until the chat layer sets one.
    ChatConnector *chat() const { return chat_; }
    void setChat(ChatConnector *chat) { chat_ = chat; }

    // Services of the layers above (image manager, message store, ...), owned by
    // the context and destroyed before the platform services.
    template <class T> T &addService(std::unique_ptr<T> service)
    {
        T *raw = service.get();
        services_[std::type_index(typeid(T))] = std::shared_ptr<void>(std::move(service));
        return *raw;
    }
    template <class T> T *service() const
    {
        const auto found = services_.find(std::type_index(typeid(T)));
        return found == services_.end() ? nullptr : static_cast<T *>(found->second.get());
    }

private:
    Options options_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<NotificationCenter> notifications_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<NetworkAccess> network_;
    std::unique_ptr<AlertPresenter> alerts_;
    std::unique_ptr<LocationService> location_;
    std::unique_ptr<PushService> push_;
    std::unique_ptr<Reachability> reachability_;
    std::unique_ptr<Vibration> vibration_;
    std::unique_ptr<UrlOpener> urlOpener_;
    // Last among the services, so that screens go before what they use.
    std::unique_ptr<NavigationController> navigation_;
    ChatConnector *chat_ = nullptr;
    std::unordered_map<std::type_index, std::shared_ptr<void>> services_;
};
