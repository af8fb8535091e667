#pragma once
// Rows read from the message store a page at a time, the store answering newest
// first: a page shows oldest first, older pages go in front of it, and live rows
// (newer than everything read) join at the end. The chat screen and the chat log
// show their conversations through it.

#include "RecordListModel.h"

#include <functional>

class PagedStoreModel : public RecordListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the screen controllers")
public:
    // Up to `count` rows from `offset` on, newest first.
    using Pager = std::function<QVariantList(int offset, int count)>;

    PagedStoreModel(QMetaType rowType, int pageSize, Pager pager, QObject *parent = nullptr);
    template <class Row> static PagedStoreModel *of(int pageSize, Pager pager, QObject *parent)
    {
        return new PagedStoreModel(QMetaType::fromType<Row>(), pageSize, std::move(pager), parent);
    }

    int pageSize() const { return pageSize_; }

    // Shows page `page` alone (0 holds the newest rows); the number of its rows.
    int showPage(int page);
    // Puts the page older than the rows shown in front of them; the number of its rows.
    int loadOlderPage();
    // Rows newer than every row shown, in the store's order, at the end.
    void appendLive(const QVariantList &rows);

private:
    QVariantList read(int offset);

    int pageSize_;
    Pager pager_;
    // Rows of the store newer than the oldest row shown, live ones included.
    int newerRows_ = 0;
};
