#include "EGORefreshTableHeaderView.h"

#include "TableScroll.h"
#include "platform/SettingsStore.h"

#include <QLocale>
#include <algorithm>

EGORefreshTableHeaderView::EGORefreshTableHeaderView(double height, SettingsStore &settings,
                                                     QObject *parent)
    : QObject(parent), height_(height), settings_(settings)
{
    // Entering Normal before a delegate is set clears the last-updated line.
    setState(Normal);
}

void EGORefreshTableHeaderView::setHeight(double height)
{
    if (height == height_)
        return;
    height_ = height;
    emit heightChanged();
}

QString EGORefreshTableHeaderView::statusText() const
{
    switch (state_) {
    case Pulling:
        return tr("松开即可刷新...");
    case Loading:
        return tr("正在刷新...");
    case Normal:
        break;
    }
    return tr("下拉可以刷新...");
}

void EGORefreshTableHeaderView::setState(State state)
{
    // The arrow turns (animated) into and out of Pulling; every other change is instant.
    arrowAnimated_ = state == Pulling || (state == Normal && state_ == Pulling);
    state_ = state;
    if (state == Normal)
        refreshLastUpdatedDate();
    emit stateChanged();
}

void EGORefreshTableHeaderView::refreshLastUpdatedDate()
{
    const std::optional<QDateTime> date =
        delegate_ ? delegate_->egoRefreshTableHeaderDataSourceLastUpdated() : std::nullopt;
    QString text;
    if (date) {
        const QLocale locale = QLocale::system();
        text = QStringLiteral("最后更新: %1")
                   .arg(locale.toString(date->date(), QLocale::ShortFormat) + QLatin1Char(' ')
                        + locale.toString(date->time(), QLocale::ShortFormat));
        settings_.setString(kLastRefreshKey, text);
        settings_.flush();
    }
    if (text != lastUpdatedText_) {
        lastUpdatedText_ = text;
        emit lastUpdatedTextChanged();
    }
}

bool EGORefreshTableHeaderView::delegateIsLoading() const
{
    return delegate_ && delegate_->egoRefreshTableHeaderDataSourceIsLoading();
}

void EGORefreshTableHeaderView::egoRefreshScrollViewDidScroll(TableScroll &scroll)
{
    const double y = scroll.contentOffsetY();
    if (state_ == Loading) {
        scroll.setTopInset(std::min(std::max(-y, 0.0), kLoadingInset));
        return;
    }
    if (!scroll.dragging())
        return;
    const bool loading = delegateIsLoading();
    if (state_ == Pulling && y > -kPullingThreshold && y < 0 && !loading)
        setState(Normal);
    else if (state_ == Normal && y < -kPullingThreshold && !loading)
        setState(Pulling);
    if (scroll.topInset() != 0)
        scroll.setTopInset(0);
}

void EGORefreshTableHeaderView::egoRefreshScrollViewDidEndDragging(TableScroll &scroll)
{
    const bool loading = delegateIsLoading();
    if (scroll.contentOffsetY() <= -kTriggerThreshold && !loading) {
        if (delegate_)
            delegate_->egoRefreshTableHeaderDidTriggerRefresh();
        setState(Loading);
        scroll.setTopInset(kLoadingInset, kShowInsetMs);
    }
}

void EGORefreshTableHeaderView::egoRefreshScrollViewDataSourceDidFinishedLoading(
    TableScroll &scroll)
{
    scroll.setTopInset(0, kHideInsetMs);
    setState(Normal);
}
