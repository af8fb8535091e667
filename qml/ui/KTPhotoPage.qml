import QtQuick
import Nuvora

// One page of the photo viewer: the placeholder until the photo arrives, then the
// photo where the page's zoom puts it; a double tap's zoom is animated.
Item {
    id: page

    required property KTPhotoView modelData
    readonly property KTPhotoView photoView: page.modelData
    readonly property rect target: Qt.rect(page.photoView.imageX, page.photoView.imageY,
                                           page.photoView.imageWidth, page.photoView.imageHeight)

    x: photoView.frameX
    width: photoView.frameWidth
    height: photoView.frameHeight
    clip: true
    Accessible.role: Accessible.Graphic
    Accessible.name: "照片 " + (photoView.index + 1)
    Accessible.description: photoView.zoomed ? "已放大" : "完整照片"

    Image {
        anchors.centerIn: parent
        visible: !page.photoView.hasImage
        source: page.photoView.placeholder
    }

    KTPhotoImage {
        id: photo
        anchors.fill: parent
        photoView: page.photoView
        Component.onCompleted: photo.drawnRect = page.target
    }

    PropertyAnimation {
        id: zoom
        target: photo
        property: "drawnRect"
        duration: 300
        easing.type: Easing.InOutQuad
    }

    Connections {
        target: page.photoView
        function onZoomChanged() {
            zoom.stop()
            if (page.photoView.zoomAnimated) {
                zoom.to = page.target
                zoom.start()
            } else {
                photo.drawnRect = page.target
            }
        }
    }
}
