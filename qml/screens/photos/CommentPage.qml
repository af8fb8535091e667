import QtQuick
import Nuvora

// The page of a photo or a mood: the item's header above its comments; on the user's own
// item the turning edit button.
CommentThreadScreen {
    id: frame

    required property CommentPageViewController commentPage
    // The item above the comments (the photo with its caption, the mood's text) and a
    // button of its own, shown in the page's header block.
    required property Item itemContent
    property Item itemAction: null

    thread: frame.commentPage
    title: frame.commentPage.title
    rightTurn: frame.commentPage.ownItem ? frame.commentPage.editButton : null
    rightIcon: frame.commentPage.ownItem ? Theme.image("messagebox-edit.png") : ""
    rightName: frame.commentPage.ownItem ? "编辑" : ""
    onRightClicked: frame.commentPage.edit()
    managingComments: frame.commentPage.managingComments
    onDeleteRequested: commentId => frame.commentPage.deleteComment(commentId)
    listHeaderItem: ItemHeader {
        page: frame.commentPage
        content: frame.itemContent
        action: frame.itemAction
    }
}
