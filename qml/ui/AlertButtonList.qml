import QtQuick
import Nuvora

// The buttons of the top alert, each answering it with its index: two side by side,
// one or more than two stacked; on an action sheet the cancel button is the emphasized one.
ListView {
    id: list

    required property AlertPresenter alerts
    property bool sheet: false
    readonly property bool sideBySide: !sheet && alerts.alertButtons.length === 2

    implicitHeight: sideBySide ? 44 : contentHeight
    interactive: false
    spacing: 8
    orientation: sideBySide ? ListView.Horizontal : ListView.Vertical
    model: alerts.alertButtons

    delegate: AlertButton {
        id: button

        required property string modelData
        required property int index
        readonly property AlertButtonList buttons: button.ListView.view as AlertButtonList

        width: buttons.sideBySide ? (buttons.width - buttons.spacing) / 2 : buttons.width
        label: modelData
        destructive: buttons.sheet && index === buttons.alerts.destructiveButtonIndex
        emphasized: buttons.sheet ? index === buttons.alerts.cancelButtonIndex
                                  : index !== buttons.alerts.cancelButtonIndex
        onClicked: buttons.alerts.answer(index)
    }
}
