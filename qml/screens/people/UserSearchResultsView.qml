import QtQuick
import Nuvora

// The users a search found, pulled down to search again, loading more at the bottom.
Screen {
    id: view

    required property UserSearchResultsViewController controller

    title: "搜索结果"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    UserSearchResultsList {
        anchors.fill: parent
        controller: view.controller
    }
}
