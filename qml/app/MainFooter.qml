import QtQuick
import Nuvora

// The hub's footer (MainFooterView): the advertisement picture, scaled to fill, not
// dimmed when pressed.
Item {
    id: footer

    required property string image

    signal clicked()

    height: 64
    Accessible.role: Accessible.Button
    Accessible.name: "广告"
    Accessible.onPressAction: footer.clicked()

    WebImage {
        id: adButton
        anchors.fill: parent
        anchors.margins: 4
        url: footer.image
        placeholder: Theme.image("placeholder-320-110.png")
        fillMode: WebImage.PreserveAspectCrop
        Accessible.ignored: true
    }

    MouseArea {
        anchors.fill: parent
        onClicked: footer.clicked()
    }
}
