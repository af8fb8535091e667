import QtQuick
import Nuvora

// Posting a mood: the text beside the avatar and the comment check box under it.
ComposerFormScreen {
    id: view

    required property MoodPostViewController controller

    form: view.controller
    title: "发表心情"
    placeholderText: "说说你现在的心情"
    fieldName: "心情内容"

    below: CommentCheckBox {
        image: view.controller.checkBoxImage
        onTapped: view.controller.checkBoxTapped()
    }
}
