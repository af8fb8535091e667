import QtQuick
import Nuvora

// The club list of the hub: the filter bar above the list (shown at load and when the
// list is pulled), the advertisement banner as the list's header, one row per club.
Screen {
    id: view

    required property ClubListViewController controller

    title: "夜店"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    // A banner arriving after the rows pushes them down: once the list has laid it out
    // above them, the list shows it from its top.
    property bool bannerShown: false

    ClubTable {
        id: table
        anchors.fill: parent
        controller: view.controller
        model: view.controller.records
        rowHeight: view.controller.rowHeight
        onRowSelected: row => view.controller.selectRow(row)
        onOriginYChanged: {
            if (view.controller.adsHeaderView && !view.bannerShown) {
                view.bannerShown = true
                table.contentY = table.originY - table.topMargin
            }
        }

        header: VenueAdsBanner {
            id: adsHeader

            readonly property ClubListViewController clubs:
                (adsHeader.ListView.view as ClubTable).controller as ClubListViewController

            banner: clubs.adsHeaderView
            bannerWidth: clubs.adsHeaderWidth
            bannerHeight: clubs.adsHeaderHeight
        }

        // Above row 0 and the banner: seen while the list rests at its top inset.
        ClubFilterBar {
            parent: table.contentItem
            y: table.originY - height
            controller: view.controller
        }
    }
}
