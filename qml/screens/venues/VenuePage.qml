import QtQuick
import Nuvora

// The scrolling body of a venue's page: its picture (offering to load again while no
// load has brought the venue), the strip of its fans, the description sized to its
// text, and below it the photo strip and the board. The page puts its title strip and
// its one-line panels between the picture and the fans.
Flickable {
    id: page

    required property VenueDetailViewController controller
    required property string picture
    required property string venueName
    required property string pictureName
    required property string description
    required property string fansTitle
    required property real fansPanelY
    required property string albumTitle
    required property string boardTitle

    anchors.fill: parent
    contentWidth: page.controller.layout.contentWidth
    contentHeight: page.controller.layout.contentHeight
    boundsBehavior: Flickable.DragAndOvershootBounds
    clip: true

    WebImage {
        id: pictureView
        x: 10
        y: 8
        width: 300
        height: 180
        url: page.picture
        placeholder: Theme.image("placeholder-300-180.png")
        fillMode: WebImage.PreserveAspectCrop
        Accessible.role: Accessible.Graphic
        Accessible.name: page.pictureName
        Accessible.description: page.venueName

        RunningIndicator {
            anchors.centerIn: parent
            running: page.controller.loading
            Accessible.name: "加载中"
        }

        NeonButton {
            objectName: "reloadButton"
            anchors.centerIn: parent
            width: 160
            visible: page.controller.reloadOffered
            label: "重新加载"
            onClicked: page.controller.reload()
        }
    }

    VenueStripPanel {
        y: page.fansPanelY
        height: 72
        title: page.fansTitle
        strip: page.controller.fansStrip
        note: page.controller.stripNote
    }

    ItemPanel {
        id: descriptionPanel
        y: page.controller.layout.descriptionPanelY
        height: page.controller.layout.descriptionPanelHeight
    }

    PlainText {
        id: descriptionLabel
        x: page.controller.layout.descriptionX
        y: page.controller.layout.descriptionY
        width: page.controller.layout.descriptionWidth
        height: page.controller.layout.descriptionHeight
        text: page.description
        font.pixelSize: page.controller.layout.descriptionFontSize
        wrapMode: Text.Wrap
    }

    Item {
        id: bottomBlock
        y: page.controller.layout.bottomBlockY
        width: page.controller.layout.contentWidth
        height: page.controller.layout.bottomBlockHeight

        VenueStripPanel {
            height: 76
            titleY: 5
            stripY: 24
            title: page.albumTitle
            strip: page.controller.photoStrip
            note: page.controller.stripNote
        }

        NeonButton {
            x: 10
            y: 84
            width: 300
            label: page.boardTitle
            onClicked: page.controller.gotoDiscuss()
        }
    }
}
