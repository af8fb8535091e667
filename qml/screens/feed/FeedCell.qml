import QtQuick
import Nuvora

// One entry of a feed or a timeline: the avatar and name of who acted, how long ago and
// how far away, the line telling what happened and, for a photo, the photo below it.
Item {
    id: cell

    required property activity activity
    required property string content
    required property bool showsPicture
    required property FeedListViewController list
    // The profile's own rows leave out who acted: it is always the user.
    property bool showsActor: true

    height: panel.height + 10
    Accessible.role: Accessible.ListItem
    Accessible.name: cell.activity.user.nickname + ": " + cell.content

    ItemPanel {
        id: panel
        y: 5
        height: contentText.y + contentText.height
                + (cell.showsPicture ? photo.height + 4 : 0) + 15
    }

    ExclusiveTap {
        onTapped: cell.list.selectEntry(cell.activity.feedid)
    }

    EntryActor {
        visible: cell.showsActor
        x: 18
        y: 14
        width: 170
        activity: cell.activity
        list: cell.list
    }
    PlainText {
        x: 66
        y: 12
        width: 236
        horizontalAlignment: Text.AlignRight
        text: cell.list.age(cell.activity.time) + ",距离" + cell.activity.distance
        color: Theme.textDim
        font.pixelSize: 11
    }
    PlainText {
        id: contentText
        x: cell.showsActor ? 66 : 18
        y: 34
        width: 302 - x
        text: cell.content
        font.pixelSize: 12
        wrapMode: Text.Wrap
    }
    WebImage {
        id: photo
        x: contentText.x
        y: contentText.y + contentText.height + 4
        width: contentText.width
        height: 120
        visible: cell.showsPicture
        url: cell.showsPicture ? cell.activity.picture.img_big : ""
        placeholder: Theme.image("placeholder-100-75.png")
        fillMode: WebImage.PreserveAspectCrop
    }
}
