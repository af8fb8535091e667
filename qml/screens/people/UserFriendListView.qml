import QtQuick
import Nuvora

// Another user's follows and fans, loading more at the bottom.
Screen {
    id: view

    required property UserFriendListViewController controller

    title: view.controller.tabs.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    FollowFansList {
        anchors.fill: parent
        controller: view.controller
        tabs: view.controller.tabs
        refreshable: false
        onRowSelected: row => view.controller.selectRow(row)
        onAvatarTapped: row => view.controller.cellAvatarButtonTapped(row)
    }
}
