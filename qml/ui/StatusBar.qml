import QtQuick
import Nuvora

// The phone's status bar strip above the screens, with the time.
Rectangle {
    id: bar
    color: Theme.statusBar

    property date now: new Date()

    Timer {
        interval: 30000
        running: true
        repeat: true
        onTriggered: bar.now = new Date()
    }

    PlainText {
        anchors.centerIn: parent
        text: Qt.formatTime(bar.now, "HH:mm")
        color: Theme.text
        font.family: Theme.fontFamily
        font.pixelSize: 12
        font.bold: true
        Accessible.name: "时间 " + text
    }
}
