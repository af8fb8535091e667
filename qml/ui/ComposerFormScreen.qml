import QtQuick
import Nuvora

// The screen of a form posting one text: the bar's "返回" and send button, and the
// composer form; what the screen adds (`below`) goes under the text.
Screen {
    id: formScreen

    required property ComposerFormViewController form
    property alias placeholderText: composerForm.placeholderText
    property alias fieldName: composerForm.fieldName
    property alias below: composerForm.below

    busyText: "正在提交"
    leftTitle: "返回"
    onLeftClicked: formScreen.form.goBack()
    rightTitle: "发表"
    onRightClicked: formScreen.form.composer.send()

    content: [
        ComposerForm {
            id: composerForm
            composer: formScreen.form.composer
            avatar: formScreen.form.avatar
        }
    ]
}
