import QtQuick
import Nuvora

// The page of a photo or a mood: the item's header above its comments, the input bar
// with its emoji keyboard below; on the user's own item the turning edit button.
Screen {
    id: frame

    required property CommentPageViewController commentPage
    // The item above the comments (the photo with its caption, the mood's text) and a
    // button of its own; the header block above the list's first row shows them.
    required property Item itemContent
    property Item itemAction: null

    title: frame.commentPage.title
    leftTitle: "返回"
    onLeftClicked: frame.commentPage.back()
    busyText: "请稍候"
    bottomBarHeight: composerBar.coveredHeight
    rightTurn: frame.commentPage.ownItem ? frame.commentPage.editButton : null
    rightIcon: frame.commentPage.ownItem ? Theme.image("messagebox-edit.png") : ""
    rightName: frame.commentPage.ownItem ? "编辑" : ""
    onRightClicked: frame.commentPage.edit()

    CommentList {
        objectName: "commentList"
        width: parent.width
        height: frame.commentPage.composer.layout.tableHeight
        controller: frame.commentPage
        itemContent: frame.itemContent
        itemAction: frame.itemAction

        Behavior on height {
            NumberAnimation { duration: frame.commentPage.composer.layout.animationMs }
        }

        // Closes either keyboard; there only while one is up.
        ExclusiveTap {
            enabled: frame.commentPage.composer.layout.tapClosesKeyboard
            onTapped: frame.commentPage.composer.dismissKeyboard()
        }
    }

    ComposerBar {
        id: composerBar
        anchors.fill: parent
        composer: frame.commentPage.composer
        placeholderText: "写评论"
        fieldName: "评论"
    }
}
