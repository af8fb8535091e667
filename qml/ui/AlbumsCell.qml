import QtQuick
import Nuvora

// One row of an album: up to three thumbnails side by side; a tap reports its column.
// Places without a photo stay empty and do nothing.
Item {
    id: cell

    required property var records
    signal pictureTapped(int column)

    height: 80

    component Thumbnail: TappableImage {
        required property int column
        property string address

        x: 5 + column * 105
        y: 2.5
        width: 100
        height: 75
        url: address
        placeholder: Theme.image("placeholder-100-75.png")
        accessibleName: "照片"
    }

    Thumbnail {
        column: 0
        visible: cell.records.length > 0
        address: visible ? cell.records[0].img : ""
        onTapped: cell.pictureTapped(0)
    }
    Thumbnail {
        column: 1
        visible: cell.records.length > 1
        address: visible ? cell.records[1].img : ""
        onTapped: cell.pictureTapped(1)
    }
    Thumbnail {
        column: 2
        visible: cell.records.length > 2
        address: visible ? cell.records[2].img : ""
        onTapped: cell.pictureTapped(2)
    }
}
