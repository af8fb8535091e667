import QtQuick
import Nuvora

// A party's page: its picture, the title strip with the time line, fans, sign-ups and
// the like and sign-up buttons, the place, the telephone (to the call sheet), the fans
// strip, the description sized to its text, and below it the photo strip and the board.
Screen {
    id: view

    required property PartyDetailViewController controller

    title: view.controller.partyTitle || "活动详情"
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
            Accessible.name: "活动图片"
            Accessible.description: view.controller.partyTitle

            RunningIndicator {
                anchors.centerIn: parent
                running: view.controller.loading
                Accessible.name: "加载中"
            }
        }

        VenuePanel {
            id: titleStrip
            y: 196
            height: 79

            PlainText {
                id: titleLabel
                x: 12
                y: 8
                width: 200
                text: view.controller.partyTitle
                font.pixelSize: 17
                font.bold: true
                elide: Text.ElideRight
            }
            PlainText {
                id: timeLabel
                x: 12
                y: 35
                width: 205
                text: view.controller.displayTime
                color: Theme.accentCyan
                font.pixelSize: 11
                elide: Text.ElideRight
            }
            PlainText {
                x: 12
                y: 56
                text: "♥"
                color: Theme.accent
                font.pixelSize: view.controller.countFontSize
            }
            PlainText {
                id: favorLabel
                x: view.controller.favorLabelX
                y: 56
                text: view.controller.favorCount
                color: Theme.accent
                font.pixelSize: view.controller.countFontSize
                font.bold: true
                Accessible.name: "喜欢人数 " + view.controller.favorCount
            }
            PlainText {
                id: floatLabel
                x: view.controller.floatLabelX
                y: 56
                text: "人喜欢"
                color: Theme.textDim
                font.pixelSize: view.controller.countFontSize
            }
            PlainText {
                id: joinLabel
                x: floatLabel.x + floatLabel.width + 12
                y: 56
                text: view.controller.joinCount + "人已报名"
                color: Theme.textDim
                font.pixelSize: view.controller.countFontSize
                Accessible.name: "报名人数 " + view.controller.joinCount
            }
            PillButton {
                id: favorButton
                objectName: "favorButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 5
                visible: !view.controller.favored
                label: "喜欢"
                onClicked: view.controller.favor()
            }
            PillButton {
                id: favoredButton
                objectName: "favoredButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 5
                visible: view.controller.favored
                filled: true
                label: "已喜欢"
                onClicked: view.controller.cancelFavor()
            }
            PillButton {
                id: joinButton
                objectName: "joinButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 44
                visible: !view.controller.joined
                label: "报名"
                onClicked: view.controller.join()
            }
            PillButton {
                id: joinedButton
                objectName: "joinedButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 44
                visible: view.controller.joined
                filled: true
                label: "已报名"
                Accessible.name: "已报名，取消报名"
                onClicked: view.controller.cancelJoin()
            }
        }

        // Parties have no map: the place only reads.
        VenueInfoPanel {
            id: locationPanel
            y: 283
            label: "地点"
            text: view.controller.addr
        }

        VenueInfoPanel {
            id: telephonePanel
            objectName: "telephonePanel"
            y: 325
            label: "电话"
            text: view.controller.tel
            action: "拨打 ›"
            actionable: view.controller.canCall
            onClicked: view.controller.makeACall()
        }

        VenuePanel {
            id: peoplePanel
            y: 367
            height: 72

            PlainText {
                x: 10
                y: 4
                text: "喜欢这个活动的人"
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
                    text: "活动相册"
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
                label: "活动讨论区"
                onClicked: view.controller.gotoDiscuss()
            }
        }
    }
}
