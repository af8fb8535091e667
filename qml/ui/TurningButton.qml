import QtQuick
import Nuvora

// An icon button whose turn shows a state: it follows its ButtonRotation's angle
// (none: unturned).
Item {
    id: button

    property ButtonRotation turn: null
    property url icon
    signal clicked

    width: 36
    height: 36
    Accessible.role: Accessible.Button
    Accessible.onPressAction: button.clicked()

    Image {
        anchors.centerIn: parent
        source: button.icon
        rotation: button.turn ? button.turn.degrees : 0
        Accessible.ignored: true

        Behavior on rotation {
            NumberAnimation { duration: button.turn ? button.turn.durationMs : 0 }
        }
    }

    ExclusiveTap {
        onTapped: button.clicked()
    }
}
