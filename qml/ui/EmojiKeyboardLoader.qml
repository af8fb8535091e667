import QtQuick
import Nuvora

// A composer's emoji keyboard, made on first use as the composer makes its keyboard
// model, sliding to where the composer's layout puts it.
Loader {
    id: emojiKeyboard

    required property Composer composer

    objectName: "emojiKeyboard"
    y: emojiKeyboard.composer.layout.emojiKeyboardY

    Behavior on y {
        NumberAnimation { duration: emojiKeyboard.composer.layout.animationMs }
    }

    Connections {
        target: emojiKeyboard.composer

        function onEmojiViewChanged(): void {
            emojiKeyboard.setSource("qrc:/Nuvora/qml/ui/EmojiKeyboard.qml",
                                    { emojiView: emojiKeyboard.composer.emojiView })
        }
    }
}
