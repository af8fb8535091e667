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

    component FilterButton: Rectangle {
        id: button

        required property string label
        required property int tag
        property bool selected: false
        signal clicked(int tag)

        objectName: "filter" + tag
        width: 60
        height: 34
        radius: 17
        color: selected ? Theme.accent : (tap.pressed ? Theme.separator : "transparent")
        border.color: selected ? Theme.accent : Theme.accentCyan
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.checkable: true
        Accessible.checked: selected
        Accessible.onPressAction: button.clicked(button.tag)

        PlainText {
            anchors.centerIn: parent
            text: button.label
            font.pixelSize: 13
            font.bold: button.selected
        }

        ExclusiveTap {
            id: tap
            onTapped: button.clicked(button.tag)
        }
    }

    Row {
        x: 8
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        FilterButton {
            label: "附近"
            tag: ClubListViewController.NearbyTag
            selected: bar.controller.clubType === ClubListViewController.Nearby
            onClicked: tag => bar.controller.performFilter(tag)
        }
        FilterButton {
            label: "人气"
            tag: ClubListViewController.TopTag
            selected: bar.controller.clubType === ClubListViewController.Top
            onClicked: tag => bar.controller.performFilter(tag)
        }
        FilterButton {
            label: "我喜欢"
            tag: ClubListViewController.FavoritesTag
            selected: bar.controller.clubType === ClubListViewController.Favorites
            onClicked: tag => bar.controller.performFilter(tag)
        }
        FilterButton {
            label: "搜索"
            tag: ClubListViewController.SearchTag
            onClicked: tag => bar.controller.performFilter(tag)
        }
    }

    Rectangle {
        id: refreshButton
        x: parent.width - width - 8
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        radius: 18
        visible: !bar.controller.busy
        color: refreshTap.pressed ? Theme.separator : "transparent"
        border.color: Theme.accentViolet
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: "刷新"
        Accessible.onPressAction: bar.controller.refreshButtonTapped()

        PlainText {
            anchors.centerIn: parent
            text: "↻"
            font.pixelSize: 20
            color: Theme.accentCyan
        }

        ExclusiveTap {
            id: refreshTap
            onTapped: bar.controller.refreshButtonTapped()
        }
    }

    RunningIndicator {
        id: indicatorView
        anchors.centerIn: refreshButton
        width: 26
        height: 26
        running: bar.controller.busy
        Accessible.name: "加载中"
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.separator
    }
}
