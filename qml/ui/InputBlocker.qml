import QtQuick

// Swallows every press, drag, hover and wheel turn over its parent: under a busy
// indicator while a request runs, behind a modal alert, during a screen transition.
MouseArea {
    anchors.fill: parent
    z: 10
    hoverEnabled: true
    preventStealing: true
    onWheel: wheel => wheel.accepted = true
}
