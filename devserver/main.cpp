// nuvora-devserver: the stand-in web host, API, chat, image and microblog
// servers for development and tests.

#include "DevServer.h"
#include "SignalQuitter.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Seeded pictures are drawn with text, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nuvora-devserver"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Stand-in servers for the Nuvora client."));
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Storage directory."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption httpPort(QStringLiteral("http-port"),
                                      QStringLiteral("HTTP port (0 = any free port)."),
                                      QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption chatPort(QStringLiteral("chat-port"),
                                      QStringLiteral("Chat port (0 = any free port)."),
                                      QStringLiteral("M"), QStringLiteral("0"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("(Re)create the demo data."));
    const QCommandLineOption offeredVersion(
        QStringLiteral("offer-version"),
        QStringLiteral("The version \"option.php\" offers (default: the client's own)."),
        QStringLiteral("V"));
    parser.addOptions({data, httpPort, chatPort, seed, offeredVersion});
    parser.process(app);

    bool httpOk = false;
    bool chatOk = false;
    nuvora::devserver::DevServer::Options options;
    options.dataDir = parser.value(data);
    options.httpPort = parser.value(httpPort).toUShort(&httpOk);
    options.chatPort = parser.value(chatPort).toUShort(&chatOk);
    options.seed = parser.isSet(seed);
    options.offeredVersion = parser.value(offeredVersion);
    if (options.dataDir.isEmpty() || !httpOk || !chatOk) {
        std::fprintf(stderr, "usage: nuvora-devserver --data DIR [--http-port N] [--chat-port M] "
                             "[--seed] [--offer-version V]\n");
        return 2;
    }

    nuvora::devserver::SignalQuitter quitter;
    nuvora::devserver::DevServer server;
    QString error;
    if (!server.start(options, &error)) {
        std::fprintf(stderr, "nuvora-devserver: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.readyLine()));
    std::fflush(stdout);
    return app.exec();
}
