import QtQuick
import Nuvora

// One row of the nearby grid: up to four avatars; a row with fewer users leaves the
// remaining buttons empty, and tapping those opens nobody.
Item {
    id: cell

    required property int index
    required property var records
    signal avatarClicked(int column)

    objectName: "gridRow" + index
    height: 80

    function userAt(column: int): var {
        return column < cell.records.length ? cell.records[column] : null
    }

    AvatarButton { column: 0; user: cell.userAt(0); onTapped: cell.avatarClicked(0) }
    AvatarButton { column: 1; user: cell.userAt(1); onTapped: cell.avatarClicked(1) }
    AvatarButton { column: 2; user: cell.userAt(2); onTapped: cell.avatarClicked(2) }
    AvatarButton { column: 3; user: cell.userAt(3); onTapped: cell.avatarClicked(3) }

    component AvatarButton: Item {
        id: button

        required property int column
        required property var user
        signal tapped

        objectName: "gridAvatar" + column
        x: 4 + column * 79
        y: 3
        width: 74
        height: 74
        Accessible.role: Accessible.Button
        Accessible.name: user ? user.nickname + "的头像" : "空位"
        Accessible.onPressAction: button.tapped()

        AvatarImage {
            anchors.fill: parent
            visible: button.user !== null
            address: button.user ? button.user.avatar : ""
            rejected: button.user ? button.user.avatarRejected : false
            emptyPicture: Theme.image("placeholder-80-80.png")
            Accessible.ignored: true
            onTapped: button.tapped()
        }

        ExclusiveTap {
            enabled: button.user === null
            onTapped: button.tapped()
        }
    }
}
