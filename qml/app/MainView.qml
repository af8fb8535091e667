import QtQuick
import Nuvora

// The main hub: a title bar, the six section rows with their counters, the footer
// advertisement, and the reminder pop-up over whatever screen is in front.
Item {
    id: view

    required property MainViewController controller

    ScreenBackground {}

    Rectangle {
        id: titleBar
        width: parent.width
        height: 44
        color: Theme.panel
        z: 1

        PlainText {
            anchors.centerIn: parent
            text: "Nuvora"
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: 20
            font.bold: true
            Accessible.name: "Nuvora 首页"
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.accent
            opacity: 0.6
        }
    }

    MainMenu {
        anchors.top: titleBar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        controller: view.controller
    }

    NotifyPopup {
        controller: view.controller
    }
}
