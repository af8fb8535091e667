import QtQuick
import Nuvora

// The block above a photo's or a mood's comments: the owner's avatar, name and the
// item's age and distance with the report button, the item itself, and the button to the
// full comment form beside any of the item's own buttons.
Item {
    id: header

    required property CommentPageViewController page
    // The photo with its caption, or the mood's text: made by the page's view, shown here.
    property Item content: null
    // A button of the item's own, left of the comment button (the like button).
    property Item action: null

    Binding {
        when: header.content !== null
        target: header.content
        property: "parent"
        value: body
    }
    Binding {
        when: header.action !== null
        target: header.action
        property: "parent"
        value: actionRow
    }

    width: 320
    height: panel.height + 20

    ItemPanel {
        id: panel
        y: 10
        height: column.height + 20
    }

    Column {
        id: column
        x: 20
        y: 20
        width: 280
        spacing: 8

        Item {
            width: parent.width
            height: 40

            AvatarImage {
                objectName: "ownerAvatar"
                width: 40
                height: 40
                address: header.page.owner.avatar
                accessibleName: header.page.owner.nickname + "的主页"
                onTapped: header.page.gotoOwnerHomePage()
            }
            PlainText {
                x: 48
                width: parent.width - 48 - reportButton.width
                text: header.page.owner.nickname
                color: Theme.accentCyan
                font.bold: true
                elide: Text.ElideRight
            }
            PlainText {
                x: 48
                y: 22
                width: parent.width - 48 - reportButton.width
                text: header.page.timeLine
                color: Theme.textDim
                font.pixelSize: 12
                elide: Text.ElideRight
            }
            PlainText {
                id: reportButton
                anchors.right: parent.right
                text: "举报"
                color: Theme.textDim
                font.pixelSize: 12
                padding: 4
                Accessible.role: Accessible.Button
                Accessible.name: "举报"
                Accessible.onPressAction: header.page.report()

                ExclusiveTap {
                    onTapped: header.page.report()
                }
            }
        }

        Item {
            id: body
            width: parent.width
            height: body.childrenRect.height
        }

        Row {
            anchors.right: parent.right
            spacing: 10

            Row {
                id: actionRow
                spacing: 10
            }
            PillButton {
                objectName: "commentFormButton"
                label: "评论"
                onClicked: header.page.openCommentForm()
            }
        }
    }
}
