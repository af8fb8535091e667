import QtQuick
import QtQuick.Controls
import Nuvora

// A form posting one text: the avatar beside a multi-line text view, what the screen adds
// under it (a photo, a check box, a progress bar), the emoji and keyboard buttons, and the
// emoji keyboard rising from the bottom. Return sends instead of breaking the line.
Item {
    id: form

    required property Composer composer
    required property string avatar
    property string placeholderText: "说点什么吧"
    property string fieldName: "输入内容"
    property alias below: belowText.data

    anchors.fill: parent

    Rectangle {
        id: panel
        x: 10
        y: 10
        width: parent.width - 20
        height: 150
        radius: 8
        color: Theme.panel
        border.color: field.activeFocus ? Theme.accentCyan : Theme.separator
        border.width: 1

        AvatarImage {
            objectName: "formAvatar"
            x: 8
            y: 8
            width: 40
            height: 40
            address: form.avatar
            accessibleName: "头像"
        }

        ScrollView {
            x: 56
            y: 4
            width: parent.width - 62
            height: parent.height - 40

            TextArea {
                id: field
                objectName: "composerField"
                text: form.composer.text
                wrapMode: TextEdit.Wrap
                color: Theme.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSize
                placeholderText: form.placeholderText
                placeholderTextColor: Theme.textDim
                background: null
                Accessible.name: form.fieldName
                onTextChanged: {
                    if (field.text !== form.composer.text)
                        form.composer.textEdited(field.text)
                }
                // Typing goes back to the system keyboard.
                onActiveFocusChanged: {
                    if (field.activeFocus && !form.composer.layout.emojiButtonVisible)
                        form.composer.switchToKeyboard()
                }
                Keys.onReturnPressed: event => form.sendFromKey(event)
                Keys.onEnterPressed: event => form.sendFromKey(event)
            }
        }

        EmojiSwitchButton {
            anchors.right: parent.right
            anchors.rightMargin: 4
            anchors.bottom: parent.bottom
            height: 34
            composer: form.composer
        }
    }

    Item {
        id: belowText
        anchors.top: panel.bottom
        anchors.topMargin: 10
        x: 10
        width: parent.width - 20
        height: childrenRect.height
    }

    EmojiKeyboardLoader {
        z: 3
        composer: form.composer
    }

    Connections {
        target: form.composer

        function onInputFocusRequested(): void {
            field.forceActiveFocus()
        }
        function onInputResignRequested(): void {
            field.focus = false
        }
    }

    function sendFromKey(event: KeyEvent): void {
        event.accepted = true
        form.composer.send()
    }
}
