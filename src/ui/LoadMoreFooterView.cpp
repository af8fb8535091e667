#include "LoadMoreFooterView.h"

void LoadMoreFooterView::startLoading()
{
    loading_ = true;
    infoText_ = kLoadingText;
    emit changed();
}

void LoadMoreFooterView::stopLoading(bool canLoadMore)
{
    loading_ = false;
    infoText_ = canLoadMore ? kMoreText : kAllLoadedText;
    emit changed();
}
