import QtQuick
import QtQuick.Controls
import Nuvora

// The input bar of a screen that sends text, with the emoji keyboard under it. It fills
// the screen's content; what it covers at the bottom is `coveredHeight`, for the screen
// to declare as its bottom bar.
Item {
    id: composerBar

    required property Composer composer
    property string placeholderText: "说点什么吧"
    property string fieldName: "输入消息"
    // The bar and any keyboard under it, at the place they move to.
    readonly property real coveredHeight: composerBar.height - composerBar.composer.layout.inputBarY

    Rectangle {
        id: inputBar
        objectName: "inputBar"
        y: composerBar.composer.layout.inputBarY
        width: parent.width
        height: composerBar.composer.layout.inputBarHeight
        color: Theme.panelTop

        Behavior on y {
            NumberAnimation { duration: composerBar.composer.layout.animationMs }
        }

        Rectangle {
            width: parent.width
            height: 1
            color: Theme.accent
            opacity: 0.5
        }

        EmojiSwitchButton {
            id: switchButton
            x: 4
            height: parent.height
            composer: composerBar.composer
        }

        // In reply mode: whom the text answers; a tap leaves reply mode.
        Rectangle {
            id: replyTip
            objectName: "replyTip"
            anchors.left: switchButton.right
            anchors.leftMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            width: composerBar.composer.replying ? tipText.implicitWidth + 12 : 0
            height: 31
            radius: 4
            visible: composerBar.composer.replying
            color: Theme.accentViolet
            Accessible.role: Accessible.Button
            Accessible.name: composerBar.composer.replyTip
            Accessible.onPressAction: composerBar.composer.cancelReply()

            PlainText {
                id: tipText
                anchors.centerIn: parent
                text: composerBar.composer.replyTip
                font.pixelSize: 12
                Accessible.ignored: true
            }
            ExclusiveTap {
                onTapped: composerBar.composer.cancelReply()
            }
        }

        TextField {
            id: field
            objectName: "composerField"
            anchors.left: replyTip.right
            anchors.leftMargin: composerBar.composer.replying ? 4 : 0
            anchors.right: sendButton.left
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            height: 31
            text: composerBar.composer.text
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
            placeholderText: composerBar.placeholderText
            placeholderTextColor: Theme.textDim
            leftPadding: 8
            rightPadding: 8
            Accessible.name: composerBar.fieldName
            background: Rectangle {
                radius: 4
                color: Theme.background
                border.color: field.activeFocus ? Theme.accentCyan : Theme.separator
                border.width: 1
            }
            onTextEdited: composerBar.composer.textEdited(field.text)
            onAccepted: composerBar.composer.send()
        }

        // The emoji keyboard brings its own send key; one "发送" at a time.
        Rectangle {
            id: sendButton
            objectName: "sendButton"
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            visible: composerBar.composer.layout.emojiButtonVisible
            width: composerBar.composer.layout.emojiButtonVisible ? 52 : 0
            height: 31
            radius: 4
            color: sendTap.pressed ? Theme.accentViolet : Theme.accent
            Accessible.role: Accessible.Button
            Accessible.name: "发送"
            Accessible.onPressAction: composerBar.composer.send()

            PlainText {
                anchors.centerIn: parent
                text: "发送"
                font.bold: true
                Accessible.ignored: true
            }
            ExclusiveTap {
                id: sendTap
                onTapped: composerBar.composer.send()
            }
        }
    }

    EmojiKeyboardLoader {
        composer: composerBar.composer
    }

    Connections {
        target: composerBar.composer

        function onInputFocusRequested(): void {
            field.forceActiveFocus()
        }
        function onInputResignRequested(): void {
            field.focus = false
        }
    }
}
