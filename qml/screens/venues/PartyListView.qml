import QtQuick
import Nuvora

// The party list of the hub: the filter bar above the list (shown at load and when the
// list is pulled), the advertisement banner as the list's header, one row per party.
Screen {
    id: view

    required property PartyListViewController controller

    title: "活动"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    // A banner arriving after the rows pushes them down: once the list has laid it out
    // above them, the list shows it from its top.
    property bool bannerShown: false

    PartyTable {
        id: table
        anchors.fill: parent
        controller: view.controller
        model: view.controller.records
        onOriginYChanged: {
            if (view.controller.adsHeaderView && !view.bannerShown) {
                view.bannerShown = true
                table.contentY = table.originY - table.topMargin
            }
        }

        header: VenueAdsBanner {
            id: adsHeader

            readonly property PartyListViewController partyList:
                (adsHeader.ListView.view as PartyTable).controller as PartyListViewController

            banner: partyList.adsHeaderView
            bannerWidth: partyList.adsHeaderWidth
            bannerHeight: partyList.adsHeaderHeight
        }

        // Above row 0 and the banner: seen while the list rests at its top inset.
        PartyFilterBar {
            parent: table.contentItem
            y: table.originY - height
            controller: view.controller
        }
    }

    PlainText {
        anchors.centerIn: parent
        visible: !view.controller.busy && view.controller.records.count === 0
        text: view.controller.partyType === PartyListViewController.Mine ? "还没有报名的活动"
                                                                           : "近期没有活动"
        color: Theme.textDim
    }
}
