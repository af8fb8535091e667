import QtQuick
import Nuvora

// The main hub; its menu and counters are yet to come.
Item {
    required property MainViewController controller

    ScreenBackground {}
    Accessible.name: "首页"
}
