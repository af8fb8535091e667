import QtQuick

// Swallows every touch on the screen while a request runs.
MouseArea {
    anchors.fill: parent
    z: 10
    hoverEnabled: true
    preventStealing: true
    onWheel: wheel => wheel.accepted = true
}
