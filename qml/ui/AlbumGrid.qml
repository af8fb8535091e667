import QtQuick
import Nuvora

// The paged grid of an album screen: rows of three thumbnails, pull-to-refresh and
// load-more; a tap on a thumbnail goes to the controller with its row and column.
PagedList {
    id: grid

    readonly property AlbumTableViewController album: controller as AlbumTableViewController

    model: album.grid
    Accessible.name: "相册"

    delegate: AlbumsCell {
        id: row

        required property int index
        readonly property AlbumGrid grid: row.ListView.view as AlbumGrid

        width: ListView.view.width
        height: grid.album.rowHeight
        onPictureTapped: column => row.grid.album.pictureTapped(row.index, column)
    }
}
