import QtQuick
import QtQuick.Window
import Nuvora

// The reminder pop-up (NotifyPopView). It lives over the whole navigation area, so that
// it shows above whatever screen is in front, and slides up from below its bottom edge
// to rest on the front screen's bottom bar, which stays free to use.
Rectangle {
    id: pop

    required property MainViewController controller
    readonly property real hiddenY: parent ? parent.height : 0
    readonly property real shownY: hiddenY - height
                                   - ((Window.window as Main)?.frontBottomBarHeight ?? 0)

    objectName: "notifyPopup"
    parent: (Window.window as Main)?.phone ?? null
    width: parent ? parent.width : 0
    height: 44
    y: hiddenY
    z: 1
    visible: y < hiddenY
    // A bar that comes or goes under it (another screen, a keyboard) moves it along.
    onShownYChanged: if (pop.controller.notifyShown) pop.slide(pop.y, pop.shownY)
    color: Theme.panelTop
    border.color: Theme.accent
    border.width: 1

    function slide(from: real, to: real): void {
        slider.stop()
        slider.from = from
        slider.to = to
        slider.start()
    }

    NumberAnimation {
        id: slider
        target: pop
        property: "y"
        duration: pop.controller.notifySlideMs
        easing.type: Easing.OutCubic
    }

    Connections {
        target: pop.controller
        function onNotifyPopViewShown(): void {
            pop.slide(pop.hiddenY, pop.shownY)
        }
        function onNotifyShownChanged(): void {
            if (!pop.controller.notifyShown)
                pop.slide(pop.y, pop.hiddenY)
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: pop.controller.gotoNotifyCenter()
    }

    PlainText {
        id: infoLabel
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.right: closeButton.left
        anchors.verticalCenter: parent.verticalCenter
        text: pop.controller.notifyText
        elide: Text.ElideRight
        color: Theme.text
        font.family: Theme.fontFamily
        font.pixelSize: 14
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: pop.controller.gotoNotifyCenter()
    }

    Item {
        id: closeButton
        anchors.right: parent.right
        width: 44
        height: parent.height
        Accessible.role: Accessible.Button
        Accessible.name: "关闭提醒"
        Accessible.onPressAction: pop.controller.closeNotifyView()

        PlainText {
            anchors.centerIn: parent
            text: "×"
            color: Theme.accentCyan
            font.pixelSize: 22
            font.bold: true
        }

        MouseArea {
            anchors.fill: parent
            onClicked: pop.controller.closeNotifyView()
        }
    }
}
