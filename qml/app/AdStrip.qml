import QtQuick
import Nuvora

// The banner's horizontal strip of advertisement pictures, one page each; it reports
// its scroll events to the banner, and a tap on a picture opens that advertisement.
ListView {
    id: strip

    required property ADsView banner

    objectName: "adScroll"
    width: banner.pageWidth
    height: banner.scrollHeight
    clip: true
    orientation: ListView.Horizontal
    boundsBehavior: Flickable.DragAndOvershootBounds
    model: banner.pageImages
    Accessible.name: "广告"

    delegate: WebImage {
        id: page

        required property int index
        required property string modelData
        readonly property AdStrip strip: page.ListView.view as AdStrip

        width: strip.width
        height: strip.height
        url: modelData
        placeholder: Theme.image("placeholder-320-110.png")
        fillMode: WebImage.PreserveAspectCrop
        Accessible.role: Accessible.Button
        Accessible.name: "广告 " + (index + 1)
        Accessible.onPressAction: page.strip.banner.adButtonTapped(page.index)

        MouseArea {
            anchors.fill: parent
            onClicked: page.strip.banner.adButtonTapped(page.index)
        }
    }

    onContentXChanged: strip.banner.scrollViewDidScroll(strip.contentX)
    onDraggingChanged: {
        if (strip.dragging)
            strip.banner.scrollViewWillBeginDragging()
        else
            strip.banner.scrollViewDidEndDragging()
    }
    onFlickStarted: strip.banner.scrollViewWillBeginDecelerating()
    onMovementEnded: strip.returnToBounds()
}
