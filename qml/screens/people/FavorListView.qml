import QtQuick
import Nuvora

// The clubs and the parties a user likes: the tab bar above the shown tab's rows, club
// rows or party rows, pulled down to refresh.
Screen {
    id: view

    required property FavorListViewController controller

    title: view.controller.tabs.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    FilterBar {
        id: bar
        tabs: view.controller.tabs
        buttonWidth: 84
    }

    // One table per kind of row, made anew when the tab changes.
    Loader {
        anchors.top: bar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        sourceComponent: view.controller.tabs.shownTag === FavorListViewController.ClubsTag
                         ? clubTable : partyTable
    }

    Component {
        id: clubTable

        ClubTable {
            objectName: "favorClubTable"
            controller: view.controller
            emptyText: ""
            model: view.controller.records
            rowHeight: view.controller.clubRowHeight
            onRowSelected: row => view.controller.selectRow(row)
        }
    }

    Component {
        id: partyTable

        PartyTable {
            objectName: "favorPartyTable"
            controller: view.controller
            emptyText: ""
            model: view.controller.records
        }
    }
}
