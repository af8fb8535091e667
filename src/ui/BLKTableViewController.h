#pragma once
// A paged list base with the pull-down header: pulling the list down and releasing it
// asks for the first page again. The lists with a bar of filters above row 0 reveal
// the bar instead: it shows at load and whenever the list is pulled, and their own
// buttons reload.

#include "BLKLoadMoreTableViewController.h"
#include "EGORefreshTableHeaderView.h"

#include <QTimer>

class BLKTableViewController : public BLKLoadMoreTableViewController,
                               public EGORefreshTableHeaderDelegate {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of list screens")
    Q_PROPERTY(EGORefreshTableHeaderView *refreshHeaderView READ refreshHeaderView CONSTANT)
public:
    static constexpr int kFilterBarFirstShowMs = 2000;
    static constexpr int kFilterBarPulledShowMs = 10000;
    static constexpr double kFilterBarInset = 60;

    explicit BLKTableViewController(AppContext &context, QObject *parent = nullptr);

    EGORefreshTableHeaderView *refreshHeaderView() const { return header_; }
    EGORefreshTableHeaderView *pullRefreshHeader() const override
    {
        return revealsFilterBar_ ? nullptr : header_;
    }

    // Reloads the list shown; a filter-bar list only shows its bar a while.
    virtual void refresh();
    void refreshCompleted();

    void scrollViewDidEndDragging(bool willDecelerate) override;

    void egoRefreshTableHeaderDidTriggerRefresh() override { refresh(); }
    bool egoRefreshTableHeaderDataSourceIsLoading() override { return false; }
    std::optional<QDateTime> egoRefreshTableHeaderDataSourceLastUpdated() override;

    bool revealsFilterBar() const { return revealsFilterBar_; }
    void setFilterBarTimings(int firstShowMs, int pulledShowMs);

protected:
    void setRevealsFilterBar(bool reveals);
    void viewDidLoad() override;
    void scrollViewDidScroll() override;
    void listRequestFinished(bool succeeded) override;

private:
    EGORefreshTableHeaderView *header_;
    bool revealsFilterBar_ = false;
    QTimer filterBarTimer_;
    int filterBarFirstShowMs_ = kFilterBarFirstShowMs;
    int filterBarPulledShowMs_ = kFilterBarPulledShowMs;
};
