import QtQuick
import Nuvora

// The scroll thumb of the nearby table, with the distance bubble riding on it: the
// bubble comes in while the list is dragged and fades out a while after it rests.
Item {
    id: bubble

    required property DistanceScroller scroller
    property bool moving: false

    Accessible.ignored: true

    Rectangle {
        id: thumb
        x: bubble.width - width - 2
        y: bubble.scroller.thumbY
        width: bubble.scroller.indicatorWidth
        height: bubble.scroller.thumbHeight
        radius: width / 2
        color: Theme.text
        opacity: bubble.scroller.thumbShown && (bubble.moving || bubble.scroller.shown) ? 0.5 : 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
    }

    Item {
        id: distanceView
        x: thumb.x - width
        y: bubble.scroller.centerY - height / 2
        width: bubble.scroller.width
        height: tips.implicitHeight
        opacity: 0
        transform: Translate { id: shift; x: bubble.scroller.hiddenShift }

        Image {
            id: tips
            anchors.right: parent.right
            width: bubble.scroller.imageWidth
            source: Theme.image("tips.png")

            PlainText {
                objectName: "distanceLabel"
                y: -1
                width: parent.width
                height: bubble.scroller.labelHeight
                text: bubble.scroller.text
                color: "white"
                style: Text.Raised
                styleColor: "black"
                font.pixelSize: 9
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                Accessible.name: "距离 " + text
            }
        }

        states: State {
            name: "shown"
            when: bubble.scroller.shown
            PropertyChanges { target: distanceView; opacity: 1 }
            PropertyChanges { target: shift; x: 0 }
        }
        transitions: [
            Transition {
                to: "shown"
                NumberAnimation { properties: "opacity,x"; duration: bubble.scroller.showMs }
            },
            Transition {
                from: "shown"
                NumberAnimation { properties: "opacity,x"; duration: bubble.scroller.hideMs }
            }
        ]
    }
}
