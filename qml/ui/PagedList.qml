import QtQuick
import Nuvora

// The one table of a list screen: it reports its scroll events to the controller and
// binds the controller's insets, pull-down header and load-more footer. A screen gives
// it a model and a delegate; `refreshHeaderView` is set on screens that refresh by pulling.
ListView {
    id: list

    required property BLKLoadMoreTableViewController controller
    property EGORefreshTableHeaderView refreshHeaderView: null

    clip: true
    boundsBehavior: Flickable.DragAndOvershootBounds
    topMargin: controller.scroll.topInset

    Behavior on topMargin {
        enabled: list.controller.scroll.insetAnimationMs > 0
        NumberAnimation { duration: list.controller.scroll.insetAnimationMs }
    }

    footer: LoadMoreFooter {
        width: list.width
        view: list.controller.loadMoreFooterView
    }

    Loader {
        y: list.originY - height
        width: list.width
        active: list.refreshHeaderView !== null
        sourceComponent: RefreshHeader {
            width: list.width
            view: list.refreshHeaderView
        }
    }

    onHeightChanged: controller.scroll.frameHeight = height
    onContentHeightChanged: controller.scroll.contentHeight = contentHeight
    onContentYChanged: controller.scroll.contentOffsetY = contentY - originY
    onDraggingChanged: {
        controller.scroll.dragging = dragging
        if (dragging)
            controller.scrollViewWillBeginDragging()
        else
            controller.scrollViewDidEndDragging(flicking)
    }
    onMovementEnded: controller.scrollViewDidEndDecelerating()
}
