import QtQuick
import Nuvora

// The page of a photo or a mood: the item's header above its comments, the input bar
// with its emoji keyboard below; on the user's own item the turning edit button.
Screen {
    id: page

    required property CommentPageViewController controller
    // Made by the list above its first row: the item's ItemHeader.
    property Component itemHeader

    title: page.controller.title
    leftTitle: "返回"
    onLeftClicked: page.controller.back()
    busyText: "请稍候"
    bottomBarHeight: composerBar.coveredHeight
    rightTurn: page.controller.ownItem ? page.controller.editButton : null
    rightIcon: page.controller.ownItem ? Theme.image("messagebox-edit.png") : ""
    rightName: page.controller.ownItem ? "编辑" : ""
    onRightClicked: page.controller.edit()

    PagedList {
        id: list
        objectName: "commentList"
        width: parent.width
        height: page.controller.composer.layout.tableHeight
        controller: page.controller
        model: page.controller.records
        header: page.itemHeader
        emptyText: "还没有评论，说点什么吧"
        Accessible.name: "评论列表"

        Behavior on height {
            NumberAnimation { duration: page.controller.composer.layout.animationMs }
        }

        delegate: CommentCell {
            width: ListView.view.width
            page: page.controller
            rowCount: list.count
        }

        // Closes either keyboard; there only while one is up.
        ExclusiveTap {
            enabled: page.controller.composer.layout.tapClosesKeyboard
            onTapped: page.controller.composer.dismissKeyboard()
        }
    }

    ComposerBar {
        id: composerBar
        anchors.fill: parent
        composer: page.controller.composer
        placeholderText: "写评论"
        fieldName: "评论"
    }
}
