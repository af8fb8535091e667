import QtQuick
import Nuvora

// A user's detailed profile: the avatar (full screen on a tap), sex, nickname, id and
// distance, then one row per detail and the self-introduction.
Screen {
    id: view

    required property UserInfoViewController controller

    title: "详细资料"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    Flickable {
        anchors.fill: parent
        contentWidth: view.controller.contentWidth
        contentHeight: view.controller.contentHeight
        boundsBehavior: Flickable.DragAndOvershootBounds
        clip: true

        AvatarImage {
            objectName: "avatarButton"
            x: 14
            y: 14
            width: 80
            height: 80
            address: view.controller.avatar
            rejected: view.controller.avatarRejected
            emptyPicture: Theme.image("placeholder-80-80.png")
            accessibleName: "查看大头像"
            onTapped: view.controller.avatarButtonTapped()
        }

        Image {
            id: genderIcon
            x: 108
            y: 19
            width: 16
            height: 16
            source: Theme.image(view.controller.genderIcon)
            Accessible.role: Accessible.Graphic
            Accessible.name: view.controller.genderIcon === "common-boy-icon.png" ? "男" : "女"
            Accessible.description: Accessible.name
        }

        PlainText {
            x: 130
            y: 16
            width: 176
            text: view.controller.nickname
            font.pixelSize: 17
            font.bold: true
            elide: Text.ElideRight
            Accessible.name: "昵称 " + text
        }

        PlainText {
            x: 108
            y: 44
            width: 200
            text: "ID " + view.controller.tagText
            color: Theme.textDim
            font.pixelSize: 13
            Accessible.name: text
        }

        PlainText {
            x: 108
            y: 66
            width: 200
            text: view.controller.distanceText
            color: Theme.accentCyan
            font.pixelSize: 13
            Accessible.name: text
        }

        Column {
            x: 10
            y: 108
            width: 300

            DetailRow { caption: "年龄"; value: view.controller.ageText }
            DetailRow { caption: "星座"; value: view.controller.constellation }
            DetailRow { caption: "生日"; value: view.controller.birthday }
            DetailRow { caption: "职业"; value: view.controller.occupation }
            DetailRow { caption: "身高"; value: view.controller.heightText }
            DetailRow { caption: "体重"; value: view.controller.weightText }
            DetailRow { caption: "所在地"; value: view.controller.cityText }
            DetailRow { caption: "家乡"; value: view.controller.hometownText }
        }

        PlainText {
            x: 20
            y: 404
            text: "自我介绍"
            color: Theme.textDim
            font.pixelSize: 13
        }

        PlainText {
            x: 20
            y: 426
            width: 280
            height: 122
            text: view.controller.aboutText
            wrapMode: Text.Wrap
            elide: Text.ElideRight
            Accessible.name: "自我介绍 " + text
        }
    }

    component DetailRow: Item {
        id: row

        required property string caption
        required property string value

        width: 300
        height: 36
        Accessible.role: Accessible.StaticText
        Accessible.name: caption + " " + value

        PlainText {
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            width: 64
            text: row.caption
            color: Theme.textDim
            font.pixelSize: 13
        }

        PlainText {
            x: 80
            anchors.verticalCenter: parent.verticalCenter
            width: 210
            text: row.value
            elide: Text.ElideRight
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.separator
        }
    }
}
