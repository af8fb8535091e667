import QtQuick
import Nuvora

// A club's page: its picture, the title strip with the tags, fans and the like button,
// the address (to the map), the telephone (to the call sheet), the fans strip, the
// description sized to its text, and below it the photo strip and the board.
Screen {
    id: view

    required property ClubDetailViewController controller

    title: view.controller.club.name || "夜店详情"
    leftTitle: "返回"
    rightTitle: "分享"
    onLeftClicked: view.controller.back()
    onRightClicked: view.controller.weiboShare()

    VenuePage {
        controller: view.controller
        picture: view.controller.club.img_big
        venueName: view.controller.club.name
        pictureName: "夜店图片"
        description: view.controller.club.content
        fansTitle: "喜欢这里的人"
        fansPanelY: 350
        albumTitle: "夜店相册"
        boardTitle: "夜店讨论区"

        ItemPanel {
            id: titleStrip
            y: 196
            height: 62

            PlainText {
                id: titleLabel
                x: 12
                y: 8
                width: 200
                text: view.controller.club.name
                font.pixelSize: 17
                font.bold: true
                elide: Text.ElideRight
            }
            PlainText {
                id: tagLabel
                x: 12
                y: 36
                width: 200
                text: view.controller.club.tags
                color: Theme.textDim
                font.pixelSize: 12
                elide: Text.ElideRight
            }
            PlainText {
                id: fansLabel
                anchors.right: parent.right
                anchors.rightMargin: 12
                y: 40
                text: "♥ " + view.controller.club.favor
                color: Theme.accent
                font.pixelSize: 12
                Accessible.name: "喜欢人数 " + view.controller.club.favor
            }
            PillToggle {
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 7
                taken: view.controller.club.isfavor !== 0
                offerLabel: "喜欢"
                takenLabel: "已喜欢"
                offerObjectName: "favorButton"
                takenObjectName: "favoredButton"
                onTake: view.controller.favor()
                onUndo: view.controller.cancelFavor()
            }
        }

        VenueInfoPanel {
            id: locationPanel
            objectName: "locationPanel"
            y: 266
            label: "地址"
            text: view.controller.club.address
            action: "地图 ›"
            actionable: view.controller.hasLocation
            onClicked: view.controller.showLocation()
        }

        VenueInfoPanel {
            id: telephonePanel
            objectName: "telephonePanel"
            y: 308
            label: "电话"
            text: view.controller.club.tel
            action: "拨打 ›"
            actionable: view.controller.canCall
            onClicked: view.controller.makeACall()
        }
    }
}
