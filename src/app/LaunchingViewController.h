#pragma once
// The first screen: a running indicator while the server addresses are taken
// from the settings (fetched within the hour) or fetched anew, then the choice
// between the automatic sign-in and the sign-in screen.

#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class LaunchingViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
public:
    // A configuration fetched at most this long ago is used as stored.
    static constexpr qint64 kOptionLifetimeSeconds = 3600;
    static inline const QString kOptionPath = QStringLiteral("/m/iphone2.0.0.json");
    static inline const QString kRetryButton = QStringLiteral("重试");

    explicit LaunchingViewController(AppContext &context, QObject *parent = nullptr);
    ~LaunchingViewController() override;

    bool isRunning() const { return running_; }

    void loadClientOptions();
    void fetchClientOptions();
    void receivedOptionResponse(const JSONFetcher &reply);
    void finishedLaunching();

signals:
    void runningChanged();

protected:
    void viewDidLoad() override;

private:
    bool hasStoredOptions() const;
    void setRunning(bool running);

    RequestSlot *optionRequest_;
    bool running_ = false;
};
