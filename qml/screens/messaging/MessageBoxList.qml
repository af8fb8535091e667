import QtQuick
import Nuvora

// The conversation list's table: the rows, a decorative picture above them seen when
// the list is pulled down, and the footer with the button that starts a conversation.
ListView {
    id: list

    required property MessageBoxViewController controller

    clip: true
    boundsBehavior: Flickable.DragAndOvershootBounds
    model: list.controller.dataSource
    Accessible.role: Accessible.List
    Accessible.name: "会话列表"

    Image {
        y: list.originY - height
        width: list.width
        source: Theme.image("messagebox-top.png")
        Accessible.ignored: true
    }

    delegate: MessageBoxCell {
        id: cell

        required property int index
        readonly property MessageBoxViewController controller:
            (cell.ListView.view as MessageBoxList).controller

        width: ListView.view.width
        editing: cell.controller.editing
        confirmationTitle: cell.controller.deleteConfirmationTitle
        onClicked: cell.controller.selectRow(cell.index)
        onAvatarClicked: cell.controller.cellAvatarButtonTapped(cell.index)
        onDeleteConfirmed: cell.controller.commitDelete(cell.index)
    }

    footer: Item {
        id: footerView

        readonly property MessageBoxViewController controller:
            (footerView.ListView.view as MessageBoxList).controller

        width: ListView.view.width
        height: 84

        PlainText {
            visible: footerView.ListView.view.count === 0
            anchors.horizontalCenter: parent.horizontalCenter
            y: 4
            text: "还没有会话"
            color: Theme.textDim
        }

        NeonButton {
            objectName: "newSessionButton"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 12
            width: 200
            label: "发起新会话"
            onClicked: footerView.controller.newSession()
        }
    }
}
