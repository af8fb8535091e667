import QtQuick
import Nuvora
// Apart from QtQuick's own Screen.
import Nuvora as App

// Holds one screen's view in the stack: loads the view for its controller and
// hands the controller back to the stack once the view is gone.
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
    function goBack(): void {
        const view = loader.item as App.Screen
        if (view && view.leftTitle.length > 0)
            view.leftClicked()
    }

    Component.onDestruction: host.navigation.releaseController(host.controller)
}
