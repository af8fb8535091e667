import QtQuick
import QtQuick.Controls
import Nuvora

// The rotating advertisement banner (the view of ADsView) of the club and party lists:
// a paged horizontal strip, the pages' pictures and a page indicator. It reports the
// strip's scroll events and follows the scrolls the banner asks for.
Item {
    id: root

    required property ADsView banner

    width: banner.pageWidth
    height: banner.scrollHeight

    Flickable {
        id: adScroll
        objectName: "adScroll"
        width: root.banner.pageWidth
        height: root.banner.scrollHeight
        clip: true
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.DragAndOvershootBounds
        contentWidth: pages.width
        contentHeight: height
        Accessible.name: "广告"

        Row {
            id: pages
            Repeater {
                model: root.banner.pageImages
                delegate: WebImage {
                    id: page
                    required property int index
                    required property string modelData
                    width: root.banner.pageWidth
                    height: root.banner.scrollHeight
                    url: modelData
                    placeholder: Theme.image("placeholder-320-110.png")
                    fillMode: WebImage.PreserveAspectCrop
                    Accessible.role: Accessible.Button
                    Accessible.name: "广告 " + (page.index + 1)
                    Accessible.onPressAction: root.banner.adButtonTapped(page.index)

                    MouseArea {
                        anchors.fill: parent
                        onClicked: root.banner.adButtonTapped(page.index)
                    }
                }
            }
        }

        onContentXChanged: root.banner.scrollViewDidScroll(contentX)
        onDraggingChanged: {
            if (dragging)
                root.banner.scrollViewWillBeginDragging()
            else
                root.banner.scrollViewDidEndDragging()
        }
        onFlickStarted: root.banner.scrollViewWillBeginDecelerating()
        onMovementEnded: returnToBounds()
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

        PageIndicator {
            id: indicator
            anchors.centerIn: parent
            count: root.banner.pages
            currentIndex: root.banner.currentPage
            interactive: true
            Accessible.name: "广告页码"
            onCurrentIndexChanged: {
                if (currentIndex !== root.banner.currentPage)
                    root.banner.changePage(currentIndex)
            }

            delegate: Rectangle {
                required property int index
                implicitWidth: 7
                implicitHeight: 7
                radius: 3.5
                color: index === indicator.currentIndex ? Theme.accent : Theme.text
                opacity: index === indicator.currentIndex ? 1 : 0.5
            }
        }
    }
}
