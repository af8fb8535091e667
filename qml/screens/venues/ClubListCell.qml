import QtQuick
import Nuvora

// One row of the club lists: the club's picture, name, distance and popularity on the
// row background, with the partner badge for partner clubs.
VenueCell {
    id: cell

    required property string name
    required property string distance
    required property int favor
    required property int hezuo

    Accessible.name: cell.name + "，距离" + cell.distance

    PlainText {
        id: nameLabel
        x: 145
        y: 14
        width: parent.width - 145 - 40
        text: cell.name
        font.pixelSize: Theme.titleFontSize
        font.bold: true
        elide: Text.ElideRight
    }

    PlainText {
        id: distanceLabel
        x: 145
        y: 42
        width: parent.width - 160
        text: "距离：" + cell.distance
        color: Theme.textDim
        elide: Text.ElideRight
    }

    Row {
        x: 145
        y: 64
        spacing: 6

        PlainText {
            text: "人气"
            color: Theme.textDim
            font.pixelSize: 13
        }
        PlainText {
            id: popularityLabel
            text: cell.favor
            color: Theme.accent
            font.pixelSize: 13
            font.bold: true
        }
    }

    Image {
        id: cooperateIcon
        x: parent.width - 40
        y: 3
        width: 28
        height: 28
        source: Theme.image("club-partner-badge.png")
        visible: cell.hezuo !== 0
        Accessible.role: Accessible.Graphic
        Accessible.name: "合作夜店"
        Accessible.description: "合作夜店"
    }
}
