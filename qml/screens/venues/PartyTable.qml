import QtQuick
import Nuvora

// The table of a party list screen: one PartyListCell per party; a tap opens its page.
PagedList {
    id: table

    readonly property PartyTableViewController parties: controller as PartyTableViewController

    Accessible.name: "活动列表"

    delegate: PartyListCell {
        id: row

        required property int index
        readonly property PartyTable table: row.ListView.view as PartyTable

        width: ListView.view.width
        height: table.parties.rowHeight
        favorLabelX: table.parties.favorLabelX
        favorLabelWidth: table.parties.favorLabelWidth(row.favor)
        floatLabelX: table.parties.floatLabelX(row.favor)
        countFontSize: table.parties.countFontSize
        onClicked: row.table.parties.selectRow(row.index)
    }
}
