import QtQuick
import Nuvora

// The page of one mood: its text above its comments.
CommentPage {
    id: view

    required property MoodCommentViewController controller

    commentPage: view.controller

    itemContent: PlainText {
        width: 280
        text: view.controller.mood.content
        wrapMode: Text.Wrap
    }
}
