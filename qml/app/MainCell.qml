import QtQuick
import Nuvora

// One row of the hub's menu: the section's picture (or the cover loaded from the
// network over it) with the title on top.
Item {
    id: cell

    required property string title
    required property string imageName
    property string coverUrl: ""

    signal clicked()

    height: 56
    Accessible.role: Accessible.Button
    Accessible.name: cell.title
    Accessible.onPressAction: cell.clicked()

    WebImage {
        id: channelImageView
        anchors.fill: parent
        anchors.bottomMargin: 1
        url: cell.coverUrl
        placeholder: Theme.image(cell.imageName)
        fillMode: WebImage.PreserveAspectCrop
        Accessible.ignored: true
    }

    // Keeps the title readable on any picture.
    Rectangle {
        anchors.fill: channelImageView
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: "#cc0a0818" }
            GradientStop { position: 0.75; color: "#000a0818" }
        }
    }

    PlainText {
        id: channelLabel
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        text: cell.title
        elide: Text.ElideRight
        color: Theme.text
        style: Text.Raised
        styleColor: "#80000000"
        font.family: Theme.fontFamily
        font.pixelSize: 18
        font.bold: true
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.separator
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.accent
        opacity: tap.pressed ? 0.25 : 0
    }

    MouseArea {
        id: tap
        anchors.fill: parent
        onClicked: cell.clicked()
    }
}
