import QtQuick
import Nuvora

// Who acted in a feed entry or a reminder: the avatar (a tap opens their page) and the
// nickname beside it.
Item {
    id: actor

    required property activity activity
    required property FeedListViewController list
    property real avatarSide: 40
    property url emptyPicture: Theme.image("placeholder-40-40.png")

    height: actor.avatarSide

    AvatarImage {
        width: actor.avatarSide
        height: actor.avatarSide
        address: actor.activity.user.avatar
        emptyPicture: actor.emptyPicture
        accessibleName: actor.activity.user.nickname + "的主页"
        onTapped: actor.list.avatarTapped(actor.activity.feedid)
    }
    PlainText {
        x: actor.avatarSide + 8
        y: -2
        width: actor.width - x
        text: actor.activity.user.nickname
        color: Theme.accentCyan
        font.pixelSize: 13
        font.bold: true
        elide: Text.ElideRight
    }
}
