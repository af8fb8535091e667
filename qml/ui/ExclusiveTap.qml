import QtQuick

// A tap on its item alone: the press is taken at once, so that nothing under the item
// (a button of the screen beneath an overlay, a row under a bar) reacts to it as well.
TapHandler {
    gesturePolicy: TapHandler.ReleaseWithinBounds
}
