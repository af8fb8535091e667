import QtQuick
import Nuvora

// The footer of a paged list: whether more can be loaded, a spinner while loading. A
// list that came back empty says so once, in the screen's words.
Item {
    id: footer

    required property LoadMoreFooterView view
    // Set while the list has no rows and asks for none.
    property string emptyText

    height: 44

    Row {
        anchors.centerIn: parent
        spacing: 8

        RunningIndicator {
            width: 20
            height: 20
            anchors.verticalCenter: parent.verticalCenter
            running: footer.view.loading
            visible: running
            Accessible.name: "加载中"
        }

        PlainText {
            anchors.verticalCenter: parent.verticalCenter
            text: footer.emptyText.length > 0 ? footer.emptyText : footer.view.infoText
            color: Theme.textDim
            font.family: Theme.fontFamily
            font.pixelSize: 13
            Accessible.name: text
        }
    }
}
