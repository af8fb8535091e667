import QtQuick
import QtQuick.Controls
import Nuvora

// One column of the region picker.
Tumbler {
    id: wheel

    property int selected
    signal picked(int row)

    height: parent.height
    visibleItemCount: 5
    wrap: false
    currentIndex: selected
    onCurrentIndexChanged: if (currentIndex >= 0 && currentIndex !== selected) picked(currentIndex)

    delegate: Component {
        PlainText {
            id: label

            required property int index
            required property string modelData
            readonly property PlaceWheel wheel: label.Tumbler.tumbler as PlaceWheel

            text: modelData || "—"
            color: index === wheel.currentIndex ? Theme.text : Theme.textDim
            font.family: Theme.fontFamily
            font.pixelSize: Theme.titleFontSize
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            opacity: 1.0 - Math.abs(label.Tumbler.displacement) / (wheel.visibleItemCount / 2)
        }
    }
}
