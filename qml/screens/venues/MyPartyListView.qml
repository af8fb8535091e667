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
        model: view.controller.records
    }

    PlainText {
        anchors.centerIn: parent
        visible: !view.controller.busy && view.controller.records.count === 0
        text: "还没有报名的活动"
        color: Theme.textDim
    }
}
