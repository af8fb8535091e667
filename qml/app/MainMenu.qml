import QtQuick
import Nuvora

// The hub's table: the six section rows with their counters, the footer advertisement,
// and the decorative pictures seen when the menu is pulled beyond its ends.
ListView {
    id: menu

    required property MainViewController controller

    objectName: "menuTable"
    boundsBehavior: Flickable.DragAndOvershootBounds
    model: controller.menuTitles.length
    Accessible.name: "菜单"

    Image {
        y: menu.originY - height
        width: menu.controller.hiddenBackgroundSize
        height: menu.controller.hiddenBackgroundSize
        source: Theme.image("main-hidden-bg.png")
        Accessible.ignored: true
    }
    Image {
        y: menu.originY + menu.contentHeight
        width: menu.controller.hiddenBackgroundSize
        height: menu.controller.hiddenBackgroundSize
        source: Theme.image("main-hidden-bg.png")
        Accessible.ignored: true
    }

    delegate: MainCell {
        id: cell

        required property int index
        readonly property MainViewController controller: (cell.ListView.view as MainMenu).controller

        width: ListView.view.width
        title: controller.menuTitles[index]
        imageName: controller.menuImageNames[index]
        coverUrl: index === controller.profileRow ? controller.profileCover : ""
        onClicked: cell.controller.selectRow(cell.index)
    }

    footer: MainFooter {
        id: footerItem

        readonly property MainViewController controller:
            (footerItem.ListView.view as MainMenu).controller

        width: ListView.view.width
        image: controller.footerImage
        onClicked: footerItem.controller.footerAdTapped()
    }
}
