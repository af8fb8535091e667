pragma ComponentBehavior: Bound

import QtQuick
import Nuvora

// The bar above a list with tabs: one button per tab or other action of `tabs`, the
// shown tab lit, and, on a list that refreshes, the refresh button of the shown list
// (the running indicator in its place while a page loads).
Rectangle {
    id: bar

    required property TabbedQueries tabs
    property real buttonWidth: 60
    property bool refreshable: true

    width: parent ? parent.width : 320
    height: bar.tabs.barHeight
    color: Theme.panel

    Row {
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        Repeater {
            model: bar.tabs.buttons

            FilterBarButton {
                required property var modelData

                width: bar.buttonWidth
                label: modelData.title
                tag: modelData.tag
                selected: modelData.isTab && bar.tabs.shownTag === modelData.tag
                onClicked: tag => bar.tabs.press(tag)
            }
        }
    }

    FilterBarRefreshButton {
        visible: bar.refreshable
        x: parent.width - width - 8
        anchors.verticalCenter: parent.verticalCenter
        busy: bar.tabs.shown.busy
        onClicked: bar.tabs.refresh()
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.separator
    }
}
