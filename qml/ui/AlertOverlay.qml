import QtQuick
import Nuvora

// The top alert of the presenter: a centred panel with its buttons, or an
// action sheet rising from the bottom. Everything behind it is dimmed and inert.
Item {
    id: overlay

    required property AlertPresenter alerts

    visible: alerts.alertVisible

    Rectangle {
        anchors.fill: parent
        color: Theme.dim
    }

    // Nothing behind a modal alert takes a press; the panel and the sheet above do.
    InputBlocker {
        z: 0
    }

    Rectangle {
        id: panel
        visible: !overlay.alerts.actionSheet
        anchors.centerIn: parent
        width: 270
        height: alertColumn.implicitHeight + 32
        radius: 12
        border.color: Theme.accentViolet
        border.width: 1
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.panelTop }
            GradientStop { position: 1; color: Theme.panel }
        }
        Accessible.role: Accessible.AlertMessage
        Accessible.name: overlay.alerts.alertTitle.length > 0 ? overlay.alerts.alertTitle
                                                                : overlay.alerts.alertMessage

        Column {
            id: alertColumn
            x: 16
            y: 16
            width: parent.width - 32
            spacing: 10

            PlainText {
                width: parent.width
                visible: text.length > 0
                text: overlay.alerts.alertTitle
                color: Theme.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.titleFontSize
                font.bold: true
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }
            PlainText {
                width: parent.width
                visible: text.length > 0
                text: overlay.alerts.alertMessage
                color: Theme.textDim
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSize
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }
            AlertButtonList {
                width: parent.width
                alerts: overlay.alerts
            }
        }
    }

    Rectangle {
        id: sheet
        visible: overlay.alerts.actionSheet
        anchors.bottom: parent.bottom
        width: parent.width
        height: sheetColumn.implicitHeight + 24
        color: Theme.panel
        border.color: Theme.accent
        border.width: 1
        Accessible.role: Accessible.Dialog
        Accessible.name: overlay.alerts.alertTitle.length > 0 ? overlay.alerts.alertTitle : "操作选项"

        Column {
            id: sheetColumn
            x: 12
            y: 12
            width: parent.width - 24
            spacing: 8

            PlainText {
                width: parent.width
                visible: text.length > 0
                text: overlay.alerts.alertTitle
                color: Theme.textDim
                font.family: Theme.fontFamily
                font.pixelSize: 13
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }
            AlertButtonList {
                width: parent.width
                alerts: overlay.alerts
                sheet: true
            }
        }
    }
}
