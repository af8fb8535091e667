import QtQuick
import Nuvora

// The frame of a screen: the tiled background, the navigation bar with its title and
// text buttons, the content below the bar, and while `busy` the running indicator over
// an input blocker, so that nothing is pressed twice while a request runs.
Item {
    id: screen

    property string title
    property string leftTitle
    property string rightTitle
    // An icon on the right that turns with the state `rightTurn` holds.
    property ButtonRotation rightTurn: null
    property url rightIcon
    property string rightName
    property bool busy: false
    property string busyText: "加载中"
    // How much of the screen's bottom a bar of its own takes (an input bar with its
    // keyboard): the hub's reminder pop-up rests above it instead of covering it.
    property real bottomBarHeight: 0
    default property alias content: body.data
    signal leftClicked
    signal rightClicked

    ScreenBackground {}

    NavigationBar {
        id: bar
        title: screen.title
        leftTitle: screen.leftTitle
        rightTitle: screen.rightTitle
        rightTurn: screen.rightTurn
        rightIcon: screen.rightIcon
        rightName: screen.rightName
        onLeftClicked: screen.leftClicked()
        onRightClicked: screen.rightClicked()
    }

    Item {
        id: body
        anchors.top: bar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
    }

    RunningIndicator {
        anchors.centerIn: parent
        running: screen.busy
        z: 11
        Accessible.name: screen.busyText
    }

    InputBlocker {
        enabled: screen.busy
        visible: screen.busy
    }
}
