pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// The full-screen photo viewer: the paging strip of photos on black, the translucent bar
// with the position title and the toolbar with previous and next; both bars fade out on
// their own and come back on a tap. Drags, taps, pinches and the wheel go to the
// controller, which pages, zooms and times them.
Item {
    id: view

    required property KTPhotoScrollViewController controller

    clip: true
    // A resized window stands in for a turned phone.
    onWidthChanged: view.reportSize()
    onHeightChanged: view.reportSize()
    Component.onCompleted: view.reportSize()

    function reportSize() {
        if (view.controller)
            view.controller.setViewSize(view.width, view.height)
    }

    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    Item {
        id: strip
        objectName: "photoStrip"

        property real offsetX: 0

        x: view.controller.stripX - offsetX
        width: view.controller.contentWidth
        height: view.controller.stripHeight
        onOffsetXChanged: view.controller.scrollViewDidScroll(offsetX)
        // The controller placed the strip at its start page before the view came.
        Component.onCompleted: strip.offsetX = view.controller.scrollTargetX

        NumberAnimation {
            id: settle
            target: strip
            property: "offsetX"
            duration: view.controller.scrollAnimationMs
            easing.type: Easing.OutCubic
        }

        Connections {
            target: view.controller
            function onScrollTargetChanged() {
                settle.stop()
                if (view.controller.scrollAnimated) {
                    settle.to = view.controller.scrollTargetX
                    settle.start()
                } else {
                    strip.offsetX = view.controller.scrollTargetX
                }
            }
        }

        Repeater {
            model: view.controller.photoViews
            delegate: KTPhotoPage {}
        }
    }

    // Drags page the strip (a zoomed photo pans first), taps toggle the bars or, twice,
    // zoom; the wheel zooms about the pointer.
    MouseArea {
        id: gestures
        objectName: "photoGestures"
        anchors.fill: parent

        property point last
        property real lastTime
        property real velocityX
        property bool dragging: false
        readonly property real dragThreshold: 8

        onPressed: mouse => {
            gestures.last = Qt.point(mouse.x, mouse.y)
            gestures.lastTime = Date.now()
            gestures.velocityX = 0
            gestures.dragging = false
        }
        onPositionChanged: mouse => {
            const dx = mouse.x - gestures.last.x
            const dy = mouse.y - gestures.last.y
            if (!gestures.dragging) {
                if (Math.abs(dx) < gestures.dragThreshold && Math.abs(dy) < gestures.dragThreshold)
                    return
                gestures.dragging = true
                view.controller.scrollViewWillBeginDragging()
            }
            const now = Date.now()
            if (now > gestures.lastTime)
                gestures.velocityX = dx * 1000 / (now - gestures.lastTime)
            gestures.lastTime = now
            gestures.last = Qt.point(mouse.x, mouse.y)
            view.controller.dragBy(dx, dy)
        }
        onReleased: mouse => {
            if (gestures.dragging)
                view.controller.scrollViewDidEndDragging(gestures.velocityX)
            else
                view.controller.photoTapped(mouse.x, mouse.y)
            gestures.dragging = false
        }
        onWheel: wheel => view.controller.wheelBy(wheel.angleDelta.y, wheel.x, wheel.y)
    }

    PinchHandler {
        id: pinch
        target: null

        property real lastScale: 1

        onActiveChanged: pinch.lastScale = 1
        onActiveScaleChanged: {
            if (!pinch.active)
                return
            view.controller.pinchBy(pinch.activeScale / pinch.lastScale, pinch.centroid.position.x,
                                    pinch.centroid.position.y)
            pinch.lastScale = pinch.activeScale
        }
    }

    Item {
        id: chrome
        anchors.fill: parent

        NavigationBar {
            objectName: "photoBar"
            color: "#b0000000"
            title: view.controller.title
            leftTitle: "返回"
            visible: chrome.opacity > 0
            onLeftClicked: view.controller.back()
        }

        Rectangle {
            objectName: "photoToolbar"
            anchors.bottom: parent.bottom
            width: parent.width
            height: 44
            color: "#b0000000"
            visible: chrome.opacity > 0

            ToolButton {
                objectName: "previousButton"
                x: parent.width / 3 - width / 2
                icon: "previousIcon.png"
                label: "上一张"
                active: view.controller.previousEnabled
                onTapped: view.controller.previousPhoto()
            }
            ToolButton {
                objectName: "nextButton"
                x: parent.width * 2 / 3 - width / 2
                icon: "nextIcon.png"
                label: "下一张"
                active: view.controller.nextEnabled
                onTapped: view.controller.nextPhoto()
            }
        }

        states: State {
            name: "hidden"
            when: view.controller.chromeHidden
            PropertyChanges { target: chrome; opacity: 0 }
        }
        // Out over 0.4 s; back at once.
        transitions: Transition {
            to: "hidden"
            NumberAnimation { property: "opacity"; duration: view.controller.chromeFadeMs }
        }
    }

    component ToolButton: Item {
        id: button

        required property string icon
        required property string label
        required property bool active
        signal tapped

        y: 2
        width: 40
        height: 40
        opacity: active ? 1 : 0.35
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: if (button.active) button.tapped()

        Image {
            anchors.centerIn: parent
            source: Theme.image(button.icon)
        }

        ExclusiveTap {
            enabled: button.active
            onTapped: button.tapped()
        }
    }
}
