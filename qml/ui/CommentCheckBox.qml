import QtQuick
import Nuvora

// The check box under a post opening it to comments.
Row {
    id: box

    required property string image
    signal tapped

    objectName: "commentCheckBox"
    spacing: 6
    height: 30
    Accessible.role: Accessible.CheckBox
    Accessible.name: "允许评论"
    Accessible.checked: box.image === "albums-checkbox-s.png"
    Accessible.onPressAction: box.tapped()

    Image {
        anchors.verticalCenter: parent.verticalCenter
        source: Theme.image(box.image)
        Accessible.ignored: true
    }
    PlainText {
        anchors.verticalCenter: parent.verticalCenter
        text: "允许评论"
        color: Theme.textDim
        Accessible.ignored: true
    }
    ExclusiveTap {
        onTapped: box.tapped()
    }
}
