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

    component Panel: BorderImage {
        x: 10
        width: 300
        source: Theme.image("common-item-bg.png")
        border { left: 100; right: 100; top: 20; bottom: 20 }
    }

    component PillButton: Rectangle {
        id: pill

        required property string label
        property bool filled: false
        signal clicked

        width: Math.max(64, caption.implicitWidth + 24)
        height: 30
        radius: 15
        color: filled ? Theme.accent : (tap.pressed ? Theme.separator : "transparent")
        border.color: Theme.accent
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: pill.clicked()

        PlainText {
            id: caption
            anchors.centerIn: parent
            text: pill.label
            font.pixelSize: 13
            font.bold: true
        }

        ExclusiveTap {
            id: tap
            onTapped: pill.clicked()
        }
    }

    Flickable {
        id: scrollView
        anchors.fill: parent
        contentWidth: view.controller.contentWidth
        contentHeight: view.controller.contentHeight
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

        Panel {
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

        Panel {
            id: locationPanel
            objectName: "locationPanel"
            y: 266
            height: 36
            opacity: view.controller.hasLocation ? 1 : 0.6
            Accessible.role: Accessible.Button
            Accessible.name: "地址 " + view.controller.address
            Accessible.onPressAction: view.controller.showLocation()

            PlainText {
                x: 12
                anchors.verticalCenter: parent.verticalCenter
                width: 230
                text: view.controller.address
                elide: Text.ElideRight
            }
            PlainText {
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                text: "地图 ›"
                color: Theme.accentCyan
                font.pixelSize: 13
                visible: view.controller.hasLocation
            }
            ExclusiveTap {
                onTapped: view.controller.showLocation()
            }
        }

        Panel {
            id: telephonePanel
            objectName: "telephonePanel"
            y: 308
            height: 36
            opacity: view.controller.canCall ? 1 : 0.6
            Accessible.role: Accessible.Button
            Accessible.name: "电话 " + view.controller.tel
            Accessible.onPressAction: view.controller.makeACall()

            PlainText {
                x: 12
                anchors.verticalCenter: parent.verticalCenter
                width: 230
                text: view.controller.tel
                elide: Text.ElideRight
            }
            PlainText {
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                text: "拨打 ›"
                color: Theme.accentCyan
                font.pixelSize: 13
                visible: view.controller.canCall
            }
            ExclusiveTap {
                onTapped: view.controller.makeACall()
            }
        }

        Panel {
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

        Panel {
            id: descriptionPanel
            y: view.controller.descriptionPanelY
            height: view.controller.descriptionPanelHeight
        }

        PlainText {
            id: descriptionLabel
            x: view.controller.descriptionX
            y: view.controller.descriptionY
            width: view.controller.descriptionWidth
            height: view.controller.descriptionHeight
            text: view.controller.content
            font.pixelSize: view.controller.descriptionFontSize
            wrapMode: Text.Wrap
        }

        Item {
            id: bottomBlock
            y: view.controller.bottomBlockY
            width: view.controller.contentWidth
            height: view.controller.bottomBlockHeight

            Panel {
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
