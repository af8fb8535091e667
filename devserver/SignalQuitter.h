#pragma once
// Turns SIGINT and SIGTERM into a clean quit of the event loop.

#include <QObject>

class QSocketNotifier;

namespace nuvora::devserver {

class SignalQuitter : public QObject {
    Q_OBJECT
public:
    explicit SignalQuitter(QObject *parent = nullptr);
    ~SignalQuitter() override;

private:
    static void onSignal(int signal);

    QSocketNotifier *notifier_ = nullptr;
};

} // namespace nuvora::devserver
