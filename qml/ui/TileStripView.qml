import QtQuick
import Nuvora

// A venue's strip of tiles (its fans or its photos), scrolling sideways and closed by
// the tail tile: "no more" alone while the strip is empty, else "check more" after the
// last tile. Tiles stand `pitch` apart; the content is one pitch wider than the tiles.
ListView {
    id: list

    required property TileStrip strip

    height: strip.tileHeight
    orientation: ListView.Horizontal
    clip: true
    spacing: strip.pitch - strip.tileWidth
    boundsBehavior: Flickable.StopAtBounds
    model: strip.images
    Accessible.name: strip.tileName

    delegate: TappableImage {
        id: tile

        required property int index
        required property string modelData
        readonly property TileStripView view: tile.ListView.view as TileStripView

        width: view.strip.tileWidth
        height: view.strip.tileHeight
        url: modelData
        placeholder: Theme.image(view.strip.placeholder)
        accessibleName: view.strip.tileName + " " + (index + 1)
        onTapped: tile.view.strip.tileTapped(tile.index)
    }

    footer: Item {
        id: tail

        readonly property TileStripView view: tail.ListView.view as TileStripView
        readonly property bool empty: view.strip.count === 0
        // Behind the last tile the gap of one pitch comes first.
        readonly property real gap: empty ? 0 : view.strip.pitch - view.strip.tileWidth

        objectName: "tailTile"
        width: gap + view.strip.pitch
        height: view.strip.tileHeight

        Image {
            x: tail.gap
            width: tail.view.strip.tileWidth
            height: tail.view.strip.tileHeight
            source: Theme.image(tail.view.strip.tailImage)
            Accessible.role: Accessible.Button
            Accessible.name: tail.view.strip.tailName
            Accessible.onPressAction: tail.view.strip.tailTapped()

            ExclusiveTap {
                onTapped: tail.view.strip.tailTapped()
            }
        }
    }
}
