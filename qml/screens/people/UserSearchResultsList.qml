import QtQuick
import Nuvora

// The search results' table: one user per row.
PagedList {
    id: table

    readonly property UserSearchResultsViewController results:
        table.controller as UserSearchResultsViewController

    objectName: "resultsTable"
    model: table.results.records
    Accessible.name: "搜索结果"

    delegate: UserListCell {
        id: row

        readonly property UserSearchResultsViewController results:
            (row.ListView.view as UserSearchResultsList).results

        width: ListView.view.width
        height: results.rowHeight
        onClicked: row.results.selectRow(row.index)
        onAvatarClicked: row.results.cellAvatarButtonTapped(row.index)
    }
}
