import QtQuick
import Nuvora

// A state of a venue the user takes and undoes (liked, signed up): the pill offering it,
// or the filled pill showing it taken, whose press undoes it.
Item {
    id: toggle

    required property bool taken
    required property string offerLabel
    required property string takenLabel
    property string takenAccessibleName: takenLabel
    // What the view tests find the two pills by.
    required property string offerObjectName
    required property string takenObjectName
    signal take
    signal undo

    width: toggle.taken ? takenButton.width : offerButton.width
    height: 30

    PillButton {
        id: offerButton
        objectName: toggle.offerObjectName
        anchors.right: parent.right
        visible: !toggle.taken
        label: toggle.offerLabel
        onClicked: toggle.take()
    }
    PillButton {
        id: takenButton
        objectName: toggle.takenObjectName
        anchors.right: parent.right
        visible: toggle.taken
        filled: true
        label: toggle.takenLabel
        Accessible.name: toggle.takenAccessibleName
        onClicked: toggle.undo()
    }
}
