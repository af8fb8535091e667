import QtQuick
import Nuvora

// A party's page: its picture, the title strip with the time line, fans, sign-ups and
// the like and sign-up buttons, the place, the telephone (to the call sheet), the fans
// strip, the description sized to its text, and below it the photo strip and the board.
Screen {
    id: view

    required property PartyDetailViewController controller

    title: view.controller.party.title || "活动详情"
    leftTitle: "返回"
    rightTitle: "分享"
    onLeftClicked: view.controller.back()
    onRightClicked: view.controller.weiboShare()

    VenuePage {
        controller: view.controller
        picture: view.controller.party.img_big
        venueName: view.controller.party.title
        pictureName: "活动图片"
        description: view.controller.party.content
        fansTitle: "喜欢这个活动的人"
        fansPanelY: 367
        albumTitle: "活动相册"
        boardTitle: "活动讨论区"

        ItemPanel {
            id: titleStrip
            y: 196
            height: 79

            PlainText {
                id: titleLabel
                x: 12
                y: 8
                width: 200
                text: view.controller.party.title
                font.pixelSize: 17
                font.bold: true
                elide: Text.ElideRight
            }
            PlainText {
                id: timeLabel
                x: 12
                y: 35
                width: 205
                text: view.controller.party.displayTime
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
                text: view.controller.party.favor
                color: Theme.accent
                font.pixelSize: view.controller.countFontSize
                font.bold: true
                Accessible.name: "喜欢人数 " + view.controller.party.favor
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
                text: view.controller.party.count + "人已报名"
                color: Theme.textDim
                font.pixelSize: view.controller.countFontSize
                Accessible.name: "报名人数 " + view.controller.party.count
            }
            PillToggle {
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 5
                taken: view.controller.party.isfavor !== 0
                offerLabel: "喜欢"
                takenLabel: "已喜欢"
                offerObjectName: "favorButton"
                takenObjectName: "favoredButton"
                onTake: view.controller.favor()
                onUndo: view.controller.cancelFavor()
            }
            PillToggle {
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 44
                visible: !view.controller.ended
                taken: view.controller.party.isjoin !== 0
                offerLabel: "报名"
                takenLabel: "已报名"
                takenAccessibleName: "已报名，取消报名"
                offerObjectName: "joinButton"
                takenObjectName: "joinedButton"
                onTake: view.controller.join()
                onUndo: view.controller.cancelJoin()
            }
            PillButton {
                objectName: "endedButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                y: 44
                visible: view.controller.ended
                enabled: false
                opacity: 0.6
                label: "活动已结束"
            }
        }

        // Parties have no map: the place only reads.
        VenueInfoPanel {
            id: locationPanel
            y: 283
            label: "地点"
            text: view.controller.party.addr
        }

        VenueInfoPanel {
            id: telephonePanel
            objectName: "telephonePanel"
            y: 325
            label: "电话"
            text: view.controller.party.tel
            action: "拨打 ›"
            actionable: view.controller.canCall
            onClicked: view.controller.makeACall()
        }
    }
}
