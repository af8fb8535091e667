import QtQuick
import Nuvora

// The stored conversation a page of 20 at a time: older and newer pages below, and
// clearing it all.
Screen {
    id: view

    required property ChatLogViewController controller

    title: view.controller.title
    leftTitle: "返回"
    rightTitle: "清除"
    onLeftClicked: view.controller.back()
    onRightClicked: view.controller.clearLog()

    ChatTable {
        id: table
        objectName: "chatLogTable"
        width: parent.width
        height: parent.height - pager.height
        model: view.controller.dataSource
    }

    Rectangle {
        id: pager
        anchors.bottom: parent.bottom
        width: parent.width
        height: 48
        color: Theme.panelTop

        Rectangle {
            width: parent.width
            height: 1
            color: Theme.accent
            opacity: 0.5
        }

        PageButton {
            objectName: "previousPageButton"
            anchors.left: parent.left
            anchors.leftMargin: 12
            label: "上一页"
            enabled: view.controller.loadPreviousEnabled
            onClicked: view.controller.previousPage()
        }

        PlainText {
            anchors.centerIn: parent
            text: "第" + (view.controller.currentPage + 1) + "页"
            color: Theme.textDim
        }

        PageButton {
            objectName: "nextPageButton"
            anchors.right: parent.right
            anchors.rightMargin: 12
            label: "下一页"
            enabled: view.controller.currentPage > 0
            onClicked: view.controller.nextPage()
        }
    }

    Connections {
        target: view.controller

        function onScrollToLastRow(): void {
            table.showLastRow()
        }
    }

    component PageButton: Rectangle {
        id: button

        required property string label
        signal clicked

        anchors.verticalCenter: parent.verticalCenter
        width: 80
        height: 32
        radius: 6
        color: tap.pressed ? Theme.separator : "transparent"
        border.color: button.enabled ? Theme.accentCyan : Theme.separator
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: button.label
        Accessible.onPressAction: button.clicked()

        PlainText {
            anchors.centerIn: parent
            text: button.label
            color: button.enabled ? Theme.text : Theme.textDim
            Accessible.ignored: true
        }
        ExclusiveTap {
            id: tap
            onTapped: button.clicked()
        }
    }
}
