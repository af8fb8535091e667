import QtQuick
import QtQuick.Controls
import Nuvora

// The StackView mirroring the navigation controller, and the modal layer above it. A
// press reaches only the front-most layer: the stack under a modal screen, and both
// under an alert (`covered`), take none; nothing takes one while a screen slides.
Item {
    id: root

    required property AppShell shell
    property bool covered: false
    readonly property NavigationController navigation: shell.navigation
    // The bottom bar of the screen in front, which the hub's pop-up leaves uncovered.
    readonly property real frontBottomBarHeight: modal.shown
        ? (loader.item as ScreenHost)?.bottomBarHeight ?? 0
        : (stack.currentItem as ScreenHost)?.bottomBarHeight ?? 0

    function entry(controller: ViewController): var {
        return { controller: controller, viewUrl: root.shell.viewUrl(controller.viewName),
                 navigation: root.navigation }
    }

    function entries(controllers: list<QtObject>): var {
        let items = []
        for (const controller of controllers) {
            items.push(hostComponent)
            items.push(root.entry(controller))
        }
        return items
    }

    // Goes back on the front screen, the modal one first; never while a screen slides.
    function goBack(): void {
        if (stack.busy || modal.sliding)
            return
        const front = (modal.shown ? modal.host : stack.currentItem) as ScreenHost
        front?.goBack()
    }

    Component {
        id: hostComponent
        ScreenHost {}
    }

    CoveredLayer {
        anchors.fill: parent
        covered: root.covered || modal.shown

        StackView {
            id: stack
            objectName: "screenStack"
            anchors.fill: parent
            clip: true

            Component.onCompleted: {
                root.navigation.viewsAttached = true
                const controllers = root.navigation.viewControllerObjects
                if (controllers.length > 0)
                    stack.push(root.entries(controllers), StackView.Immediate)
            }
        }
    }

    Connections {
        target: root.navigation

        function onPushed(controller: QtObject, animated: bool) {
            stack.push(hostComponent, root.entry(controller as ViewController),
                       animated ? StackView.PushTransition : StackView.Immediate)
        }
        function onPopped(top: QtObject, animated: bool) {
            const item = stack.find(item => (item as ScreenHost).controller === top)
            stack.pop(item, animated ? StackView.PopTransition : StackView.Immediate)
        }
        function onReplaced(controllers: list<QtObject>, animated: bool) {
            stack.replace(null, root.entries(controllers),
                          animated ? StackView.ReplaceTransition : StackView.Immediate)
        }
        function onPresented(controller: QtObject, animated: bool) {
            modal.show(controller as ViewController, animated)
        }
        function onDismissed(animated: bool) {
            modal.hide(animated)
        }
    }

    // One modal screen at a time, sliding up from the bottom.
    CoveredLayer {
        id: modal
        objectName: "modalLayer"

        readonly property bool shown: loader.active
        readonly property bool sliding: slideAnimation.running
        readonly property ScreenHost host: loader.item as ScreenHost

        function show(controller: ViewController, animated: bool) {
            slide.enabled = animated
            loader.active = true
            loader.setSource("qrc:/Nuvora/qml/ui/ScreenHost.qml", root.entry(controller))
            modal.y = 0
        }
        function hide(animated: bool) {
            slide.enabled = animated
            modal.y = root.height
            if (!animated)
                loader.active = false
        }

        width: root.width
        height: root.height
        y: root.height
        visible: shown
        covered: root.covered

        Behavior on y {
            id: slide
            NumberAnimation {
                id: slideAnimation
                duration: 250
                easing.type: Easing.OutCubic
                onRunningChanged: if (!running && modal.y >= root.height) loader.active = false
            }
        }

        Loader {
            id: loader
            anchors.fill: parent
            active: false
        }
    }

    // Nothing takes a press while a screen slides in or out.
    InputBlocker {
        objectName: "transitionBlocker"
        z: 20
        enabled: stack.busy || modal.sliding
        visible: enabled
    }
}
