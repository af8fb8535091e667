import QtQuick
import QtQuick.Controls
import Nuvora

// One wheel of the birthday picker: numbers from `offset` with a unit, those beyond
// `available` dimmed.
Tumbler {
    id: wheel

    property int selected
    property int offset
    property int available: count
    property string suffix
    signal picked(int index)

    height: parent.height
    visibleItemCount: 5
    currentIndex: selected
    onCurrentIndexChanged: if (currentIndex >= 0 && currentIndex !== selected) picked(currentIndex)
    Accessible.name: suffix

    delegate: PlainText {
        id: label

        required property int index
        readonly property DateWheel wheel: label.Tumbler.tumbler as DateWheel

        text: (index + wheel.offset) + wheel.suffix
        color: index >= wheel.available ? Theme.separator
               : index === wheel.currentIndex ? Theme.text : Theme.textDim
        font.family: Theme.fontFamily
        font.pixelSize: Theme.titleFontSize
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        opacity: 1.0 - Math.abs(label.Tumbler.displacement) / (wheel.visibleItemCount / 2)
    }
}
