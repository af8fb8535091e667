import QtQuick
import Nuvora

// The clubs and the parties a user likes: the tab bar above the shown tab's rows, club
// rows or party rows, pulled down to refresh.
Screen {
    id: view

    required property FavorListViewController controller

    title: view.controller.tabs.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    FilterBar {
        id: bar
        tabs: view.controller.tabs
        buttonWidth: 84
    }

    FavorTable {
        objectName: "favorTable"
        anchors.top: bar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        controller: view.controller
    }
}
