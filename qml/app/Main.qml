import QtQuick
import QtQuick.Window
import Nuvora

// The phone's window: a status bar above the screen stack, alerts and the notice
// above everything, on a phone of the logical size. A desktop window may take any
// size: the phone then grows or shrinks as a whole and stays centred, as a phone
// simulator shows it; while a screen that turns with the phone is in front, the
// phone takes the window's shape instead, as a turned phone would.
Window {
    id: window

    required property AppShell shell
    // The hub's reminder pop-up lives on the phone and rests on the front screen's bar.
    readonly property Item phone: phoneFrame
    readonly property real frontBottomBarHeight: screens.frontBottomBarHeight

    width: shell.screenWidth
    height: shell.screenHeight
    minimumWidth: shell.screenWidth / 2
    minimumHeight: shell.screenWidth / 2

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

    // Back: the front-most alert or sheet goes first, then the front screen goes back.
    Shortcut {
        sequences: ["Esc", "Alt+Left", "Back"]
        context: Qt.WindowShortcut
        onActivated: {
            if (!window.shell.alerts.dismissByBackKey() && !window.shell.alerts.noticeVisible)
                screens.goBack()
        }
    }

    Item {
        id: phoneFrame
        objectName: "phone"
        anchors.centerIn: parent
        width: window.shell.turnable ? window.width : window.shell.screenWidth
        height: window.shell.turnable ? window.height : window.shell.screenHeight
        scale: window.shell.turnable ? 1 : Math.min(window.width / window.shell.screenWidth,
                                                     window.height / window.shell.screenHeight)

        StatusBar {
            id: statusBar
            width: parent.width
            height: window.shell.statusBarHeight
        }

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
}
