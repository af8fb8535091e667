import QtQuick
import Nuvora

// The settings page: blocks of entries on a scrolling page of the controller's height.
Screen {
    id: view

    required property SettingsViewController controller

    title: "设置"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    busyText: view.controller.checkingUpdate ? "正在检查更新" : "正在注销"

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: view.controller.scrollHeight
        boundsBehavior: Flickable.DragAndOvershootBounds
        clip: true

        Column {
            x: 10
            y: 12
            width: parent.width - 20
            spacing: 14

            Column {
                width: parent.width

                SettingsRow {
                    label: "编辑资料"
                    row: 0
                    rowCount: 4
                    onTapped: view.controller.editInfo()
                }
                SettingsRow {
                    label: "隐私设置"
                    row: 1
                    rowCount: 4
                    onTapped: view.controller.privacySetting()
                }
                SettingsRow {
                    label: "黑名单"
                    row: 2
                    rowCount: 4
                    onTapped: view.controller.manageBlackList()
                }
                SettingsRow {
                    objectName: "cityRow"
                    label: "切换城市"
                    detail: view.controller.locationText
                    row: 3
                    rowCount: 4
                    onTapped: view.controller.switchCity()
                }
            }

            Column {
                width: parent.width

                SettingsRow {
                    label: "修改密码"
                    row: 0
                    rowCount: 2
                    onTapped: view.controller.changePassword()
                }
                SettingsRow {
                    label: "注销登录"
                    destructive: true
                    row: 1
                    rowCount: 2
                    onTapped: view.controller.logoff()
                }
            }

            Column {
                width: parent.width

                SettingsRow {
                    label: view.controller.sinaLabel
                    row: 0
                    rowCount: 2
                    onTapped: view.controller.sinaWeibo()
                }
                SettingsRow {
                    label: view.controller.qqLabel
                    row: 1
                    rowCount: 2
                    onTapped: view.controller.qqWeibo()
                }
            }

            Column {
                width: parent.width

                SettingsRow {
                    label: "意见反馈"
                    row: 0
                    rowCount: 5
                    onTapped: view.controller.bugReport()
                }
                SettingsRow {
                    label: "给我们评分"
                    row: 1
                    rowCount: 5
                    onTapped: view.controller.customReview()
                }
                SettingsRow {
                    label: "清除缓存"
                    row: 2
                    rowCount: 5
                    onTapped: view.controller.clearCache()
                }
                SettingsRow {
                    label: "检查更新"
                    row: 3
                    rowCount: 5
                    onTapped: view.controller.checkUpdate()
                }
                SettingsRow {
                    label: "关于我们"
                    row: 4
                    rowCount: 5
                    onTapped: view.controller.aboutUs()
                }
            }
        }
    }
}
