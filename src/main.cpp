// The phone client: builds the application context and the delegate, loads the
// window and runs, one client per data directory. `--push JSON` instead hands a
// payload to the running client.

#include "app/AppDelegate.h"
#include "app/AppRouter.h"
#include "app/AppShell.h"
#include "app/CommandLine.h"
#include "chat/ChatService.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/ApplicationActivity.h"
#include "platform/DataDirectoryLock.h"
#include "platform/DeviceInfo.h"
#include "platform/NavigationController.h"
#include "platform/PushService.h"
#include "platform/ViewController.h"
#include "ui/SDWebImageManager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstdio>
#include <memory>

namespace {
int sendPush(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Nuvora"));
    CommandLine commandLine;
    if (!commandLine.parse(app.arguments())) {
        std::fprintf(stderr, "nuvora: %s\n", qPrintable(commandLine.error()));
        return 2;
    }
    QString error;
    if (!PushService::sendPayload(commandLine.options().dataDirectory, *commandLine.pushPayload(),
                                  &error)) {
        std::fprintf(stderr, "nuvora: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

// For the start-up benchmark: with NUVORA_FIRST_FRAME naming a controller class, prints
// "first frame NAME" once a frame showing that screen has been drawn. The client runs on,
// so that its memory can be read at that moment.
void reportFirstFrame(QQuickWindow *window, const NavigationController &navigation)
{
    const QString screen = qEnvironmentVariable("NUVORA_FIRST_FRAME");
    if (screen.isEmpty() || !window)
        return;
    auto reported = std::make_shared<QMetaObject::Connection>();
    *reported = QObject::connect(window, &QQuickWindow::frameSwapped, window, [=, &navigation] {
        const ViewController *shown = navigation.visibleViewController();
        if (!shown || QLatin1String(shown->metaObject()->className()) != screen)
            return;
        std::printf("first frame %s\n", qPrintable(screen));
        std::fflush(stdout);
        QObject::disconnect(*reported);
    });
}
} // namespace

int main(int argc, char **argv)
{
    if (CommandLine::wantsPush(argc, argv))
        return sendPush(argc, argv);

    // A phone's points are two desktop pixels unless the user says otherwise.
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Nuvora"));
    app.setApplicationVersion(QString::fromLatin1(DeviceInfo::kShortVersion));

    CommandLine commandLine;
    if (!commandLine.parse(app.arguments())) {
        std::fprintf(stderr, "nuvora: %s\n", qPrintable(commandLine.error()));
        return 2;
    }
    DataDirectoryLock lock(commandLine.options().dataDirectory);
    if (!lock.tryLock()) {
        std::fprintf(stderr, "nuvora: %s\n", qPrintable(lock.error()));
        return 3;
    }
    AppShell::applyFont();

    AppContext context(commandLine.options());
    Session::install(context);
    AppRouter::install(context);
    AppDelegate &delegate = context.own(std::make_unique<AppDelegate>(context));
    ChatService::install(context);
    SDWebImageManager::install(context);
    delegate.applicationDidFinishLaunching();

    AppShell shell(context);
    QQmlApplicationEngine engine;
    AppShell::configureEngine(engine);
    engine.setInitialProperties({{QStringLiteral("shell"), QVariant::fromValue(&shell)}});
    engine.load(QUrl(QStringLiteral("qrc:/Nuvora/qml/app/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    reportFirstFrame(window, context.navigation());
    ApplicationActivity activity;
    activity.followApplication(window);
    delegate.observeApplicationState(activity);
    return app.exec();
}
