import QtQuick
import Nuvora

// A venue's album: its photos three to a row; a photo opens the viewer over the album.
Screen {
    id: view

    required property VenueAlbumsViewController controller

    title: view.controller.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    AlbumGrid {
        anchors.fill: parent
        controller: view.controller
        emptyText: "还没有照片"
    }
}
