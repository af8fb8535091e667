import QtQuick
import Nuvora

// An icon button whose turn shows a state: it follows its ButtonRotation's angle.
Item {
    id: button

    required property ButtonRotation turn
    required property url icon
    signal clicked

    width: 36
    height: 36
    Accessible.role: Accessible.Button
    Accessible.onPressAction: button.clicked()

    Image {
        anchors.centerIn: parent
        source: button.icon
        rotation: button.turn.degrees
        Accessible.ignored: true

        Behavior on rotation {
            NumberAnimation { duration: button.turn.durationMs }
        }
    }

    ExclusiveTap {
        onTapped: button.clicked()
    }
}
