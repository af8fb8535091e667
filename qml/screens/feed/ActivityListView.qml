import QtQuick
import Nuvora

// The hub's feed: the nearby and friends tabs in the filter bar above the entries, and
// the button to publish.
Screen {
    id: view

    required property ActivityListViewController controller

    title: view.controller.tabs.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    rightTitle: "发表"
    onRightClicked: view.controller.publicActivity()

    FeedTable {
        id: table
        anchors.fill: parent
        controller: view.controller
        emptyText: view.controller.tabs.emptyText

        // Above row 0: seen while the list rests at its top inset.
        FilterBar {
            parent: table.contentItem
            y: table.originY - height
            tabs: view.controller.tabs
            buttonWidth: 120
        }
    }
}
