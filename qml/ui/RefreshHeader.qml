import QtQuick
import Nuvora

// The pull-down header above a list's first row; its state and layout come from the
// controller's EGORefreshTableHeaderView.
Item {
    id: header

    required property EGORefreshTableHeaderView view
    readonly property color textColor: Theme.textDim

    height: view.height

    Image {
        id: arrow
        x: 25
        y: header.view.arrowY
        width: 30
        height: 55
        source: Theme.image("blueArrow.png")
        fillMode: Image.PreserveAspectFit
        visible: header.view.arrowVisible
        rotation: header.view.arrowTurned ? 180 : 0
        Behavior on rotation {
            enabled: header.view.arrowAnimated
            NumberAnimation { duration: 180 }
        }
        Accessible.ignored: true
    }

    RunningIndicator {
        x: 25
        y: header.view.spinnerY
        width: 20
        height: 20
        running: header.view.spinning
        visible: running
        Accessible.name: "正在刷新"
    }

    PlainText {
        y: header.view.statusLabelY
        width: header.width
        height: 20
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: header.view.statusText
        color: header.textColor
        font.family: Theme.fontFamily
        font.pixelSize: 13
        font.bold: true
        Accessible.name: text
    }

    PlainText {
        y: header.view.lastUpdatedLabelY
        width: header.width
        height: 20
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: header.view.lastUpdatedText
        color: header.textColor
        font.family: Theme.fontFamily
        font.pixelSize: 12
        Accessible.name: text
    }
}
