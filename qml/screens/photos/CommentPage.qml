import QtQuick
import Nuvora

// The page of a photo or a mood: the item's header above its comments, the input bar
// with its emoji keyboard below; on the user's own item the turning edit button.
Screen {
    id: page

    required property CommentPageViewController commentPage
    // Made by the list above its first row: the item's ItemHeader.
    property Component itemHeader

    title: page.commentPage.title
    leftTitle: "返回"
    onLeftClicked: page.commentPage.back()
    busyText: "请稍候"
    bottomBarHeight: composerBar.coveredHeight
    rightTurn: page.commentPage.ownItem ? page.commentPage.editButton : null
    rightIcon: page.commentPage.ownItem ? Theme.image("messagebox-edit.png") : ""
    rightName: page.commentPage.ownItem ? "编辑" : ""
    onRightClicked: page.commentPage.edit()

    PagedList {
        id: list
        objectName: "commentList"
        width: parent.width
        height: page.commentPage.composer.layout.tableHeight
        controller: page.commentPage
        model: page.commentPage.records
        header: page.itemHeader
        emptyText: "还没有评论，说点什么吧"
        Accessible.name: "评论列表"

        Behavior on height {
            NumberAnimation { duration: page.commentPage.composer.layout.animationMs }
        }

        delegate: CommentCell {
            width: ListView.view.width
            page: page.commentPage
            rowCount: list.count
        }

        // Closes either keyboard; there only while one is up.
        ExclusiveTap {
            enabled: page.commentPage.composer.layout.tapClosesKeyboard
            onTapped: page.commentPage.composer.dismissKeyboard()
        }
    }

    ComposerBar {
        id: composerBar
        anchors.fill: parent
        composer: page.commentPage.composer
        placeholderText: "写评论"
        fieldName: "评论"
    }
}
