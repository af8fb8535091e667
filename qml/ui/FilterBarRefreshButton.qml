import QtQuick
import Nuvora

// The refresh button of a list's filter bar; while a page loads, the running indicator
// stands in its place.
Item {
    id: refresh

    property bool busy: false
    signal clicked

    width: 36
    height: 36

    Rectangle {
        id: refreshButton
        objectName: "refreshButton"
        anchors.fill: parent
        radius: 18
        visible: !refresh.busy
        color: refreshTap.pressed ? Theme.separator : "transparent"
        border.color: Theme.accentViolet
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: "刷新"
        Accessible.onPressAction: refresh.clicked()

        PlainText {
            anchors.centerIn: parent
            text: "↻"
            font.pixelSize: 20
            color: Theme.accentCyan
        }

        ExclusiveTap {
            id: refreshTap
            onTapped: refresh.clicked()
        }
    }

    RunningIndicator {
        id: indicatorView
        anchors.centerIn: parent
        width: 26
        height: 26
        running: refresh.busy
        Accessible.name: "加载中"
    }
}
