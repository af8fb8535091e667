import QtQuick
import Nuvora

// The header of a venue list: the advertisement banner, which may come after the list;
// no height while there is none. A list resting at its top shows a banner that comes
// late from its top; a list the user has scrolled keeps its rows where they are.
Item {
    id: header

    required property VenueAdsHeader ads
    readonly property ListView list: header.ListView.view as ListView
    // The list's origin before the latest change, to tell whether it rested at its top.
    property real lastOriginY: 0

    width: header.ads.width
    height: header.ads.view ? header.ads.height : 0

    Component.onCompleted: header.lastOriginY = header.list.originY

    Connections {
        target: header.list
        function onOriginYChanged(): void {
            const list = header.list
            const restedAtTop = list.contentY <= header.lastOriginY - list.topMargin + 0.5
            header.lastOriginY = list.originY
            if (restedAtTop && !list.moving)
                list.contentY = list.originY - list.topMargin
        }
    }

    Loader {
        id: bannerLoader
        readonly property ADsView banner: header.ads.view
        onBannerChanged: bannerLoader.showBanner()
        Component.onCompleted: bannerLoader.showBanner()

        function showBanner(): void {
            if (bannerLoader.banner)
                bannerLoader.setSource("qrc:/Nuvora/qml/app/AdBanner.qml",
                                       { banner: bannerLoader.banner })
        }
    }
}
