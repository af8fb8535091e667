import QtQuick
import Nuvora

// A user's photo album, three photos to a row; the own album has the upload button.
Screen {
    id: view

    required property AlbumsViewController controller

    title: view.controller.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    rightTitle: view.controller.canUpload ? "上传" : ""
    onRightClicked: view.controller.uploadPicture()

    AlbumGrid {
        anchors.fill: parent
        controller: view.controller
        emptyText: "还没有照片"
    }
}
