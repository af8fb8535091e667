import QtQuick
import Nuvora

// The rotating advertisement banner (the view of ADsView) of the club and party lists:
// a paged horizontal strip, the pages' pictures and a page indicator. It reports the
// strip's scroll events and follows the scrolls the banner asks for.
Item {
    id: root

    required property ADsView banner

    width: banner.pageWidth
    height: banner.scrollHeight

    AdStrip {
        id: adScroll
        banner: root.banner
    }

    NumberAnimation {
        id: scrollAnimation
        target: adScroll
        property: "contentX"
        duration: 300
        easing.type: Easing.InOutQuad
    }

    Connections {
        target: root.banner
        function onScrollRequested(x: real, animated: bool): void {
            scrollAnimation.stop()
            if (animated) {
                scrollAnimation.to = x
                scrollAnimation.start()
            } else {
                adScroll.contentX = x
            }
        }
    }

    // The dots sit centred in the indicator's frame.
    Item {
        x: root.banner.pageControlFrame.x
        y: root.banner.pageControlFrame.y
        width: root.banner.pageControlFrame.width
        height: root.banner.pageControlFrame.height

        PageDots {
            anchors.centerIn: parent
            banner: root.banner
        }
    }
}
