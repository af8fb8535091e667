pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Nuvora

// Another user's home page: cover, avatar, counters, signature, the follow, greeting and
// chat buttons above the newest photos, and the links below them. Positions from the
// signature down follow the controller's layout.
Screen {
    id: view

    required property UserHomeViewController controller

    title: view.controller.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    busyText: "请稍候"

    Image {
        anchors.fill: parent
        source: Theme.image("common-background-tile-small.png")
        fillMode: Image.Tile
        Accessible.ignored: true
    }

    Flickable {
        id: page
        objectName: "homePage"
        anchors.fill: parent
        contentWidth: 320
        contentHeight: view.controller.contentHeight
        boundsBehavior: Flickable.DragAndOvershootBounds
        clip: true

        WebImage {
            objectName: "cover"
            width: 320
            height: 140
            url: view.controller.cover
            placeholder: Theme.image("pc-coverplaceholder.jpg")
            fillMode: WebImage.PreserveAspectCrop
            Accessible.role: Accessible.Graphic
            Accessible.name: "封面"
            Accessible.description: "个人封面图片"
        }

        // The avatar's shadow: black, offset (2, 2), 0.8 opaque.
        Rectangle {
            x: avatarButton.x + 2
            y: avatarButton.y + 2
            width: avatarButton.width
            height: avatarButton.height
            color: "black"
            opacity: 0.8
        }

        AvatarImage {
            id: avatarButton
            objectName: "avatarButton"
            x: 14
            y: 104
            width: 70
            height: 70
            address: view.controller.avatar
            rejected: view.controller.avatarRejected
            emptyPicture: Theme.image("placeholder-80-80.png")
            accessibleName: "查看详细资料"
            onTapped: view.controller.avatarButtonTapped()
        }

        PlainText {
            x: 96
            y: 146
            width: 214
            text: view.controller.subtitle
            color: Theme.text
            font.pixelSize: 13
            elide: Text.ElideRight
            Accessible.name: text
        }

        PlainText {
            x: 96
            y: 166
            width: 214
            text: view.controller.fansText
            color: Theme.accentCyan
            font.pixelSize: 13
            elide: Text.ElideRight
            Accessible.name: text
        }

        BorderImage {
            objectName: "signatureButton"
            x: 10
            y: view.controller.signatureButtonY
            width: 300
            height: view.controller.signatureButtonHeight
            source: Theme.image("userhome-signature-bg.png")
            border { left: 100; right: 100; top: 20; bottom: 20 }
            Accessible.ignored: true
        }

        PlainText {
            objectName: "signatureLabel"
            x: view.controller.signatureX
            y: view.controller.signatureY
            width: view.controller.signatureWidth
            height: view.controller.signatureHeight
            text: view.controller.signature
            font.pixelSize: view.controller.signatureFontSize
            wrapMode: Text.Wrap
            Accessible.name: "签名：" + text
        }

        Item {
            id: photoBlock
            objectName: "photoBlock"
            x: view.controller.photoBlockX
            y: view.controller.photoBlockY
            width: view.controller.photoBlockWidth
            height: view.controller.photoBlockHeight

            Row {
                y: 12
                spacing: 7

                HomeButton {
                    objectName: view.controller.followed ? "followedButton" : "followButton"
                    label: view.controller.followed ? "已关注" : "关注"
                    lit: !view.controller.followed
                    onTapped: view.controller.followed ? view.controller.unfollow()
                                                       : view.controller.follow()
                }
                HomeButton {
                    objectName: view.controller.leerShown ? "leerButton" : "whistleButton"
                    label: view.controller.leerShown ? "抛媚眼" : "吹口哨"
                    onTapped: view.controller.hi()
                }
                HomeButton {
                    objectName: "chatButton"
                    label: "聊天"
                    onTapped: view.controller.chat()
                }
            }

            BorderImage {
                y: view.controller.photoBackgroundY
                width: parent.width
                height: view.controller.photoBackgroundHeight
                source: Theme.image("common-item-bg.png")
                border { left: 100; right: 100; top: 20; bottom: 20 }
                Accessible.ignored: true
            }

            Repeater {
                model: view.controller.photoTiles

                delegate: Item {
                    id: tile

                    required property int index
                    required property double tileX
                    required property double tileY
                    required property double tileWidth
                    required property double tileHeight
                    required property string image
                    required property bool albums

                    x: tileX
                    y: tileY
                    width: tileWidth
                    height: tileHeight

                    TappableImage {
                        anchors.fill: parent
                        visible: !tile.albums
                        url: tile.image
                        placeholder: Theme.image("placeholder-80-80.png")
                        accessibleName: "照片" + (tile.index + 1)
                        onTapped: view.controller.photoTileTapped(tile.index)
                    }

                    Image {
                        anchors.fill: parent
                        visible: tile.albums
                        source: Theme.image("userhome-more-button.png")
                        Accessible.role: Accessible.Button
                        Accessible.name: "全部相册"
                        Accessible.onPressAction: view.controller.photoTileTapped(tile.index)

                        ExclusiveTap {
                            onTapped: view.controller.photoTileTapped(tile.index)
                        }
                    }
                }
            }
        }

        Column {
            objectName: "links"
            x: 10
            y: view.controller.linksY
            width: 300

            LinkRow {
                label: "TA的动态"
                onTapped: view.controller.gotoUserTimeLine()
            }
            LinkRow {
                label: "TA的关注和粉丝"
                onTapped: view.controller.gotoUserFriendList()
            }
            LinkRow {
                label: "TA的收藏"
                onTapped: view.controller.gotoFavorList()
            }
        }
    }

    BusyIndicator {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 8
        width: 24
        height: 24
        running: view.controller.loading
        visible: running
        Accessible.name: "加载中"
    }

    component HomeButton: Rectangle {
        id: button

        required property string label
        property bool lit: false
        signal tapped

        width: 96
        height: 40
        radius: 8
        color: tap.pressed ? Theme.separator : (lit ? Theme.accent : Theme.panel)
        border.color: Theme.accentCyan
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: button.tapped()

        PlainText {
            anchors.centerIn: parent
            text: button.label
            font.bold: true
        }

        ExclusiveTap {
            id: tap
            onTapped: button.tapped()
        }
    }

    component LinkRow: Rectangle {
        id: row

        required property string label
        signal tapped

        width: 300
        height: 44
        color: tap.pressed ? Theme.separator : Theme.panel
        border.color: Theme.separator
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: row.tapped()

        PlainText {
            anchors.left: parent.left
            anchors.leftMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            text: row.label
        }

        PlainText {
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            text: "›"
            color: Theme.textDim
            font.pixelSize: 20
        }

        ExclusiveTap {
            id: tap
            onTapped: row.tapped()
        }
    }
}
