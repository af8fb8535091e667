pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// The page of one mood: its text above its comments.
CommentPage {
    id: view

    required property MoodCommentViewController controller

    commentPage: view.controller

    listHeader: ItemHeader {
        page: view.controller

        PlainText {
            width: parent.width
            text: view.controller.mood.content
            wrapMode: Text.Wrap
        }
    }
}
