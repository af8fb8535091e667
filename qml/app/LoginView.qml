import QtQuick
import Nuvora

// The sign-in screen; its form is yet to come.
Item {
    required property LoginViewController controller

    ScreenBackground {}
    Accessible.name: "登录"
}
