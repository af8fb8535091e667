pragma Singleton
import QtQuick

// The night theme: deep violet and navy, neon accents, white text.
QtObject {
    readonly property color background: "#14102b"
    readonly property color statusBar: "#0a0818"
    readonly property color panel: "#231b4f"
    readonly property color panelTop: "#2e2266"
    readonly property color separator: "#3b2f7a"
    readonly property color accent: "#ff3ea5"
    readonly property color accentCyan: "#3ee8ff"
    readonly property color accentViolet: "#b04dff"
    readonly property color text: "#ffffff"
    readonly property color textDim: "#bdb6e0"
    readonly property color destructive: "#ff5470"
    readonly property color dim: "#a6050410"
    readonly property string fontFamily: "WenQuanYi Micro Hei"
    readonly property int fontSize: 14
    readonly property int titleFontSize: 16

    // The client's own pictures (ThemeImageProvider).
    function image(name: string): url {
        return "image://nuvora/" + name
    }
}
