import QtQuick
import Nuvora

// The comments of a thread page by page; a page may put an item of its own above the
// first comment (a photo's or a mood's block).
PagedList {
    id: list

    readonly property CommentThreadViewController thread:
        list.controller as CommentThreadViewController
    // Shown above the first comment; made by the page's view.
    property Item headerItem: null
    // While the owner of the item manages its comments; a row's button then asks to
    // delete its comment.
    property bool managingComments: false

    signal deleteRequested(commentId: string)

    model: list.thread.records
    emptyText: "还没有评论，说点什么吧"
    Accessible.name: "评论列表"

    header: Item {
        id: holder
        readonly property CommentList list: holder.ListView.view as CommentList

        width: holder.list.width
        height: holder.list.headerItem ? holder.list.headerItem.height : 0

        Binding {
            when: holder.list.headerItem !== null
            target: holder.list.headerItem
            property: "parent"
            value: holder
        }
    }

    delegate: CommentCell {
        id: cell
        readonly property CommentList list: cell.ListView.view as CommentList

        width: cell.list.width
        page: cell.list.thread
        rowCount: cell.list.count
        deletes: cell.list.managingComments
        onDeleteTapped: commentId => cell.list.deleteRequested(commentId)
    }
}
