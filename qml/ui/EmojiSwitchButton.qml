import QtQuick
import Nuvora

// The pair of buttons over a composer's input: the emoji button brings up the emoji
// keyboard, the keyboard button takes the system keyboard back.
Item {
    id: switchButton

    required property Composer composer

    objectName: switchButton.composer.layout.emojiButtonVisible ? "emojiButton" : "keyboardButton"
    width: 36
    Accessible.role: Accessible.Button
    Accessible.name: switchButton.composer.layout.emojiButtonVisible ? "表情" : "键盘"
    Accessible.onPressAction: switchButton.activate()

    function activate(): void {
        if (switchButton.composer.layout.emojiButtonVisible)
            switchButton.composer.pickEmoji()
        else
            switchButton.composer.switchToKeyboard()
    }

    Image {
        anchors.centerIn: parent
        source: Theme.image(switchButton.composer.layout.emojiButtonVisible ? "chat-emoji.png"
                                                                            : "chat-keyboard.png")
        Accessible.ignored: true
    }
    ExclusiveTap {
        onTapped: switchButton.activate()
    }
}
