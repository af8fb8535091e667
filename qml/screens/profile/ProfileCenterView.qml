import QtQuick
import Nuvora

// The user's own page: the cover (pulling the page down stretches it), avatar, name and
// counters as the first row, the user's own entries below, and the menu that drops from
// the bar.
Screen {
    id: view

    required property ProfileCenterViewController controller

    title: "我的"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    rightIcon: Theme.image("pc-more.png")
    rightTurn: view.controller.moreTurn
    rightName: view.controller.popViewShowed ? "收起菜单" : "展开菜单"
    onRightClicked: view.controller.more()

    FeedTable {
        id: table
        anchors.fill: parent
        controller: view.controller
        ownEntries: true
        emptyText: "还没有动态"
        header: ProfileHeader {}
    }

    ProfileMenu {
        width: parent.width
        controller: view.controller
    }
}
