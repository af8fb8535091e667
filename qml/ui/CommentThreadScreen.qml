import QtQuick
import Nuvora

// A screen of the comments on one thing: the comments page by page above the input bar
// with its emoji keyboard. A page may put a block of its own above the first comment.
Screen {
    id: frame

    required property CommentThreadViewController thread
    // Shown above the first comment: a page's block of its own.
    property Item listHeaderItem: null
    // While the owner of the item manages its comments; a row's button then asks to
    // delete its comment.
    property bool managingComments: false

    signal deleteRequested(commentId: string)

    leftTitle: "返回"
    onLeftClicked: frame.thread.back()
    busyText: "请稍候"
    bottomBarHeight: composerBar.coveredHeight

    CommentList {
        objectName: "commentList"
        width: parent.width
        height: frame.thread.composer.layout.tableHeight
        controller: frame.thread
        headerItem: frame.listHeaderItem
        managingComments: frame.managingComments
        onDeleteRequested: commentId => frame.deleteRequested(commentId)

        Behavior on height {
            NumberAnimation { duration: frame.thread.composer.layout.animationMs }
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
