import QtQuick
import Nuvora

// A panel of a venue's page holding one strip of tiles (its fans, its photos) under a
// small title.
VenuePanel {
    id: panel

    required property string title
    required property TileStrip strip
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
        strip: panel.strip
    }
}
