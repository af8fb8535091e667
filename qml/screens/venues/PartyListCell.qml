import QtQuick
import Nuvora

// One row of the party lists: the party's picture, title, time line and place on the
// row background; below them the fans count (sized to fit, its decoration right after
// it) and the number of people signed up.
VenueCell {
    id: cell

    required property string title
    required property string displayTime
    required property string addr
    required property int favor
    required property int count
    property real favorLabelX: 145
    property real favorLabelWidth: 0
    property real floatLabelX: 0
    property int countFontSize: 13

    Accessible.name: cell.title + "，" + cell.displayTime

    PlainText {
        id: nameLabel
        x: 145
        y: 10
        width: parent.width - 145 - 12
        text: cell.title
        font.pixelSize: Theme.titleFontSize
        font.bold: true
        elide: Text.ElideRight
    }

    PlainText {
        id: timeLabel
        x: 145
        y: 33
        width: parent.width - 145 - 12
        height: 30
        text: cell.displayTime
        color: Theme.accentCyan
        font.pixelSize: 11
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }

    PlainText {
        id: addressLabel
        x: 145
        y: 65
        width: parent.width - 145 - 12
        text: "地点：" + cell.addr
        color: Theme.textDim
        font.pixelSize: 12
        elide: Text.ElideRight
    }

    PlainText {
        id: favorLabel
        x: cell.favorLabelX
        y: 88
        width: cell.favorLabelWidth
        text: cell.favor
        color: Theme.accent
        font.pixelSize: cell.countFontSize
        font.bold: true
        Accessible.name: cell.favor + "人喜欢"
    }
    PlainText {
        id: floatLabel
        x: cell.floatLabelX
        y: 88
        text: "人喜欢"
        color: Theme.textDim
        font.pixelSize: cell.countFontSize
    }

    Row {
        x: parent.width - width - 14
        y: 88
        spacing: 2

        PlainText {
            id: joinLabel
            text: cell.count
            color: Theme.accentCyan
            font.pixelSize: cell.countFontSize
            font.bold: true
            Accessible.name: cell.count + "人报名"
        }
        PlainText {
            text: "人报名"
            color: Theme.textDim
            font.pixelSize: cell.countFontSize
        }
    }
}
