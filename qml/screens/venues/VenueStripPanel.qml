import QtQuick
import Nuvora

// A panel of a venue's page holding one strip of tiles (its fans, its photos) under a
// small title.
ItemPanel {
    id: panel

    required property string title
    required property TileStrip strip
    // Said in the strip's place until a load has filled it.
    required property string note
    property real titleY: 4
    property real stripY: 22

    PlainText {
        x: 10
        y: panel.titleY
        text: panel.title
        color: Theme.textDim
        font.pixelSize: 12
    }
    TileStripView {
        x: 10
        y: panel.stripY
        width: 280
        visible: panel.note === ""
        strip: panel.strip
    }
    PlainText {
        x: 10
        y: panel.stripY
        height: panel.strip.tileHeight
        visible: panel.note !== ""
        text: panel.note
        color: Theme.textDim
        font.pixelSize: 12
        verticalAlignment: Text.AlignVCenter
    }
}
