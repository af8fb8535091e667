import QtQuick
import Nuvora

// What a row of the club and party lists shares: the row background, the venue's
// picture at its left, and the tap that opens the venue. Each list names the row for
// the screen reader and adds its own lines.
Item {
    id: cell

    required property string img
    signal clicked

    Accessible.role: Accessible.Button
    Accessible.onPressAction: cell.clicked()

    BorderImage {
        id: backgroundImageView
        x: 5
        y: 3
        width: parent.width - 10
        height: parent.height - 6
        source: Theme.image("club-group.png")
        border.left: 100
        border.top: 20
        border.right: 209
        border.bottom: 67
    }

    WebImage {
        id: pictureView
        x: 15
        y: (parent.height - height) / 2
        width: 120
        height: 80
        url: cell.img
        placeholder: Theme.image("placeholder-120-80.png")
        fillMode: WebImage.PreserveAspectCrop
        Accessible.ignored: true
    }

    ExclusiveTap {
        onTapped: cell.clicked()
    }
}
