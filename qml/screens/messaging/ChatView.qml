import QtQuick
import Nuvora

// The conversation with one user: the bubbles, the input bar with its emoji
// keyboard, and the drop-down menu under the bar's turning button.
Screen {
    id: view

    required property ChatViewController controller

    title: view.controller.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    busyText: "正在提交"
    bottomBarHeight: composerBar.coveredHeight
    rightTurn: view.controller.moreButton
    rightIcon: Theme.image("chat-more.png")
    rightName: "更多"
    onRightClicked: view.controller.more()

    ChatTable {
        id: table
        objectName: "chatTable"
        width: parent.width
        height: view.controller.composer.layout.tableHeight
        model: view.controller.dataSource
        onAvatarClicked: view.controller.showActionSheet()

        Behavior on height {
            NumberAnimation { duration: view.controller.composer.layout.animationMs }
        }

        // Closes either keyboard; there only while one is up.
        ExclusiveTap {
            enabled: view.controller.composer.layout.tapClosesKeyboard
            onTapped: view.controller.composer.dismissKeyboard()
        }
    }

    ComposerBar {
        id: composerBar
        anchors.fill: parent
        composer: view.controller.composer
    }

    // The drop-down menu slides out from under the navigation bar.
    Rectangle {
        id: popView
        objectName: "popView"
        y: view.controller.popViewY - 44
        width: parent.width
        height: view.controller.popViewHeight
        color: Theme.panelTop
        opacity: 0.97
        // Under the bar while hidden; nothing there may take a press.
        enabled: view.controller.popViewShowed

        Behavior on y {
            NumberAnimation { duration: view.controller.popViewAnimationMs }
        }

        Row {
            anchors.fill: parent
            anchors.topMargin: 4

            MenuEntry {
                objectName: "homeEntry"
                label: "查看主页"
                icon: Theme.image("chat-menu-home.png")
                onClicked: view.controller.checkUserHomePage()
            }
            MenuEntry {
                objectName: "chatLogEntry"
                label: "聊天记录"
                icon: Theme.image("chat-menu-log.png")
                onClicked: view.controller.checkChatLog()
            }
            MenuEntry {
                objectName: "blacklistEntry"
                label: "加入黑名单"
                icon: Theme.image("chat-menu-blacklist.png")
                onClicked: view.controller.addToBlackList()
            }
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.accentCyan
            opacity: 0.6
        }
    }

    Connections {
        target: view.controller

        function onScrollToLastRow(): void {
            table.showLastRow()
        }
    }

    component MenuEntry: Item {
        id: entry

        required property string label
        required property url icon
        signal clicked

        width: 320 / 3
        height: 56
        Accessible.role: Accessible.Button
        Accessible.name: entry.label
        Accessible.onPressAction: entry.clicked()

        Rectangle {
            anchors.fill: parent
            anchors.margins: 4
            radius: 6
            color: Theme.accent
            opacity: entryTap.pressed ? 0.3 : 0
        }
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 6
            source: entry.icon
            Accessible.ignored: true
        }
        PlainText {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 34
            text: entry.label
            font.pixelSize: 12
            Accessible.ignored: true
        }
        ExclusiveTap {
            id: entryTap
            onTapped: entry.clicked()
        }
    }
}
