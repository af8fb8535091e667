import QtQuick
import Nuvora

// The launching screen: a running indicator and nothing else.
Item {
    id: view

    required property LaunchingViewController controller

    ScreenBackground {}

    RunningIndicator {
        anchors.centerIn: parent
        running: view.controller.running
        Accessible.name: "正在启动"
    }
}
