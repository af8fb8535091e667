import QtQuick
import Nuvora

// The club list of the hub: the filter bar above the list (shown at load and when the
// list is pulled), the advertisement banner as the list's header, one row per club.
Screen {
    id: view

    required property ClubListViewController controller

    title: view.controller.tabs.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    ClubTable {
        id: table
        anchors.fill: parent
        controller: view.controller
        model: view.controller.records
        rowHeight: view.controller.rowHeight
        onRowSelected: row => view.controller.selectRow(row)

        header: VenueAdsBanner {
            id: adsHeader
            ads: ((adsHeader.ListView.view as ClubTable).controller as ClubListViewController)
                     .adsHeader
        }

        // Above row 0 and the banner: seen while the list rests at its top inset.
        FilterBar {
            parent: table.contentItem
            y: table.originY - height
            tabs: view.controller.tabs
        }
    }
}
