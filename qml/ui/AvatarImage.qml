import QtQuick
import Nuvora

// A user's avatar: the placeholder until it arrives; an avatar the service turned down
// (a User's avatarRejected) is never fetched, its own picture shows instead.
TappableImage {
    property string address
    property bool rejected: false
    property url emptyPicture: Theme.image("placeholder-40-40.png")

    url: rejected ? "" : address
    placeholder: rejected ? Theme.image("pc-avatarrejected.jpg") : emptyPicture
}
