import QtQuick
import Nuvora

// The emoji keyboard: pages of keys scrolled sideways, each key showing the standard
// emoji for its character, the page indicator, and the delete and send keys.
Rectangle {
    id: keyboard

    required property EmojiView emojiView

    width: keyboard.emojiView.pageWidth
    height: keyboard.emojiView.height
    color: Theme.panel
    Accessible.role: Accessible.Pane
    Accessible.name: "表情键盘"

    Flickable {
        id: pages
        objectName: "emojiPages"
        anchors.fill: parent
        contentWidth: keyboard.emojiView.contentWidth
        contentHeight: height
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        // A swipe turns one page: no momentum, and a short drag springs back.
        property int startPage: 0

        onContentXChanged: keyboard.emojiView.contentOffsetX = pages.contentX
        onMovementStarted: pages.startPage = Math.round(pages.contentX / keyboard.emojiView.pageWidth)
        onFlickStarted: pages.cancelFlick()
        onMovementEnded: {
            const width = keyboard.emojiView.pageWidth
            const moved = pages.contentX - pages.startPage * width
            const step = moved > width / 8 ? 1 : moved < -width / 8 ? -1 : 0
            const page = Math.max(0, Math.min(keyboard.emojiView.pageCount - 1,
                                              pages.startPage + step))
            snap.to = page * width
            snap.restart()
        }

        NumberAnimation {
            id: snap
            target: pages
            property: "contentX"
            duration: 150
            easing.type: Easing.OutQuad
        }

        EmojiKeyLayer {
            emojiView: keyboard.emojiView
        }
    }

    EmojiPageDots {
        objectName: "emojiPageIndicator"
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 18
        emojiView: keyboard.emojiView
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        spacing: 8

        Item {
            objectName: "emojiDeleteKey"
            width: 48
            height: 32
            Accessible.role: Accessible.Button
            Accessible.name: "删除"
            Accessible.onPressAction: keyboard.emojiView.deleteKey()

            Image {
                anchors.centerIn: parent
                source: Theme.image("emoji-delete.png")
                Accessible.ignored: true
            }
            ExclusiveTap {
                onTapped: keyboard.emojiView.deleteKey()
            }
        }

        NeonButton {
            objectName: "emojiSendKey"
            width: 64
            height: 32
            label: "发送"
            onClicked: keyboard.emojiView.sendKey()
        }
    }
}
