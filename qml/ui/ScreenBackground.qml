import QtQuick
import Nuvora

// The tiled background of every screen.
Image {
    anchors.fill: parent
    source: Theme.image("common-background-tile.png")
    fillMode: Image.Tile
    Accessible.ignored: true
}
