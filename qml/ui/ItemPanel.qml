import QtQuick
import Nuvora

// A panel on the stretched item background: a venue's block, a photo's, a mood's.
BorderImage {
    x: 10
    width: 300
    source: Theme.image("common-item-bg.png")
    border { left: 100; right: 100; top: 20; bottom: 20 }
}
