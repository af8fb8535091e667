import QtQuick
import Nuvora

// The operator's about page as limited rich text; its links open in the browser.
Screen {
    id: view

    required property AboutUsViewController controller

    title: "关于我们"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: page.height + 32
        boundsBehavior: Flickable.DragAndOvershootBounds
        clip: true

        // The controller hands over filtered text only: the subset a Text draws, no
        // images, and links to web pages alone.
        PlainText {
            id: page
            objectName: "aboutPage"
            x: 16
            y: 16
            width: parent.width - 32
            textFormat: Text.StyledText
            wrapMode: Text.Wrap
            linkColor: Theme.accentCyan
            text: view.controller.loadFailed ? "页面加载失败" : view.controller.pageText
            onLinkActivated: link => view.controller.openLink(link)
            Accessible.name: "关于Nuvora"
        }
    }
}
