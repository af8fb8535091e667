import QtQuick
import Nuvora

// The profile page's menu of the user's own functions; it drops from the bar while
// shown and slides back under it when hidden.
Item {
    id: menu

    required property ProfileCenterViewController controller

    height: panel.height
    clip: true

    Rectangle {
        id: panel
        y: menu.controller.popViewShowed ? 0 : -height
        visible: y > -height
        width: menu.width
        height: grid.height + 20
        color: Theme.panel
        Behavior on y { NumberAnimation { duration: 200 } }

        Grid {
            id: grid
            anchors.centerIn: parent
            columns: 3
            spacing: 10

            Repeater {
                model: [
                    { label: "设置", act: () => menu.controller.settings() },
                    { label: "编辑资料", act: () => menu.controller.editInfo() },
                    { label: "好友", act: () => menu.controller.gotoFriendList() },
                    { label: "我的喜欢", act: () => menu.controller.gotoFavorList() },
                    { label: "我的报名", act: () => menu.controller.gotoJoinedPartyList() },
                    { label: "提醒", act: () => menu.controller.gotoNotifyCenter() },
                    { label: "发心情", act: () => menu.controller.postMood() },
                    { label: "传照片", act: () => menu.controller.uploadPicture() },
                    { label: "相册", act: () => menu.controller.photoAlbum() }
                ]
                delegate: PillButton {
                    required property var modelData
                    width: 90
                    label: modelData.label
                    onClicked: modelData.act()
                }
            }
        }
    }
}
