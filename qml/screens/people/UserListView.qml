import QtQuick
import QtQuick.Controls
import Nuvora

// "发现朋友": the nearby users as a grid or a list (a sideways swipe flips the table over
// from the swipe's side), the filter bar, the reload button and the distance bubble.
Screen {
    id: view

    required property UserListViewController controller

    title: "发现朋友"
    leftTitle: "返回"
    rightTitle: "搜索"
    onLeftClicked: view.controller.back()
    onRightClicked: view.controller.search()

    Item {
        id: tableHolder
        objectName: "userTableHolder"
        anchors.fill: parent

        transform: Rotation {
            id: flipRotation
            origin.x: tableHolder.width / 2
            origin.y: tableHolder.height / 2
            axis { x: 0; y: 1; z: 0 }
        }

        UserTable {
            id: table
            objectName: "userTable"
            anchors.fill: parent
            controller: view.controller
        }

        // A sideways swipe anywhere on the table; up and down stay the list's.
        DragHandler {
            id: swipe
            target: null
            yAxis.enabled: false
            grabPermissions: PointerHandler.CanTakeOverFromAnything
            onActiveChanged: {
                if (swipe.active || flip.running)
                    return
                if (swipe.activeTranslation.x < -view.swipeDistance)
                    view.controller.changeTableStyle(true)
                else if (swipe.activeTranslation.x > view.swipeDistance)
                    view.controller.changeTableStyle(false)
            }
        }
    }

    readonly property real swipeDistance: 30

    // The flip: the table turns edge-on, the other style comes in, the table turns back.
    SequentialAnimation {
        id: flip

        property bool fromRight

        NumberAnimation {
            target: flipRotation
            property: "angle"
            from: 0
            to: flip.fromRight ? -90 : 90
            duration: view.controller.flipMs / 2
        }
        ScriptAction {
            script: table.show(view.controller.tableStyle, view.controller.scrollPlaceAfterFlip)
        }
        NumberAnimation {
            target: flipRotation
            property: "angle"
            from: flip.fromRight ? 90 : -90
            to: 0
            duration: view.controller.flipMs / 2
        }
    }

    Connections {
        target: view.controller
        function onTableStyleChanged() {
            flip.fromRight = view.controller.flipFromRight
            flip.restart()
        }
    }

    DistanceBubble {
        anchors.fill: parent
        scroller: view.controller.distanceScroller
        moving: table.moving
    }

    // Reload: the spinner stands in for the button while a page is on its way.
    Rectangle {
        objectName: "refreshButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 14
        width: 44
        height: 44
        radius: 22
        color: Theme.panelTop
        border.color: Theme.accentCyan
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: view.controller.loading ? "正在加载" : "刷新"
        Accessible.onPressAction: view.controller.refreshButtonTapped()

        PlainText {
            anchors.centerIn: parent
            visible: !view.controller.loading
            text: "↻"
            color: Theme.accentCyan
            font.pixelSize: 24
            font.bold: true
        }

        BusyIndicator {
            anchors.centerIn: parent
            width: 28
            height: 28
            running: view.controller.loading
            visible: running
        }

        ExclusiveTap {
            enabled: !view.controller.loading
            onTapped: view.controller.refreshButtonTapped()
        }
    }
}
