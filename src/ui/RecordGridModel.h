#pragma once
// A grid over a list of records: `columns` records per row (the last row may hold
// fewer), for the screens that lay out tiles in table rows (albums, the nearby grid).
// Each row's role "records" lists its records; `recordIndex` maps a tile back.

#include "RecordListModel.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class RecordGridModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the list controllers")
    Q_PROPERTY(int columns READ columns CONSTANT)
public:
    RecordGridModel(int columns, QObject *parent = nullptr);

    // The list shown; the grid follows its changes.
    void setSource(RecordListModel *source);
    RecordListModel *source() const { return source_; }
    int columns() const { return columns_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The index in the list of the tile at `row`, `column`; -1 where there is no tile.
    Q_INVOKABLE int recordIndex(int row, int column) const;
    // The row holding the list's record `index`.
    int rowOf(int index) const { return index / columns_; }

private:
    int rowsFor(int count) const { return (count + columns_ - 1) / columns_; }
    void appended(int first, int last);
    void layOutAnew();

    int columns_;
    QPointer<RecordListModel> source_;
    int rows_ = 0;
};
