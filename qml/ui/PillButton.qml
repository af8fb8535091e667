import QtQuick
import Nuvora

// A small rounded button of a page (a venue's, a photo's); `filled` marks the state taken
// (liked, signed up), whose press undoes it.
Rectangle {
    id: pill

    required property string label
    property bool filled: false
    signal clicked

    width: Math.max(64, caption.implicitWidth + 24)
    height: 30
    radius: 15
    color: filled ? Theme.accent : (tap.pressed ? Theme.separator : "transparent")
    border.color: Theme.accent
    border.width: 1
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: pill.clicked()

    PlainText {
        id: caption
        anchors.centerIn: parent
        text: pill.label
        font.pixelSize: 13
        font.bold: true
    }

    ExclusiveTap {
        id: tap
        onTapped: pill.clicked()
    }
}
