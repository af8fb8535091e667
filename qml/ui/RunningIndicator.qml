import QtQuick
import Nuvora

// The activity indicator of the night theme: a neon arc turning while running.
Item {
    id: indicator

    property bool running: true

    implicitWidth: 40
    implicitHeight: 40
    visible: running
    Accessible.role: Accessible.Animation

    Canvas {
        id: arc
        anchors.fill: parent
        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = 3
            ctx.lineCap = "round"
            ctx.strokeStyle = Theme.accentCyan
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, width / 2 - 3, 0, Math.PI * 1.5)
            ctx.stroke()
        }

        RotationAnimator on rotation {
            from: 0
            to: 360
            duration: 900
            loops: Animation.Infinite
            running: indicator.running
        }
    }
}
