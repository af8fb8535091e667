import QtQuick
import Nuvora

// The bar above the club list: the three lists and the search, told apart by their
// tags, the refresh button and, while a page loads, the running indicator in its place.
Rectangle {
    id: bar

    required property ClubListViewController controller

    width: parent ? parent.width : 320
    height: controller.topViewHeight
    color: Theme.panel

    Row {
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        VenueFilterButton {
            label: "附近"
            tag: ClubListViewController.NearbyTag
            selected: bar.controller.clubType === ClubListViewController.Nearby
            onClicked: tag => bar.controller.performFilter(tag)
        }
        VenueFilterButton {
            label: "人气"
            tag: ClubListViewController.TopTag
            selected: bar.controller.clubType === ClubListViewController.Top
            onClicked: tag => bar.controller.performFilter(tag)
        }
        VenueFilterButton {
            label: "我喜欢"
            tag: ClubListViewController.FavoritesTag
            selected: bar.controller.clubType === ClubListViewController.Favorites
            onClicked: tag => bar.controller.performFilter(tag)
        }
        VenueFilterButton {
            label: "搜索"
            tag: ClubListViewController.SearchTag
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
