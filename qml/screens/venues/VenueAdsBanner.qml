import QtQuick
import Nuvora

// The header of a venue list: the advertisement banner, which may come after the list;
// no height while there is none.
Item {
    id: header

    property ADsView banner: null
    property real bannerWidth: 320
    property real bannerHeight: 119

    width: bannerWidth
    height: banner ? bannerHeight : 0

    Loader {
        id: bannerLoader
        readonly property ADsView banner: header.banner
        onBannerChanged: bannerLoader.showBanner()
        Component.onCompleted: bannerLoader.showBanner()

        function showBanner(): void {
            if (bannerLoader.banner)
                bannerLoader.setSource("qrc:/Nuvora/qml/app/AdBanner.qml",
                                       { banner: bannerLoader.banner })
        }
    }
}
