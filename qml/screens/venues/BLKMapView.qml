import QtQuick
import Nuvora

// A club on a schematic map: the area around it with a grid every 0.01 degree, the red
// pin dropping onto the club with its callout, and the user's own position inside it.
Screen {
    id: view

    required property BLKMapViewController controller

    title: view.controller.annotationTitle || "地图"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    Item {
        id: blkMapView
        width: view.controller.mapWidth
        height: view.controller.mapHeight
        clip: true
        Accessible.role: Accessible.Graphic
        Accessible.name: "地图"
        Accessible.description: view.controller.annotationTitle + " " + view.controller.annotationSubtitle

        // The positions of the lines across `size` points showing `span` degrees.
        function gridLines(size: real, span: real): list<real> {
            const lines = []
            const count = Math.round(span / view.controller.gridStep)
            for (let i = 0; i <= count; ++i)
                lines.push(i * size / count)
            return lines
        }

        Rectangle {
            anchors.fill: parent
            gradient: Gradient {
                GradientStop { position: 0; color: "#1a1440" }
                GradientStop { position: 1; color: "#0f0c26" }
            }
        }

        // One line every grid step, each way.
        Repeater {
            model: blkMapView.gridLines(view.controller.mapHeight, view.controller.latitudeDelta)
            delegate: Rectangle {
                required property real modelData
                y: modelData
                width: parent ? parent.width : 0
                height: 1
                color: Theme.separator
                opacity: 0.8
            }
        }
        Repeater {
            model: blkMapView.gridLines(view.controller.mapWidth, view.controller.longitudeDelta)
            delegate: Rectangle {
                required property real modelData
                x: modelData
                width: 1
                height: parent ? parent.height : 0
                color: Theme.separator
                opacity: 0.8
            }
        }

        // The user's own position, as a phone marks it.
        Item {
            id: userMarker
            visible: view.controller.userLocationVisible
            x: view.controller.userPoint.x - width / 2
            y: view.controller.userPoint.y - height / 2
            width: 28
            height: 28
            Accessible.role: Accessible.Graphic
            Accessible.name: "我的位置"

            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: "#403ee8ff"
            }
            Rectangle {
                anchors.centerIn: parent
                width: 14
                height: 14
                radius: 7
                color: "#2f8cff"
                border.color: "#ffffff"
                border.width: 2
            }
        }

        Image {
            id: pin
            objectName: "pin"
            readonly property real restY: view.controller.pinPoint.y - height
            x: view.controller.pinPoint.x - width / 2
            y: restY
            width: 32
            height: 44
            source: Theme.image("map-pin-red.png")
            Accessible.role: Accessible.Button
            Accessible.name: view.controller.annotationTitle
            Accessible.onPressAction: view.controller.pinTapped()

            NumberAnimation on y {
                id: drop
                from: -pin.height
                to: pin.restY
                duration: 600
                easing.type: Easing.OutBounce
            }

            ExclusiveTap {
                onTapped: view.controller.pinTapped()
            }
        }

        Rectangle {
            id: callout
            objectName: "callout"
            visible: view.controller.calloutShown && !drop.running
            width: Math.min(280, Math.max(calloutTitle.implicitWidth, calloutSubtitle.implicitWidth) + 24)
            height: 52
            radius: 8
            x: Math.max(4, Math.min(blkMapView.width - width - 4, view.controller.pinPoint.x - width / 2))
            y: pin.y - height - 6
            color: Theme.panelTop
            border.color: Theme.accent
            border.width: 1

            PlainText {
                id: calloutTitle
                x: 12
                y: 7
                width: parent.width - 24
                text: view.controller.annotationTitle
                font.bold: true
                elide: Text.ElideRight
            }
            PlainText {
                id: calloutSubtitle
                x: 12
                y: 28
                width: parent.width - 24
                text: view.controller.annotationSubtitle
                color: Theme.textDim
                font.pixelSize: 12
                elide: Text.ElideRight
            }
        }

        PlainText {
            anchors.left: parent.left
            anchors.bottom: parent.bottom
            anchors.margins: 8
            text: "示意地图"
            color: Theme.textDim
            font.pixelSize: 11
        }
    }
}
