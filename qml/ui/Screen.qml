import QtQuick
import Nuvora

// The frame of a screen: the tiled background, the navigation bar with its title and
// text buttons, and the content below the bar. While its controller is busy, the host
// shows the running indicator, named by `busyText`, over an input blocker.
Item {
    id: screen

    property string title
    property string leftTitle
    property string rightTitle
    // An icon on the right that turns with the state `rightTurn` holds.
    property ButtonRotation rightTurn: null
    property url rightIcon
    property string rightName
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
}
