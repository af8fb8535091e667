import QtQuick
import Nuvora

// The emoji keyboard's page indicator: one dot per page, the current one lit.
ListView {
    id: dots

    required property EmojiView emojiView

    width: contentWidth
    height: 7
    orientation: ListView.Horizontal
    interactive: false
    spacing: 8
    model: dots.emojiView.pageCount
    Accessible.role: Accessible.Indicator
    Accessible.name: "第" + (dots.emojiView.currentPage + 1) + "页"

    delegate: Rectangle {
        id: dot

        required property int index
        readonly property EmojiPageDots dots: dot.ListView.view as EmojiPageDots

        width: 7
        height: 7
        radius: 3.5
        color: dot.index === dot.dots.emojiView.currentPage ? Theme.accentCyan : Theme.separator
    }
}
