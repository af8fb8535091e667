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

            SettingsGroup {
                entries: [
                    { label: "编辑资料", act: () => view.controller.editInfo() },
                    { label: "隐私设置", act: () => view.controller.privacySetting() },
                    { label: "黑名单", act: () => view.controller.manageBlackList() },
                    { label: "切换城市", detail: view.controller.locationText, name: "cityRow",
                      act: () => view.controller.switchCity() }
                ]
            }
            SettingsGroup {
                entries: [
                    { label: "修改密码", act: () => view.controller.changePassword() },
                    { label: "注销登录", destructive: true, act: () => view.controller.logoff() }
                ]
            }
            SettingsGroup {
                entries: [
                    { label: view.controller.sinaLabel, act: () => view.controller.sinaWeibo() },
                    { label: view.controller.qqLabel, act: () => view.controller.qqWeibo() }
                ]
            }
            SettingsGroup {
                entries: [
                    { label: "意见反馈", act: () => view.controller.bugReport() },
                    { label: "给我们评分", act: () => view.controller.customReview() },
                    { label: "清除缓存", act: () => view.controller.clearCache() },
                    { label: "检查更新", act: () => view.controller.checkUpdate() },
                    { label: "关于我们", act: () => view.controller.aboutUs() }
                ]
            }
        }
    }
}
