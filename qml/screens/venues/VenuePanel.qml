import QtQuick
import Nuvora

// A panel of a venue's page on the stretched item background.
BorderImage {
    x: 10
    width: 300
    source: Theme.image("common-item-bg.png")
    border { left: 100; right: 100; top: 20; bottom: 20 }
}
