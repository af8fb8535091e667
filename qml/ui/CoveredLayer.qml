import QtQuick

// One layer of the window that something in front may cover (a modal screen, an alert,
// an action sheet, the notice). While covered its content takes no input and is not
// offered to the screen reader; a live picture of it stays on screen behind the cover.
// A hidden item keeps its active focus, so the content is disabled as well: that takes
// the keys from its field, which gets them back when the cover goes.
Item {
    id: layer

    property bool covered: false
    default property alias content: content.data

    Item {
        id: content
        objectName: "coveredLayerContent"
        anchors.fill: parent
        visible: !layer.covered
        enabled: !layer.covered
    }

    ShaderEffectSource {
        anchors.fill: parent
        sourceItem: content
        live: true
        visible: layer.covered
        Accessible.ignored: true
    }
}
