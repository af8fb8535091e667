#pragma once
// The base of list screens that load the next page when scrolled to the bottom, with a
// footer telling whether more can be loaded. Derived screens override loadMore().

#include "LoadMoreFooterView.h"
#include "TableScroll.h"
#include "platform/ViewController.h"

#include <QtQml/qqmlregistration.h>

class BLKLoadMoreTableViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of list screens")
    Q_PROPERTY(TableScroll *scroll READ scroll CONSTANT)
    Q_PROPERTY(LoadMoreFooterView *loadMoreFooterView READ loadMoreFooterView CONSTANT)
    Q_PROPERTY(bool canLoadMore READ canLoadMore NOTIFY canLoadMoreChanged)
public:
    // The visible height of a table below the navigation bar.
    static constexpr double kTableHeight = 416;

    explicit BLKLoadMoreTableViewController(AppContext &context, QObject *parent = nullptr);

    TableScroll *scroll() const { return scroll_; }
    LoadMoreFooterView *loadMoreFooterView() const { return footer_; }
    bool canLoadMore() const { return canLoadMore_; }
    void setCanLoadMore(bool canLoadMore);
    int currentPage() const { return currentPage_; }
    void setCurrentPage(int page) { currentPage_ = page; }

    virtual void loadMore();
    void loadMoreCompleted();

    // Scroll events the view reports besides the offset and drag state.
    Q_INVOKABLE virtual void scrollViewDidEndDragging(bool willDecelerate);
    Q_INVOKABLE virtual void scrollViewWillBeginDragging() {}
    Q_INVOKABLE virtual void scrollViewDidEndDecelerating() {}

signals:
    void canLoadMoreChanged();

protected:
    void viewDidLoad() override;
    // Runs on every change of the content offset.
    virtual void scrollViewDidScroll();

private:
    TableScroll *scroll_;
    LoadMoreFooterView *footer_;
    bool canLoadMore_ = true;
    int currentPage_ = 1;
};
