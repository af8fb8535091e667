#pragma once
// The base of list screens that load the next page when scrolled to the bottom, with a
// footer telling whether more can be loaded. The table shows one PagedQuery at a time
// (screens with tabs switch between theirs); a screen without one overrides loadMore().

#include "EGORefreshTableHeaderView.h"
#include "LoadMoreFooterView.h"
#include "PagedQuery.h"
#include "TableScroll.h"
#include "platform/ViewController.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class BLKLoadMoreTableViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of list screens")
    Q_PROPERTY(TableScroll *scroll READ scroll CONSTANT)
    Q_PROPERTY(LoadMoreFooterView *loadMoreFooterView READ loadMoreFooterView CONSTANT)
    Q_PROPERTY(bool canLoadMore READ canLoadMore NOTIFY canLoadMoreChanged)
    Q_PROPERTY(PagedQuery *query READ query NOTIFY queryChanged)
    Q_PROPERTY(RecordListModel *records READ records NOTIFY queryChanged)
    // A page of the list shown is on its way (the footer and the header show it; the
    // screen takes input meanwhile).
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    // The header a pull down shows; set exactly when a pull refreshes the list, so that
    // no list refreshes on a pull the user cannot see.
    Q_PROPERTY(EGORefreshTableHeaderView *pullRefreshHeader READ pullRefreshHeader NOTIFY
                   pullRefreshHeaderChanged)
public:
    // The visible height of a table below the navigation bar.
    static constexpr double kTableHeight = 416;

    explicit BLKLoadMoreTableViewController(AppContext &context, QObject *parent = nullptr);

    TableScroll *scroll() const { return scroll_; }
    LoadMoreFooterView *loadMoreFooterView() const { return footer_; }
    bool canLoadMore() const { return query_ ? query_->canLoadMore() : canLoadMore_; }
    void setCanLoadMore(bool canLoadMore);
    int currentPage() const { return query_ ? query_->page() : currentPage_; }
    void setCurrentPage(int page) { currentPage_ = page; }

    // The list the table shows; none for a screen that pages by itself.
    PagedQuery *query() const { return query_; }
    RecordListModel *records() const { return query_ ? query_->model() : nullptr; }
    bool isLoading() const { return query_ && query_->busy(); }

    virtual void loadMore();
    void loadMoreCompleted();

    virtual EGORefreshTableHeaderView *pullRefreshHeader() const { return nullptr; }

    // Scroll events the view reports besides the offset and drag state.
    Q_INVOKABLE virtual void scrollViewDidEndDragging(bool willDecelerate);
    Q_INVOKABLE virtual void scrollViewWillBeginDragging() {}
    Q_INVOKABLE virtual void scrollViewDidEndDecelerating() {}

signals:
    void canLoadMoreChanged();
    void queryChanged();
    void loadingChanged();
    void pullRefreshHeaderChanged();

protected:
    // Shows `query` in the table (a screen with tabs calls it on every switch); the
    // footer follows its state.
    void setQuery(PagedQuery *query);
    // A list made for this screen, held by it.
    template <class Record> PagedQuery *makeQuery(PagedQuery::Request request)
    {
        return PagedQuery::of<Record>(context(), std::move(request), this);
    }
    // Loads the first page of the query shown.
    void viewDidLoad() override;
    // Runs on every change of the content offset.
    virtual void scrollViewDidScroll();
    // A reply of the query shown was handled.
    virtual void listRequestFinished(bool succeeded);

private:
    TableScroll *scroll_;
    LoadMoreFooterView *footer_;
    QPointer<PagedQuery> query_;
    QMetaObject::Connection finishedConnection_;
    QMetaObject::Connection canLoadMoreConnection_;
    QMetaObject::Connection loadingConnection_;
    bool canLoadMore_ = true;
    int currentPage_ = 1;
};
