import QtQuick
import Nuvora

// The banner's page indicator: one dot per page, the current one lit; a tap on a dot
// turns to its page.
ListView {
    id: dots

    required property ADsView banner

    width: contentWidth
    height: 7
    orientation: ListView.Horizontal
    interactive: false
    spacing: 9
    model: banner.pages
    Accessible.role: Accessible.Indicator
    Accessible.name: "广告页码"

    delegate: Rectangle {
        id: dot

        required property int index
        readonly property PageDots dots: dot.ListView.view as PageDots
        readonly property bool current: index === dots.banner.currentPage

        width: 7
        height: 7
        radius: 3.5
        color: current ? Theme.accent : Theme.text
        opacity: current ? 1 : 0.5

        ExclusiveTap {
            onTapped: dot.dots.banner.changePage(dot.index)
        }
    }
}
