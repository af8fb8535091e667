import QtQuick
import Nuvora

// The main action of a screen: a filled neon button.
Rectangle {
    id: button

    required property string label
    signal clicked

    width: parent ? parent.width : 280
    height: 44
    radius: 22
    gradient: Gradient {
        orientation: Gradient.Horizontal
        GradientStop { position: 0; color: tap.pressed ? "#c02a7c" : Theme.accent }
        GradientStop { position: 1; color: tap.pressed ? "#7a30b8" : Theme.accentViolet }
    }

    PlainText {
        anchors.centerIn: parent
        width: parent.width - 16
        text: button.label
        color: Theme.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.titleFontSize
        font.bold: true
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
    }

    ExclusiveTap {
        id: tap
        onTapped: button.clicked()
    }

    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: button.clicked()
}
