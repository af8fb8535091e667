import QtQuick
import Nuvora

// One message: the time on top, the text in a bubble (left with the partner's avatar
// when received, right when sent), at the frames its row computed.
Item {
    id: cell

    required property bool received
    required property string text
    required property string time
    required property string avatar
    required property rect labelFrame
    required property rect bubbleFrame
    required property rect avatarFrame
    required property real rowHeight
    signal avatarClicked

    height: cell.rowHeight
    Accessible.role: Accessible.StaticText
    Accessible.name: (cell.received ? "对方：" : "我：") + cell.text

    PlainText {
        y: 6
        width: parent.width
        text: cell.time
        color: Theme.textDim
        font.pixelSize: 11
        horizontalAlignment: Text.AlignHCenter
        Accessible.ignored: true
    }

    BorderImage {
        x: cell.bubbleFrame.x
        y: cell.bubbleFrame.y
        width: cell.bubbleFrame.width
        height: cell.bubbleFrame.height
        source: Theme.image(cell.received ? "chat-bubble-left.png" : "chat-bubble-right.png")
        // Stretched through column 20 and row 15 of the 48 x 40 picture.
        border.left: 20
        border.top: 15
        border.right: 27
        border.bottom: 24
        Accessible.ignored: true
    }

    PlainText {
        x: cell.labelFrame.x
        y: cell.labelFrame.y
        width: cell.labelFrame.width
        height: cell.labelFrame.height
        text: cell.text
        wrapMode: Text.Wrap
        Accessible.ignored: true
    }

    AvatarImage {
        visible: cell.received
        x: cell.avatarFrame.x
        y: cell.avatarFrame.y
        width: cell.avatarFrame.width
        height: cell.avatarFrame.height
        address: cell.avatar
        emptyPicture: Theme.image("placeholder-80-80.png")
        accessibleName: "对方头像"
        onTapped: cell.avatarClicked()
    }
}
