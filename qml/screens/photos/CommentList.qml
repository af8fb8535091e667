import QtQuick
import Nuvora

// The comments of a photo or a mood, below the header block that shows the item.
PagedList {
    id: list

    readonly property CommentPageViewController commentPage:
        list.controller as CommentPageViewController
    // What the header block shows of the item, made by the page's view.
    property Item itemContent: null
    property Item itemAction: null

    model: list.commentPage.records
    emptyText: "还没有评论，说点什么吧"
    Accessible.name: "评论列表"

    header: ItemHeader {
        id: itemHeader
        readonly property CommentList list: itemHeader.ListView.view as CommentList

        page: itemHeader.list.commentPage
        content: itemHeader.list.itemContent
        action: itemHeader.list.itemAction
    }

    delegate: CommentCell {
        id: cell
        readonly property CommentList list: cell.ListView.view as CommentList

        width: cell.list.width
        page: cell.list.commentPage
        rowCount: cell.list.count
    }
}
