import QtQuick
import Nuvora

// The table of a club list screen: one ClubListCell per club; a tap reports its row.
PagedList {
    id: table

    property real rowHeight: 94
    signal rowSelected(int row)

    Accessible.name: "夜店列表"

    delegate: ClubListCell {
        id: row

        required property int index
        readonly property ClubTable table: row.ListView.view as ClubTable

        width: ListView.view.width
        height: table.rowHeight
        onClicked: row.table.rowSelected(row.index)
    }
}
