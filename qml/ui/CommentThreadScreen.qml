pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// A screen of the comments on one thing: the comments page by page above the input bar
// with its emoji keyboard. A page may put a block of its own above the first comment.
Screen {
    id: frame

    required property CommentThreadViewController thread
    // Made by the list above its first row.
    property Component listHeader
    // While the owner of the item manages its comments; a row's button then asks to
    // delete its comment.
    property bool managingComments: false

    signal deleteRequested(commentId: string)

    leftTitle: "返回"
    onLeftClicked: frame.thread.back()
    busyText: "请稍候"
    bottomBarHeight: composerBar.coveredHeight

    PagedList {
        id: list
        objectName: "commentList"
        width: parent.width
        height: frame.thread.composer.layout.tableHeight
        controller: frame.thread
        model: frame.thread.records
        header: frame.listHeader
        emptyText: "还没有评论，说点什么吧"
        Accessible.name: "评论列表"

        Behavior on height {
            NumberAnimation { duration: frame.thread.composer.layout.animationMs }
        }

        delegate: CommentCell {
            width: ListView.view.width
            page: frame.thread
            rowCount: list.count
            deletes: frame.managingComments
            onDeleteTapped: commentId => frame.deleteRequested(commentId)
        }

        // Closes either keyboard; there only while one is up.
        ExclusiveTap {
            enabled: frame.thread.composer.layout.tapClosesKeyboard
            onTapped: frame.thread.composer.dismissKeyboard()
        }
    }

    ComposerBar {
        id: composerBar
        anchors.fill: parent
        composer: frame.thread.composer
        placeholderText: "写评论"
        fieldName: "评论"
    }
}
