import QtQuick
import QtQuick.Window
import Nuvora

// The phone's window: a status bar above the screen stack, alerts and the notice
// above everything. Portrait, of the phone's logical size; while a screen that turns
// with the phone is in front the window may be resized, as a turned phone would be.
Window {
    id: window

    required property AppShell shell

    width: shell.screenWidth
    height: shell.screenHeight
    minimumWidth: shell.turnable ? shell.screenWidth / 2 : width
    maximumWidth: shell.turnable ? shell.screenHeight * 2 : width
    minimumHeight: shell.turnable ? shell.screenWidth / 2 : height
    maximumHeight: shell.turnable ? shell.screenHeight * 2 : height

    // Back upright when the turning screen leaves.
    Connections {
        target: window.shell
        function onTurnableChanged() {
            if (window.shell.turnable)
                return
            window.width = window.shell.screenWidth
            window.height = window.shell.screenHeight
        }
    }
    visible: true
    color: Theme.background
    title: "Nuvora"

    StatusBar {
        id: statusBar
        width: parent.width
        height: window.shell.statusBarHeight
    }

    // The hub's reminder pop-up rests on it.
    readonly property real frontBottomBarHeight: screens.frontBottomBarHeight

    ScreenStack {
        id: screens
        anchors.top: statusBar.bottom
        width: parent.width
        height: parent.height - statusBar.height
        shell: window.shell
        // The alert, the action sheet and the notice are modal.
        covered: window.shell.alerts.alertVisible || window.shell.alerts.noticeVisible
    }

    // Alerts and the notice stay above the hub's reminder pop-up.
    AlertOverlay {
        anchors.fill: parent
        z: 2
        alerts: window.shell.alerts
    }

    NoticeView {
        objectName: "notice"
        anchors.centerIn: parent
        z: 2
        alerts: window.shell.alerts
    }
}
