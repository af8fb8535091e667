import QtCore
import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import Nuvora

// The image picker over a screen: the file dialog standing in for the photo
// library, then the square crop (drag to move, the slider to size).
Item {
    id: root

    required property ImagePicker picker
    readonly property real pixelScale: root.picker.imageSize.width > 0
                                  ? photo.paintedWidth / root.picker.imageSize.width : 1

    visible: picker.choosingFile || picker.cropping
    z: 20

    FileDialog {
        id: dialog
        title: "从相册选择"
        nameFilters: ["图片 (*.jpg *.jpeg *.png *.bmp *.gif *.webp)"]
        currentFolder: StandardPaths.writableLocation(StandardPaths.PicturesLocation)
        onAccepted: root.picker.chooseFile(selectedFile)
    }

    Connections {
        target: root.picker
        function onStateChanged() {
            if (!root.picker.choosingFile)
                dialog.close()
            else if (!root.picker.errorText)
                dialog.open()
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#f0050410"
    }

    // Waiting for the dialog, or after a file that was no picture.
    Column {
        visible: root.picker.choosingFile
        anchors.centerIn: parent
        width: 260
        spacing: 14

        PlainText {
            width: parent.width
            text: root.picker.errorText || "请选择一张照片"
            color: root.picker.errorText ? Theme.destructive : Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.titleFontSize
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        AlertButton {
            width: parent.width
            label: "选择照片"
            emphasized: true
            onClicked: dialog.open()
        }
        AlertButton {
            width: parent.width
            label: "取消"
            onClicked: root.picker.cancel()
        }
    }

    Item {
        visible: root.picker.cropping
        anchors.fill: parent

        Image {
            id: photo
            x: 10
            y: 10
            width: parent.width - 20
            height: parent.height - 110
            source: root.picker.imageUrl
            fillMode: Image.PreserveAspectFit
            autoTransform: true
            Accessible.role: Accessible.Graphic
            Accessible.name: "待裁剪的照片"
        }

        // Dims the photo outside the square: a wide border around the square,
        // clipped to the picture.
        Item {
            x: square.photoLeft
            y: square.photoTop
            width: photo.paintedWidth
            height: photo.paintedHeight
            clip: true

            Rectangle {
                readonly property real frame: Math.max(parent.width, parent.height)
                x: square.x - parent.x - frame
                y: square.y - parent.y - frame
                width: square.width + 2 * frame
                height: width
                color: "transparent"
                border.width: frame
                border.color: "#99050410"
            }
        }

        Rectangle {
            id: square
            readonly property real photoLeft: photo.x + (photo.width - photo.paintedWidth) / 2
            readonly property real photoTop: photo.y + (photo.height - photo.paintedHeight) / 2
            x: photoLeft + root.picker.cropRect.x * root.pixelScale
            y: photoTop + root.picker.cropRect.y * root.pixelScale
            width: root.picker.cropRect.width * root.pixelScale
            height: width
            color: "transparent"
            border.color: Theme.accentCyan
            border.width: 2
            Accessible.role: Accessible.Graphic
            Accessible.name: "裁剪框"

            MouseArea {
                property point start
                property rect startRect
                anchors.fill: parent
                onPressed: mouse => {
                    start = mapToItem(root, mouse.x, mouse.y)
                    startRect = root.picker.cropRect
                }
                onPositionChanged: mouse => {
                    const now = mapToItem(root, mouse.x, mouse.y)
                    root.picker.cropRect = Qt.rect(
                        startRect.x + (now.x - start.x) / root.pixelScale,
                        startRect.y + (now.y - start.y) / root.pixelScale,
                        startRect.width, startRect.height)
                }
            }
        }

        Slider {
            id: size
            anchors.bottom: buttons.top
            anchors.bottomMargin: 6
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 40
            from: 1
            to: Math.max(1, Math.min(root.picker.imageSize.width, root.picker.imageSize.height))
            value: root.picker.cropRect.width
            Accessible.name: "裁剪大小"
            onMoved: {
                const crop = root.picker.cropRect
                const centreX = crop.x + crop.width / 2
                const centreY = crop.y + crop.height / 2
                root.picker.cropRect = Qt.rect(centreX - value / 2, centreY - value / 2,
                                               value, value)
            }
        }

        Row {
            id: buttons
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 14
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20

            AlertButton {
                width: 120
                label: "取消"
                onClicked: root.picker.cancel()
            }
            AlertButton {
                width: 120
                label: "选取"
                emphasized: true
                onClicked: root.picker.finishCropping()
            }
        }
    }
}
