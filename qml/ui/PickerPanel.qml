import QtQuick
import Nuvora

// A picker's panel that slides up from below the screen: a bar with "取消", its title and
// "完成" above the wheels it holds. It is placed on the whole screen, bar included, so
// that shown its bottom meets the screen's; presses on it stay on it.
Rectangle {
    id: panel

    required property bool shown
    property string title
    property bool cancellable: true
    default property alias wheels: body.data
    signal cancelled
    signal done

    z: 5
    y: panel.shown ? 200 : 460
    width: 320
    height: 260
    color: Theme.panelTop
    Behavior on y { NumberAnimation { duration: 200 } }

    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        id: bar
        width: parent.width
        height: 44
        color: Theme.panel

        BarButton {
            visible: panel.cancellable
            anchors.left: parent.left
            anchors.leftMargin: 8
            label: "取消"
            onClicked: panel.cancelled()
        }
        PlainText {
            anchors.centerIn: parent
            text: panel.title
            font.pixelSize: Theme.titleFontSize
            font.bold: true
        }
        BarButton {
            anchors.right: parent.right
            anchors.rightMargin: 8
            label: "完成"
            onClicked: panel.done()
        }
    }

    Item {
        id: body
        anchors.top: bar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
    }

    component BarButton: Rectangle {
        id: button

        required property string label
        signal clicked

        anchors.verticalCenter: parent.verticalCenter
        width: 56
        height: 30
        radius: 6
        color: tap.pressed ? Theme.separator : "transparent"
        border.color: Theme.accentCyan
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: button.clicked()

        PlainText {
            anchors.centerIn: parent
            text: button.label
        }

        ExclusiveTap {
            id: tap
            onTapped: button.clicked()
        }
    }
}
