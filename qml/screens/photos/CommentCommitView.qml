import QtQuick
import Nuvora

// Commenting on another user's photo or mood: the comment beside the owner's avatar, and
// under it who posted what, and when.
ComposerFormScreen {
    id: view

    required property CommentCommitViewController controller

    form: view.controller
    title: view.controller.title
    placeholderText: "写下你的评论"
    fieldName: "评论内容"

    below: Column {
        width: parent.width
        spacing: 6

        PlainText {
            objectName: "timeLine"
            width: parent.width
            text: view.controller.timeLine
            color: Theme.textDim
            font.pixelSize: 12
            elide: Text.ElideRight
        }
        PlainText {
            objectName: "commentedContent"
            width: parent.width
            text: view.controller.content
            wrapMode: Text.Wrap
            maximumLineCount: 4
            elide: Text.ElideRight
        }
    }
}
