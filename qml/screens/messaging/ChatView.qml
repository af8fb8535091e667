import QtQuick
import QtQuick.Controls
import Nuvora

// The conversation with one user: the bubbles, the input bar with its emoji
// keyboard, and the drop-down menu under the bar's turning button.
Screen {
    id: view

    required property ChatViewController controller

    title: view.controller.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    busy: view.controller.blacklisting
    busyText: "正在提交"
    rightTurn: view.controller.moreButton
    rightIcon: Theme.image("chat-more.png")
    rightName: "更多"
    onRightClicked: view.controller.more()

    ChatTable {
        id: table
        objectName: "chatTable"
        width: parent.width
        height: view.controller.layout.tableHeight
        model: view.controller.dataSource
        onAvatarClicked: view.controller.showActionSheet()

        Behavior on height {
            NumberAnimation { duration: view.controller.layout.animationMs }
        }

        // Closes either keyboard; there only while one is up.
        ExclusiveTap {
            enabled: view.controller.layout.tapClosesKeyboard
            onTapped: view.controller.tapOnTable()
        }
    }

    Rectangle {
        id: inputBar
        objectName: "inputBar"
        y: view.controller.layout.inputBarY
        width: parent.width
        height: view.controller.layout.inputBarHeight
        color: Theme.panelTop

        Behavior on y {
            NumberAnimation { duration: view.controller.layout.animationMs }
        }

        Rectangle {
            width: parent.width
            height: 1
            color: Theme.accent
            opacity: 0.5
        }

        Item {
            id: switchButton
            objectName: view.controller.layout.emojiButtonVisible ? "emojiButton" : "keyboardButton"
            x: 4
            width: 36
            height: parent.height
            Accessible.role: Accessible.Button
            Accessible.name: view.controller.layout.emojiButtonVisible ? "表情" : "键盘"
            Accessible.onPressAction: switchButton.activate()

            function activate(): void {
                if (view.controller.layout.emojiButtonVisible)
                    view.controller.pickEmoji()
                else
                    view.controller.switchToKeyboard()
            }

            Image {
                anchors.centerIn: parent
                source: Theme.image(view.controller.layout.emojiButtonVisible ? "chat-emoji.png"
                                                                             : "chat-keyboard.png")
                Accessible.ignored: true
            }
            ExclusiveTap {
                onTapped: switchButton.activate()
            }
        }

        TextField {
            id: field
            objectName: "chatTextField"
            anchors.left: switchButton.right
            anchors.leftMargin: 4
            anchors.right: sendButton.left
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            height: 31
            text: view.controller.chatText
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
            placeholderText: "说点什么吧"
            placeholderTextColor: Theme.textDim
            leftPadding: 8
            rightPadding: 8
            Accessible.name: "输入消息"
            background: Rectangle {
                radius: 4
                color: Theme.background
                border.color: field.activeFocus ? Theme.accentCyan : Theme.separator
                border.width: 1
            }
            onTextEdited: view.controller.chatTextEdited(field.text)
            onAccepted: view.controller.textFieldShouldReturn()
        }

        Rectangle {
            id: sendButton
            objectName: "sendButton"
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            width: 52
            height: 31
            radius: 4
            color: sendTap.pressed ? Theme.accentViolet : Theme.accent
            Accessible.role: Accessible.Button
            Accessible.name: "发送"
            Accessible.onPressAction: view.controller.sendChatMessage()

            PlainText {
                anchors.centerIn: parent
                text: "发送"
                font.bold: true
                Accessible.ignored: true
            }
            ExclusiveTap {
                id: sendTap
                onTapped: view.controller.sendChatMessage()
            }
        }
    }

    // Made on first use, as the controller makes its emoji keyboard.
    Loader {
        id: emojiKeyboard
        objectName: "emojiKeyboard"
        y: view.controller.layout.emojiKeyboardY

        Behavior on y {
            NumberAnimation { duration: view.controller.layout.animationMs }
        }
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
        function onInputFocusRequested(): void {
            field.forceActiveFocus()
        }
        function onInputResignRequested(): void {
            field.focus = false
        }
        function onEmojiViewChanged(): void {
            emojiKeyboard.setSource("qrc:/Nuvora/qml/ui/EmojiKeyboard.qml",
                                    { emojiView: view.controller.emojiView })
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
