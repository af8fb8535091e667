// The reference for the start-up benchmark: an empty Qt Quick window of the phone's size
// showing one line of Chinese text in the client's font, with the client's scale factor.
// Prints "first frame window" once its first frame is drawn, then runs on until ended.

#include <QFont>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstdio>
#include <utility>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(14);
    QGuiApplication::setFont(font);

    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick
        Window {
            width: 320
            height: 480
            visible: true
            color: "#160f2e"
            Text {
                anchors.centerIn: parent
                text: "今晚的派对在哪里？"
                color: "white"
            }
        }
    )");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [] {
        static bool reported = false;
        if (!std::exchange(reported, true)) {
            std::puts("first frame window");
            std::fflush(stdout);
        }
    });
    return app.exec();
}
