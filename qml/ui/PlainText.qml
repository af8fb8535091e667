import QtQuick
import Nuvora

// Every text of the client: shown as it is, never as rich text, so that a nickname or
// a mood holding markup (an <img> tag, say) neither formats nor fetches anything.
Text {
    textFormat: Text.PlainText
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    color: Theme.text
}
