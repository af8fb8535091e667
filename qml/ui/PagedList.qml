import QtQuick
import Nuvora

// The one table of a list screen: it reports its scroll events to the controller and
// binds the controller's insets, pull-down header and load-more footer. A screen gives
// it a model and a delegate; the header shows on every list that refreshes by pulling.
ListView {
    id: list

    required property BLKLoadMoreTableViewController controller
    // What an empty list says in its footer, in place of "已加载完全部".
    property string emptyText: "暂无内容"

    clip: true
    boundsBehavior: Flickable.DragAndOvershootBounds
    topMargin: list.controller.scroll.topInset

    // A list released while pulled springs back to the new inset at once: an animated
    // inset would move the target of the rebound, and the header would follow it to 0.
    Behavior on topMargin {
        enabled: list.controller.scroll.insetAnimationMs > 0 && !list.moving
        NumberAnimation { duration: list.controller.scroll.insetAnimationMs }
    }

    footer: LoadMoreFooter {
        id: footerItem
        width: ListView.view.width
        readonly property PagedList list: footerItem.ListView.view as PagedList
        view: footerItem.list.controller.loadMoreFooterView
        emptyText: footerItem.list.count === 0 && !footerItem.view.loading
                   && !footerItem.list.controller.canLoadMore ? footerItem.list.emptyText : ""
    }

    // Above row 0, seen only while the list is pulled down.
    Loader {
        id: headerLoader
        parent: list.contentItem
        y: list.originY - height
        width: list.width
        Component.onCompleted: {
            if (list.controller.pullRefreshHeader)
                headerLoader.setSource("RefreshHeader.qml",
                                       { view: list.controller.pullRefreshHeader })
        }
    }

    onHeightChanged: list.controller.scroll.frameHeight = list.height
    onContentHeightChanged: list.controller.scroll.contentHeight = list.contentHeight
    onContentYChanged: list.controller.scroll.contentOffsetY = list.contentY - list.originY
    onDraggingChanged: {
        list.controller.scroll.dragging = list.dragging
        if (list.dragging)
            list.controller.scrollViewWillBeginDragging()
        else
            list.controller.scrollViewDidEndDragging(list.flicking)
    }
    onMovementEnded: list.controller.scrollViewDidEndDecelerating()
}
