#include "RecordGridModel.h"

namespace {
constexpr int kRecordsRole = Qt::UserRole;
}

RecordGridModel::RecordGridModel(int columns, QObject *parent)
    : QAbstractListModel(parent), columns_(std::max(1, columns))
{
}

void RecordGridModel::setSource(RecordListModel *source)
{
    if (source == source_)
        return;
    beginResetModel();
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    rows_ = source ? rowsFor(source->count()) : 0;
    if (source) {
        // Tiles move between rows on any change, so the grid is laid out anew.
        connect(source, &QAbstractItemModel::modelReset, this, &RecordGridModel::layOutAnew);
        connect(source, &QAbstractItemModel::rowsRemoved, this, &RecordGridModel::layOutAnew);
        connect(source, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first, int last) { appended(first, last); });
        connect(source, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &first, const QModelIndex &last) {
                    emit dataChanged(index(rowOf(first.row())), index(rowOf(last.row())));
                });
    }
    endResetModel();
}

// Pages arrive at the end: the last row fills up and rows follow, so the view keeps
// its place; anything else lays the grid out anew.
void RecordGridModel::appended(int first, int last)
{
    if (last != source_->count() - 1) {
        layOutAnew();
        return;
    }
    const int rows = rowsFor(source_->count());
    if (rowOf(first) < rows_)
        emit dataChanged(index(rowOf(first)), index(rows_ - 1));
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
}

void RecordGridModel::layOutAnew()
{
    beginResetModel();
    rows_ = source_ ? rowsFor(source_->count()) : 0;
    endResetModel();
}

int RecordGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant RecordGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || role != kRecordsRole)
        return {};
    QVariantList records;
    for (int column = 0; column < columns_; ++column) {
        const int at = recordIndex(index.row(), column);
        if (at < 0)
            break;
        records.append(*source_->at(at));
    }
    return records;
}

QHash<int, QByteArray> RecordGridModel::roleNames() const
{
    return {{kRecordsRole, QByteArrayLiteral("records")}};
}

int RecordGridModel::recordIndex(int row, int column) const
{
    if (!source_ || row < 0 || column < 0 || column >= columns_)
        return -1;
    const int at = row * columns_ + column;
    return at < source_->count() ? at : -1;
}
