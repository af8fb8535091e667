import QtQuick
import Nuvora

// One row of a form: a label and a single-line text input on a rounded panel.
// `readOnly` rows report taps instead of taking text; Return in a row is `accepted`,
// which single-line forms take as their submit.
Rectangle {
    id: field

    required property string label
    property alias text: input.text
    property alias echoMode: input.echoMode
    property alias inputMethodHints: input.inputMethodHints
    property alias validator: input.validator
    property alias maximumLength: input.maximumLength
    property string placeholder
    property bool readOnly: false
    property bool wantsFocus: false
    signal edited(string text)
    signal tapped
    signal accepted

    width: parent ? parent.width : 280
    height: 44
    radius: 8
    color: Theme.panel
    border.color: input.activeFocus ? Theme.accentCyan : Theme.separator
    border.width: 1

    onWantsFocusChanged: if (wantsFocus) input.forceActiveFocus()
    Component.onCompleted: if (wantsFocus) input.forceActiveFocus()

    PlainText {
        id: caption
        anchors.left: parent.left
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        width: 56
        text: field.label
        color: Theme.textDim
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSize
    }

    TextInput {
        id: input
        anchors.left: caption.right
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        readOnly: field.readOnly
        // A read-only row's press goes to the row's tap, not to text selection.
        enabled: !field.readOnly
        activeFocusOnPress: !field.readOnly
        color: Theme.text
        selectionColor: Theme.accent
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontSize
        clip: true
        onTextEdited: field.edited(text)
        onAccepted: field.accepted()
        Accessible.role: Accessible.EditableText
        Accessible.name: field.label

        PlainText {
            anchors.fill: parent
            visible: input.text.length === 0
            text: field.placeholder
            color: "#7d73b3"
            font: input.font
            elide: Text.ElideRight
        }
    }

    ExclusiveTap {
        enabled: field.readOnly
        onTapped: field.tapped()
    }
}
