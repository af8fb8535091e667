#include "PagedStoreModel.h"

#include <algorithm>

PagedStoreModel::PagedStoreModel(QMetaType rowType, int pageSize, Pager pager, QObject *parent)
    : RecordListModel(rowType, parent), pageSize_(pageSize), pager_(std::move(pager))
{
}

QVariantList PagedStoreModel::read(int offset)
{
    QVariantList rows = pager_(offset, pageSize_);
    std::reverse(rows.begin(), rows.end());
    return rows;
}

int PagedStoreModel::showPage(int page)
{
    QVariantList rows = read(page * pageSize_);
    const int count = int(rows.size());
    newerRows_ = page * pageSize_ + count;
    setRecords(std::move(rows));
    return count;
}

int PagedStoreModel::loadOlderPage()
{
    const QVariantList rows = read(newerRows_);
    newerRows_ += int(rows.size());
    prepend(rows);
    return int(rows.size());
}

void PagedStoreModel::appendLive(const QVariantList &rows)
{
    newerRows_ += int(rows.size());
    append(rows);
}
