import QtQuick
import Nuvora

// One reminder: who did it, when, and what they did; a tap opens its page.
Item {
    id: cell

    required property activity activity
    required property string content
    required property FeedListViewController list

    height: Math.max(64, infoText.y + infoText.height + 12)
    Accessible.role: Accessible.ListItem
    Accessible.name: cell.activity.user.nickname + cell.content

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.separator
    }

    ExclusiveTap {
        onTapped: cell.list.selectEntry(cell.activity.feedid)
    }

    EntryActor {
        x: 10
        y: 10
        width: 204
        avatarSide: 44
        emptyPicture: Theme.image("placeholder-80-80.png")
        activity: cell.activity
        list: cell.list
    }
    PlainText {
        x: 214
        y: 11
        width: 96
        horizontalAlignment: Text.AlignRight
        text: cell.activity.time
        color: Theme.textDim
        font.pixelSize: 10
        elide: Text.ElideLeft
    }
    PlainText {
        id: infoText
        x: 64
        y: 32
        width: 246
        text: cell.content
        font.pixelSize: 12
        wrapMode: Text.Wrap
    }
}
