import QtQuick
import Nuvora

// The nearby users' table: grid rows of four avatars or list rows, the filter bar above
// the first row, and the scroll events reported to the screen.
PagedList {
    id: table

    // The style shown; the screen switches it halfway through the flip.
    property int style: UserListViewController.GridStyle
    readonly property UserListViewController users: table.controller as UserListViewController

    // A kept controller's new view comes back as the old one was left.
    Component.onCompleted: table.show(table.users.tableStyle, table.users.scroll.contentOffsetY)

    // Shows `style` scrolled to `place`. The model and its row type change together, so
    // that no row is made for the other.
    function show(style: int, place: real): void {
        table.style = style
        const grid = style === UserListViewController.GridStyle
        table.model = null
        table.delegate = grid ? gridRow : listRow
        table.model = grid ? table.users.grid : table.users.records
        table.contentY = table.originY + place
        table.returnToBounds()
    }
    Accessible.name: table.style === UserListViewController.GridStyle ? "附近的人（宫格）" : "附近的人（列表）"

    Component {
        id: gridRow

        UserGridCell {
            id: row

            readonly property UserListViewController users: (row.ListView.view as UserTable).users

            width: ListView.view.width
            height: users.gridRowHeight
            onAvatarClicked: column => row.users.cellAvatarButtonTapped(row.index, column)
        }
    }

    Component {
        id: listRow

        UserListCell {
            id: row

            readonly property UserListViewController users: (row.ListView.view as UserTable).users

            width: ListView.view.width
            height: users.listRowHeight
            onClicked: row.users.selectRow(row.index)
            onAvatarClicked: row.users.avatarButtonTapped(row.index)
        }
    }

    // The filter bar above row 0, seen at load and whenever the list is pulled down.
    Image {
        // In the content, so that it scrolls with the rows.
        parent: table.contentItem
        y: table.originY - height
        width: table.width
        height: table.users.filterBarHeight
        source: Theme.image("common-background-tile.png")
        fillMode: Image.Tile

        Row {
            anchors.centerIn: parent
            spacing: 12

            FilterButton {
                objectName: "filterButton0"
                label: "全部"
                chosen: table.users.filterGender === 0
                onTapped: table.users.performFilter(0)
            }
            FilterButton {
                objectName: "filterButton1"
                label: "男生"
                chosen: table.users.filterGender === 1
                onTapped: table.users.performFilter(1)
            }
            FilterButton {
                objectName: "filterButton2"
                label: "女生"
                chosen: table.users.filterGender === 2
                onTapped: table.users.performFilter(2)
            }
        }
    }

    component FilterButton: Rectangle {
        id: button

        required property string label
        required property bool chosen
        signal tapped

        width: 84
        height: 34
        radius: 17
        color: chosen ? Theme.accent : Theme.panel
        border.color: chosen ? Theme.accent : Theme.accentCyan
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: "只看" + label
        Accessible.onPressAction: button.tapped()

        PlainText {
            anchors.centerIn: parent
            text: button.label
            font.bold: button.chosen
        }

        ExclusiveTap {
            onTapped: button.tapped()
        }
    }
}
