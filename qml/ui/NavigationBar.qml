import QtQuick
import Nuvora

// The bar on top of a screen: its title, and text buttons left and right; a screen
// may show an icon that turns with its state on the right instead.
Rectangle {
    id: bar

    property string title
    property string leftTitle
    property string rightTitle
    property ButtonRotation rightTurn: null
    property url rightIcon
    property string rightName
    signal leftClicked
    signal rightClicked

    width: parent ? parent.width : 320
    height: 44
    color: Theme.panel
    z: 1

    PlainText {
        anchors.centerIn: parent
        width: parent.width - 150
        text: bar.title
        color: Theme.text
        font.family: Theme.fontFamily
        font.pixelSize: 18
        font.bold: true
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        Accessible.role: Accessible.TitleBar
        Accessible.name: bar.title
    }

    BarButton {
        anchors.left: parent.left
        anchors.leftMargin: 6
        label: bar.leftTitle
        onClicked: bar.leftClicked()
    }

    BarButton {
        anchors.right: parent.right
        anchors.rightMargin: 6
        label: bar.rightTurn ? "" : bar.rightTitle
        onClicked: bar.rightClicked()
    }

    TurningButton {
        objectName: "rightTurningButton"
        visible: bar.rightTurn !== null
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        turn: bar.rightTurn
        icon: bar.rightIcon
        Accessible.name: bar.rightName
        onClicked: bar.rightClicked()
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.accent
        opacity: 0.6
    }

    component BarButton: Rectangle {
        id: button

        required property string label
        signal clicked

        anchors.verticalCenter: parent.verticalCenter
        visible: label.length > 0
        width: Math.max(56, caption.implicitWidth + 20)
        height: 30
        radius: 6
        color: tap.pressed ? Theme.separator : "transparent"
        border.color: Theme.accentCyan
        border.width: 1

        PlainText {
            id: caption
            anchors.centerIn: parent
            text: button.label
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
        }

        ExclusiveTap {
            id: tap
            onTapped: button.clicked()
        }

        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: button.clicked()
    }
}
