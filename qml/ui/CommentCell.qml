import QtQuick
import Nuvora

// One comment on a photo, a mood or a board: the commenter's avatar, name and the
// comment's age above its text. A tap answers it, the avatar opens the commenter's page;
// the button on the right reports it, or asks to delete it while `deletes` is set.
Item {
    id: cell

    required property int index
    required property string id
    required property string content
    required property string time
    required property string nickname
    required property string avatar
    required property CommentThreadViewController page
    required property int rowCount
    // While the owner of the item manages its comments.
    property bool deletes: false

    signal deleteTapped(commentId: string)

    height: contentText.height + 38
    Accessible.role: Accessible.ListItem
    Accessible.name: cell.nickname + ": " + cell.content

    JoinedRowBackground {
        x: 10
        width: parent.width - 20
        height: parent.height
        row: cell.index
        rowCount: cell.rowCount
    }

    ExclusiveTap {
        onTapped: cell.page.replyToComment(cell.id)
    }

    AvatarImage {
        x: 16
        y: 8
        width: 36
        height: 36
        address: cell.avatar
        accessibleName: cell.nickname + "的头像"
        onTapped: cell.page.commenterTapped(cell.id)
    }

    PlainText {
        x: 58
        y: 7
        width: 150
        text: cell.nickname
        color: Theme.accentCyan
        font.pixelSize: 12
        font.bold: true
        elide: Text.ElideRight
    }

    PlainText {
        anchors.right: actionButton.left
        anchors.rightMargin: 6
        y: 7
        text: cell.page.commentAge(cell.time)
        color: Theme.textDim
        font.pixelSize: 11
    }

    // The tap sits on an item of its own: over a Text the list takes the press away.
    Item {
        id: actionButton
        objectName: "commentActionButton"
        readonly property bool deletes: cell.deletes

        x: 300 - width - 8
        y: 5
        width: actionText.implicitWidth
        height: actionText.implicitHeight
        Accessible.role: Accessible.Button
        Accessible.name: actionText.text
        Accessible.onPressAction: actionButton.activate()

        function activate(): void {
            if (actionButton.deletes)
                cell.deleteTapped(cell.id)
            else
                cell.page.reportComment(cell.id)
        }

        PlainText {
            id: actionText
            text: actionButton.deletes ? "删除" : "举报"
            color: actionButton.deletes ? Theme.destructive : Theme.textDim
            font.pixelSize: 12
            padding: 2
            Accessible.ignored: true
        }

        ExclusiveTap {
            onTapped: actionButton.activate()
        }
    }

    PlainText {
        id: contentText
        x: 58
        y: 28
        width: 242
        text: cell.content
        font.pixelSize: 12
        wrapMode: Text.Wrap
    }
}
