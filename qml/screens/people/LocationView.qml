import QtQuick
import Nuvora

// The region screen: the city found for the position, or one picked by hand.
Screen {
    id: view

    required property LocationViewController controller

    title: "选择城市"
    leftTitle: "取消"
    rightTitle: "确定"
    onLeftClicked: view.controller.cancel()
    onRightClicked: view.controller.confirmLocation()

    Column {
        anchors.top: parent.top
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 16

        PlainText {
            width: parent.width
            text: "你所在的城市"
            color: Theme.textDim
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
            horizontalAlignment: Text.AlignHCenter
        }

        Rectangle {
            width: parent.width
            height: 64
            radius: 10
            color: Theme.panel
            border.color: Theme.accentCyan
            border.width: 1

            PlainText {
                anchors.fill: parent
                anchors.margins: 8
                text: view.controller.infoText
                color: Theme.text
                font.family: Theme.fontFamily
                font.pixelSize: text.length > 8 ? Theme.fontSize : 22
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.Wrap
                Accessible.role: Accessible.StaticText
                Accessible.name: text || "正在定位"
            }

            RunningIndicator {
                anchors.centerIn: parent
                running: view.controller.running
                Accessible.name: "正在定位"
            }
        }

        NeonButton {
            label: "手动选择城市"
            onClicked: view.controller.manualToSelectCity()
        }
    }

    // The picker's frame is the screen's own, navigation bar included, so that it rests
    // on the screen's bottom edge.
    Rectangle {
        parent: view
        z: 1
        y: view.controller.pickerY
        width: view.controller.pickerWidth
        height: view.controller.pickerHeight
        color: Theme.panelTop
        Behavior on y { NumberAnimation { duration: 200 } }

        RegionWheelRow {
            anchors.fill: parent
            wheels: view.controller.wheels
            onPicked: (row, component) => view.controller.pickerViewDidSelectRow(row, component)
        }
    }
}
