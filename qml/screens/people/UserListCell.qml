import QtQuick
import Nuvora

// One user as a list row: avatar, sex icon, nickname, age with the distance right after
// it, and the mood. The row and the avatar report taps separately; in edit mode a delete
// control shows at the left and reports its own.
Item {
    id: cell

    required property int index
    required property string avatar
    required property bool avatarRejected
    required property string nickname
    required property string mood
    required property int gender
    required property int age
    required property string distance
    property bool editing: false
    // How far the row's content moves right for the delete control.
    readonly property real indent: cell.editing ? 34 : 0
    signal clicked
    signal avatarClicked
    signal deleteClicked

    height: 70
    Accessible.role: Accessible.Button
    Accessible.name: cell.nickname + "，" + ageLabel.text + cell.distance
    Accessible.onPressAction: cell.clicked()

    Rectangle {
        anchors.fill: parent
        color: rowTap.pressed ? Theme.separator : "transparent"
    }

    MouseArea {
        id: rowTap
        anchors.fill: parent
        onClicked: cell.clicked()
    }

    Rectangle {
        objectName: "deleteControl"
        visible: cell.editing
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 24
        height: 24
        radius: 12
        color: Theme.destructive
        Accessible.role: Accessible.Button
        Accessible.name: "删除" + cell.nickname
        Accessible.onPressAction: cell.deleteClicked()

        Rectangle {
            anchors.centerIn: parent
            width: 12
            height: 2.5
            color: Theme.text
        }
        ExclusiveTap {
            onTapped: cell.deleteClicked()
        }
    }

    AvatarImage {
        id: avatarButton
        x: 10 + cell.indent
        y: 8
        width: 54
        height: 54
        address: cell.avatar
        rejected: cell.avatarRejected
        emptyPicture: Theme.image("placeholder-80-80.png")
        accessibleName: cell.nickname + "的头像"
        onTapped: cell.avatarClicked()
    }

    Image {
        id: genderIcon
        x: 74 + cell.indent
        y: 11
        width: 14
        height: 14
        source: Theme.image(cell.gender === 1 ? "common-boy-icon.png" : "common-girl-icon.png")
        Accessible.role: Accessible.Graphic
        Accessible.name: cell.gender === 1 ? "男" : "女"
        Accessible.description: Accessible.name
    }

    PlainText {
        anchors.left: genderIcon.right
        anchors.leftMargin: 5
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: genderIcon.verticalCenter
        text: cell.nickname
        font.pixelSize: 15
        font.bold: true
        elide: Text.ElideRight
    }

    // The age label is as wide as its text; the distance follows it directly.
    PlainText {
        id: ageLabel
        x: 74 + cell.indent
        y: 30
        text: cell.age + "岁,距离"
        color: Theme.textDim
        font.pixelSize: 12
    }

    PlainText {
        x: ageLabel.x + ageLabel.implicitWidth
        y: ageLabel.y
        width: parent.width - x - 10
        text: cell.distance
        color: Theme.accentCyan
        font.pixelSize: 12
        elide: Text.ElideRight
    }

    PlainText {
        x: 74 + cell.indent
        y: 48
        width: parent.width - x - 10
        text: cell.mood
        color: Theme.textDim
        font.pixelSize: 12
        elide: Text.ElideRight
    }

    Rectangle {
        anchors.bottom: parent.bottom
        x: 10
        width: parent.width - 20
        height: 1
        color: Theme.separator
    }
}
