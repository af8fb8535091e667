import QtQuick
import Nuvora

// The parties a user signed up for; pulling the list down loads it again.
Screen {
    id: view

    required property MyPartyListViewController controller

    title: view.controller.ownParties ? "我报名的活动" : "TA报名的活动"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    PartyTable {
        anchors.fill: parent
        controller: view.controller
        emptyText: "还没有报名的活动"
        model: view.controller.records
    }
}
