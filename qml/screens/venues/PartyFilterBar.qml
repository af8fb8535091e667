import QtQuick
import Nuvora

// The bar above the party list: the current parties and the user's own, told apart by
// their tags, the refresh button and, while a page loads, the running indicator.
Rectangle {
    id: bar

    required property PartyListViewController controller

    width: parent ? parent.width : 320
    height: controller.topViewHeight
    color: Theme.panel

    Row {
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8

        VenueFilterButton {
            width: 84
            label: "近期活动"
            tag: PartyListViewController.CurrentTag
            selected: bar.controller.partyType === PartyListViewController.Current
            onClicked: tag => bar.controller.performFilter(tag)
        }
        VenueFilterButton {
            width: 84
            label: "我的报名"
            tag: PartyListViewController.MineTag
            selected: bar.controller.partyType === PartyListViewController.Mine
            onClicked: tag => bar.controller.performFilter(tag)
        }
    }

    VenueRefreshButton {
        x: parent.width - width - 8
        anchors.verticalCenter: parent.verticalCenter
        busy: bar.controller.busy
        onClicked: bar.controller.refreshButtonTapped()
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.separator
    }
}
