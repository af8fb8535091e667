#include "RecordListModel.h"

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(records_.size());
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || role != RecordRole)
        return {};
    return records_.at(index.row());
}

QHash<int, QByteArray> RecordListModel::roleNames() const
{
    return {{RecordRole, QByteArrayLiteral("record")}};
}

void RecordListModel::clear()
{
    if (records_.isEmpty())
        return;
    beginResetModel();
    records_.clear();
    endResetModel();
    emit countChanged();
}

void RecordListModel::append(const QVariantList &records)
{
    if (records.isEmpty())
        return;
    const int first = int(records_.size());
    beginInsertRows({}, first, first + int(records.size()) - 1);
    records_.append(records);
    endInsertRows();
    emit countChanged();
}
