#pragma once
// A paged list base with the pull-down header: pulling the list down and releasing it
// asks for the first page again. Derived screens override refresh().

#include "BLKLoadMoreTableViewController.h"
#include "EGORefreshTableHeaderView.h"

class BLKTableViewController : public BLKLoadMoreTableViewController,
                               public EGORefreshTableHeaderDelegate {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of list screens")
    Q_PROPERTY(EGORefreshTableHeaderView *refreshHeaderView READ refreshHeaderView CONSTANT)
public:
    explicit BLKTableViewController(AppContext &context, QObject *parent = nullptr);

    EGORefreshTableHeaderView *refreshHeaderView() const { return header_; }

    virtual void refresh();
    void refreshCompleted();

    void scrollViewDidEndDragging(bool willDecelerate) override;

    void egoRefreshTableHeaderDidTriggerRefresh() override { refresh(); }
    bool egoRefreshTableHeaderDataSourceIsLoading() override { return false; }
    std::optional<QDateTime> egoRefreshTableHeaderDataSourceLastUpdated() override;

protected:
    void viewDidLoad() override;
    void scrollViewDidScroll() override;

private:
    EGORefreshTableHeaderView *header_;
};
