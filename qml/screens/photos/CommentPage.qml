pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// The page of a photo or a mood: the item's header above its comments, the input bar
// with its emoji keyboard below; on the user's own item the turning edit button.
Screen {
    id: frame

    required property CommentPageViewController commentPage
    // Made by the list above its first row: the item's ItemHeader.
    property Component itemHeader

    title: frame.commentPage.title
    leftTitle: "返回"
    onLeftClicked: frame.commentPage.back()
    busyText: "请稍候"
    bottomBarHeight: composerBar.coveredHeight
    rightTurn: frame.commentPage.ownItem ? frame.commentPage.editButton : null
    rightIcon: frame.commentPage.ownItem ? Theme.image("messagebox-edit.png") : ""
    rightName: frame.commentPage.ownItem ? "编辑" : ""
    onRightClicked: frame.commentPage.edit()

    PagedList {
        id: list
        objectName: "commentList"
        width: parent.width
        height: frame.commentPage.composer.layout.tableHeight
        controller: frame.commentPage
        model: frame.commentPage.records
        header: frame.itemHeader
        emptyText: "还没有评论，说点什么吧"
        Accessible.name: "评论列表"

        Behavior on height {
            NumberAnimation { duration: frame.commentPage.composer.layout.animationMs }
        }

        delegate: CommentCell {
            width: ListView.view.width
            page: frame.commentPage
            rowCount: list.count
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
