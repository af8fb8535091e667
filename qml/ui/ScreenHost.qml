import QtQuick
import Nuvora
// Apart from QtQuick's own Screen.
import Nuvora as App

// Holds one screen's view in the stack: loads the view for its controller, shows the
// running indicator over an input blocker while the controller is busy, so that nothing
// is pressed twice while a request runs, and hands the controller back to the stack
// once the view is gone.
Item {
    id: host

    required property ViewController controller
    required property url viewUrl
    required property NavigationController navigation
    readonly property real bottomBarHeight: (loader.item as App.Screen)?.bottomBarHeight ?? 0

    Loader {
        id: loader
        anchors.fill: parent
        Component.onCompleted: loader.setSource(host.viewUrl, { controller: host.controller })
    }

    // The back key does what the screen's left bar button does, where it has one.
    RunningIndicator {
        anchors.centerIn: parent
        z: 11
        running: host.controller.busy
        Accessible.name: (loader.item as App.Screen)?.busyText ?? "加载中"
    }

    InputBlocker {
        enabled: host.controller.busy
        visible: host.controller.busy
    }

    function goBack(): void {
        const view = loader.item as App.Screen
        if (view && view.leftTitle.length > 0)
            view.leftClicked()
    }

    Component.onDestruction: host.navigation.releaseController(host.controller)
}
