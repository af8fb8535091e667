import QtQuick
import Nuvora

// The favourites' table: club rows on the clubs tab, party rows on the parties tab; a
// tap opens the row's venue.
PagedList {
    id: table

    readonly property FavorListViewController favors: table.controller as FavorListViewController

    Component.onCompleted: table.show()
    Accessible.name: table.favors.tabs.shownTag === FavorListViewController.ClubsTag
                     ? "喜欢的夜店" : "喜欢的活动"
    // An empty tab ends as every list does, with "已加载完全部".
    emptyText: ""

    // The tab's rows. The model and its row type change together, so that no row is made
    // for the other kind of record.
    function show(): void {
        const clubs = table.favors.tabs.shownTag === FavorListViewController.ClubsTag
        table.model = null
        table.delegate = clubs ? clubRow : partyRow
        table.model = table.favors.records
    }

    Connections {
        target: table.favors.tabs
        function onShownChanged(): void {
            table.show()
        }
    }

    Component {
        id: clubRow

        ClubListCell {
            id: row

            required property int index
            readonly property FavorListViewController favors: (row.ListView.view as FavorTable).favors

            width: ListView.view.width
            height: row.favors.clubRowHeight
            onClicked: row.favors.selectRow(row.index)
        }
    }

    Component {
        id: partyRow

        PartyListCell {
            id: row

            required property int index
            readonly property FavorListViewController favors: (row.ListView.view as FavorTable).favors

            width: ListView.view.width
            height: row.favors.rowHeight
            favorLabelX: row.favors.favorLabelX
            favorLabelWidth: row.favors.favorLabelWidth(row.favor)
            floatLabelX: row.favors.floatLabelX(row.favor)
            countFontSize: row.favors.countFontSize
            onClicked: row.favors.selectRow(row.index)
        }
    }
}
