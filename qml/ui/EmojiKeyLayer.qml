import QtQuick
import Nuvora

// The emoji keyboard's keys across all its pages, each at its frame, showing the
// standard emoji for its character.
Item {
    id: layer

    required property EmojiView emojiView

    width: layer.emojiView.contentWidth
    height: layer.emojiView.height

    Repeater {
        model: layer.emojiView.keys

        delegate: Item {
            id: key

            required property int index
            required property var modelData
            readonly property EmojiKeyLayer keys: key.parent as EmojiKeyLayer

            x: key.modelData.frame.x
            y: key.modelData.frame.y
            width: key.modelData.frame.width
            height: key.modelData.frame.height
            Accessible.role: Accessible.Button
            Accessible.name: "表情" + (key.index + 1)
            Accessible.onPressAction: key.keys.emojiView.selectKey(key.index)

            Rectangle {
                anchors.fill: parent
                anchors.margins: 2
                radius: 6
                color: Theme.accent
                opacity: keyTap.pressed ? 0.35 : 0
            }

            PlainText {
                anchors.centerIn: parent
                text: key.modelData.shown
                font.pixelSize: 26
            }

            ExclusiveTap {
                id: keyTap
                onTapped: key.keys.emojiView.selectKey(key.index)
            }
        }
    }
}
