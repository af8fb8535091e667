import QtQuick
import Nuvora

// The auto-hiding notice: the check-mark above a short text, gone by itself.
Rectangle {
    id: notice

    required property AlertPresenter alerts

    width: 160
    height: noticeColumn.implicitHeight + 28
    radius: 10
    color: "#e61a1440"
    border.color: Theme.accentCyan
    border.width: 1
    opacity: alerts.noticeVisible ? 1 : 0
    visible: opacity > 0
    Behavior on opacity { NumberAnimation { duration: 150 } }
    Accessible.role: Accessible.StaticText
    Accessible.name: alerts.noticeText

    Column {
        id: noticeColumn
        anchors.centerIn: parent
        width: parent.width - 24
        spacing: 8

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: Theme.image("common-ok-s.png")
            Accessible.ignored: true
        }
        PlainText {
            width: parent.width
            text: notice.alerts.noticeText
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: 14
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
        }
    }
}
