import QtQuick
import Nuvora

// A club's page: its picture, the title strip with the tags, fans and the like button,
// the address (to the map), the telephone (to the call sheet), the fans strip, the
// description sized to its text, and below it the photo strip and the board.
Screen {
    id: view

    required property ClubDetailViewController controller

    title: view.controller.name || "夜店详情"
    leftTitle: "返回"
    rightTitle: "分享"
    busy: view.controller.acting
    onLeftClicked: view.controller.back()
    onRightClicked: view.controller.weiboShare()

    Flickable {
        id: scrollView
        anchors.fill: parent
        contentWidth: view.controller.layout.contentWidth
        contentHeight: view.controller.layout.contentHeight
        boundsBehavior: Flickable.DragAndOvershootBounds
        clip: true

        WebImage {
            id: pictureView
            x: 10
            y: 8
            width: 300
            height: 180
            url: view.controller.picture
            placeholder: Theme.image("placeholder-300-180.png")
            fillMode: WebImage.PreserveAspectCrop
            Accessible.role: Accessible.Graphic
            Accessible.name: "夜店图片"
            Accessible.description: view.controller.name

            RunningIndicator {
                anchors.centerIn: parent
                running: view.controller.loading
                Accessible.name: "加载中"
            }
        }

        VenuePanel {
            id: titleStrip
            y: 196
            height: 62

            PlainText {
                id: titleLabel
                x: 12
                y: 8
                width: 200
                text: view.controller.name
                font.pixelSize: 17
                font.bold: true
                elide: Text.ElideRight
            }
            PlainText {
                id: tagLabel
                x: 12
                y: 36
                width: 200
                text: view.controller.tags
                color: Theme.textDim
                font.pixelSize: 12
                elide: Text.ElideRight
            }
            PlainText {
                id: fansLabel
                anchors.right: parent.right
                anchors.rightMargin: 12
                y: 40
                text: "♥ " + view.controller.favorCount
                color: Theme.accent
                font.pixelSize: 12
                Accessible.name: "喜欢人数 " + view.controller.favorCount
            }
            PillButton {
                id: favorButton
                objectName: "favorButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 7
                visible: !view.controller.favored
                label: "喜欢"
                onClicked: view.controller.favor()
            }
            PillButton {
                id: favoredButton
                objectName: "favoredButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 7
                visible: view.controller.favored
                filled: true
                label: "已喜欢"
                onClicked: view.controller.cancelFavor()
            }
        }

        VenueInfoPanel {
            id: locationPanel
            objectName: "locationPanel"
            y: 266
            label: "地址"
            text: view.controller.address
            action: "地图 ›"
            actionable: view.controller.hasLocation
            onClicked: view.controller.showLocation()
        }

        VenueInfoPanel {
            id: telephonePanel
            objectName: "telephonePanel"
            y: 308
            label: "电话"
            text: view.controller.tel
            action: "拨打 ›"
            actionable: view.controller.canCall
            onClicked: view.controller.makeACall()
        }

        VenuePanel {
            id: peoplePanel
            y: 350
            height: 72

            PlainText {
                x: 10
                y: 4
                text: "喜欢这里的人"
                color: Theme.textDim
                font.pixelSize: 12
            }
            TileStripView {
                x: 10
                y: 22
                width: 280
                strip: view.controller.fansStrip
            }
        }

        VenuePanel {
            id: descriptionPanel
            y: view.controller.layout.descriptionPanelY
            height: view.controller.layout.descriptionPanelHeight
        }

        PlainText {
            id: descriptionLabel
            x: view.controller.layout.descriptionX
            y: view.controller.layout.descriptionY
            width: view.controller.layout.descriptionWidth
            height: view.controller.layout.descriptionHeight
            text: view.controller.content
            font.pixelSize: view.controller.layout.descriptionFontSize
            wrapMode: Text.Wrap
        }

        Item {
            id: bottomBlock
            y: view.controller.layout.bottomBlockY
            width: view.controller.layout.contentWidth
            height: view.controller.layout.bottomBlockHeight

            VenuePanel {
                id: photoPanel
                height: 76

                PlainText {
                    x: 10
                    y: 5
                    text: "夜店相册"
                    color: Theme.textDim
                    font.pixelSize: 12
                }
                TileStripView {
                    x: 10
                    y: 24
                    width: 280
                    strip: view.controller.photoStrip
                }
            }

            NeonButton {
                x: 10
                y: 84
                width: 300
                label: "夜店讨论区"
                onClicked: view.controller.gotoDiscuss()
            }
        }
    }
}
