import QtQuick
import Nuvora

// The profile page's first row, the header of its list: the cover, taller while the page
// is pulled down, with the avatar, name and counters over its lower edge. A tap asks for
// a new cover.
Item {
    id: header

    readonly property PagedList list: header.ListView.view as PagedList
    readonly property ProfileCenterViewController controller:
        header.list.controller as ProfileCenterViewController
    // How far the page is pulled below its top.
    readonly property real pulledBy: Math.max(0, header.list.originY - header.list.contentY)

    width: 320
    height: 240

    WebImage {
        id: cover
        objectName: "cover"
        y: -header.pulledBy
        width: header.width
        height: Math.min(320, 145 + header.pulledBy)
        url: header.controller.cover
        placeholder: Theme.image("pc-coverplaceholder.jpg")
        fillMode: WebImage.PreserveAspectCrop
        Accessible.role: Accessible.Button
        Accessible.name: "更换封面"
        Accessible.onPressAction: header.controller.changeCover()
    }
    Rectangle {
        y: cover.y + cover.height - 30
        width: header.width
        height: 30
        gradient: Gradient {
            GradientStop { position: 0; color: "transparent" }
            GradientStop { position: 1; color: "#c0000000" }
        }
    }
    RunningIndicator {
        anchors.centerIn: cover
        running: header.controller.coverUpload.busy
        visible: running
        Accessible.name: "正在上传封面"
    }
    ExclusiveTap {
        onTapped: header.controller.changeCover()
    }

    // The avatar's shadow: black, offset (2, 2), 0.3 opaque.
    Rectangle {
        x: avatar.x + 2
        y: avatar.y + 2
        width: avatar.width
        height: avatar.height
        color: "black"
        opacity: 0.3
    }
    AvatarImage {
        id: avatar
        x: 14
        y: 110
        width: 80
        height: 80
        address: header.controller.user.avatar
        rejected: header.controller.user.avatarRejected
        emptyPicture: Theme.image("placeholder-80-80.png")
        accessibleName: "编辑资料"
        onTapped: header.controller.editInfo()
    }
    PlainText {
        x: 104
        y: 115
        width: 200
        text: header.controller.user.nickname
        font.pixelSize: 16
        font.bold: true
        elide: Text.ElideRight
    }
    PlainText {
        x: 104
        y: 150
        width: 200
        text: header.controller.counters
        color: Theme.textDim
        font.pixelSize: 12
    }
}
