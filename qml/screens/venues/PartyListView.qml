import QtQuick
import Nuvora

// The party list of the hub: the filter bar above the list (shown at load and when the
// list is pulled), the advertisement banner as the list's header, one row per party.
Screen {
    id: view

    required property PartyListViewController controller

    title: view.controller.tabs.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    PartyTable {
        id: table
        anchors.fill: parent
        controller: view.controller
        emptyText: view.controller.tabs.emptyText
        model: view.controller.records

        header: VenueAdsBanner {
            id: adsHeader
            ads: ((adsHeader.ListView.view as PartyTable).controller as PartyListViewController)
                     .adsHeader
        }

        // Above row 0 and the banner: seen while the list rests at its top inset.
        FilterBar {
            parent: table.contentItem
            y: table.originY - height
            tabs: view.controller.tabs
            buttonWidth: 84
        }
    }
}
