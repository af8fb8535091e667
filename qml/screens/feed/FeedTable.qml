pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// The table of a feed or a timeline: one FeedCell per entry.
PagedList {
    id: table

    property bool ownEntries: false

    Accessible.name: "动态列表"
    model: table.controller.records

    delegate: FeedCell {
        width: ListView.view.width
        list: table.controller as FeedListViewController
        showsActor: !table.ownEntries
    }
}
