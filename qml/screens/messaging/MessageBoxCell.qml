import QtQuick
import Nuvora

// One conversation: the avatar, the nickname, the latest text and the subtitle (the
// unread count with the time, or the time alone). In edit mode a delete control
// shows at the left; tapped, it reveals the confirmation button at the right.
Item {
    id: cell

    required property string nickname
    required property string avatar
    required property string message
    required property string subtitle
    required property color subtitleColor
    property bool editing: false
    property string confirmationTitle
    property bool confirming: false
    signal clicked
    signal avatarClicked
    signal deleteConfirmed

    height: 70
    onEditingChanged: cell.confirming = false
    Accessible.role: Accessible.Button
    Accessible.name: cell.nickname + "，" + cell.message + "，" + cell.subtitle
    Accessible.onPressAction: cell.clicked()

    Rectangle {
        anchors.fill: parent
        color: Theme.accent
        opacity: rowTap.pressed ? 0.2 : 0
    }

    ExclusiveTap {
        id: rowTap
        onTapped: cell.confirming ? cell.confirming = false : cell.clicked()
    }

    // A sideways swipe takes the press from the tap, so that it opens nothing.
    DragHandler {
        target: null
        yAxis.enabled: false
    }

    Rectangle {
        id: deleteControl
        objectName: "deleteControl"
        visible: cell.editing
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 24
        height: 24
        radius: 12
        color: Theme.destructive
        Accessible.role: Accessible.Button
        Accessible.name: "删除"
        Accessible.onPressAction: cell.confirming = !cell.confirming

        Rectangle {
            anchors.centerIn: parent
            width: 12
            height: 2.5
            color: Theme.text
            rotation: cell.confirming ? 90 : 0
            Behavior on rotation { NumberAnimation { duration: 150 } }
        }
        ExclusiveTap {
            onTapped: cell.confirming = !cell.confirming
        }
    }

    AvatarImage {
        id: avatarButton
        objectName: "avatarButton"
        x: cell.editing ? 44 : 10
        anchors.verticalCenter: parent.verticalCenter
        width: 50
        height: 50
        address: cell.avatar
        emptyPicture: Theme.image("placeholder-80-80.png")
        accessibleName: cell.nickname + "的头像"
        onTapped: cell.avatarClicked()

        Behavior on x { NumberAnimation { duration: 150 } }
    }

    PlainText {
        id: nameLabel
        anchors.left: avatarButton.right
        anchors.leftMargin: 10
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 11
        text: cell.nickname
        font.pixelSize: 16
        font.bold: true
        elide: Text.ElideRight
        Accessible.ignored: true
    }

    PlainText {
        id: messageLabel
        anchors.left: nameLabel.left
        anchors.right: parent.right
        anchors.rightMargin: confirmButton.visible ? confirmButton.width + 20 : 12
        y: 33
        text: cell.message
        color: Theme.textDim
        elide: Text.ElideRight
        maximumLineCount: 1
        Accessible.ignored: true
    }

    PlainText {
        anchors.left: nameLabel.left
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 51
        text: cell.subtitle
        color: cell.subtitleColor
        font.pixelSize: 12
        elide: Text.ElideRight
        Accessible.ignored: true
    }

    Rectangle {
        id: confirmButton
        objectName: "confirmDeleteButton"
        visible: cell.editing && cell.confirming
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 60
        height: 32
        radius: 4
        color: Theme.destructive
        Accessible.role: Accessible.Button
        Accessible.name: cell.confirmationTitle
        Accessible.onPressAction: cell.deleteConfirmed()

        PlainText {
            anchors.centerIn: parent
            text: cell.confirmationTitle
            font.bold: true
            Accessible.ignored: true
        }
        ExclusiveTap {
            onTapped: cell.deleteConfirmed()
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        x: 10
        width: parent.width - 10
        height: 1
        color: Theme.separator
    }
}
