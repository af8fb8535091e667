import QtQuick
import Nuvora

// The clubs the search found, refreshed by pulling, more by scrolling to the bottom.
Screen {
    id: view

    required property ClubSearchResultsViewController controller

    title: "搜索结果"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    ClubTable {
        anchors.fill: parent
        controller: view.controller
        emptyText: "没有找到夜店"
        model: view.controller.records
        rowHeight: view.controller.rowHeight
        onRowSelected: row => view.controller.selectRow(row)
    }
}
