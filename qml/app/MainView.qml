import QtQuick
import Nuvora

// The main hub: a title bar, the six section rows with their counters, the footer
// advertisement, and the reminder pop-up over whatever screen is in front.
Item {
    id: view

    required property MainViewController controller

    ScreenBackground {}

    Rectangle {
        id: titleBar
        width: parent.width
        height: 44
        color: Theme.panel
        z: 1

        Text {
            anchors.centerIn: parent
            text: "Nuvora"
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: 20
            font.bold: true
            Accessible.name: "Nuvora 首页"
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.accent
            opacity: 0.6
        }
    }

    ListView {
        id: menu
        objectName: "menuTable"
        anchors.top: titleBar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        boundsBehavior: Flickable.DragAndOvershootBounds
        model: view.controller.menuTitles.length
        Accessible.name: "菜单"

        // Seen only when the menu is pulled beyond its ends.
        Image {
            y: menu.originY - height
            width: view.controller.hiddenBackgroundSize
            height: view.controller.hiddenBackgroundSize
            source: Theme.image("main-hidden-bg.png")
            Accessible.ignored: true
        }
        Image {
            y: menu.originY + menu.contentHeight
            width: view.controller.hiddenBackgroundSize
            height: view.controller.hiddenBackgroundSize
            source: Theme.image("main-hidden-bg.png")
            Accessible.ignored: true
        }

        delegate: MainCell {
            required property int index
            width: menu.width
            title: view.controller.menuTitles[index]
            imageName: view.controller.menuImageNames[index]
            coverUrl: index === MainViewController.Profile ? view.controller.profileCover : ""
            onClicked: view.controller.selectRow(index)
        }

        footer: MainFooter {
            width: menu.width
            image: view.controller.footerImage
            onClicked: view.controller.footerAdTapped()
        }
    }

    NotifyPopup {
        controller: view.controller
    }
}
