import QtQuick
import Nuvora

// A remote picture that is also a button (an avatar, a photo tile, a cover).
WebImage {
    id: image

    property string accessibleName
    signal tapped

    fillMode: WebImage.PreserveAspectCrop
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: image.tapped()

    ExclusiveTap {
        onTapped: image.tapped()
    }
}
