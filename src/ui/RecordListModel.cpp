#include "RecordListModel.h"

#include <QMetaProperty>

namespace {
constexpr int kRecordRole = Qt::UserRole;
constexpr int kFirstPropertyRole = Qt::UserRole + 1;
} // namespace

RecordListModel::RecordListModel(QMetaType recordType, QObject *parent)
    : QAbstractListModel(parent), recordType_(recordType)
{
    roles_.insert(kRecordRole, QByteArrayLiteral("record"));
    if (const QMetaObject *meta = recordType.metaObject()) {
        for (int i = 0; i < meta->propertyCount(); ++i)
            roles_.insert(kFirstPropertyRole + i, QByteArray(meta->property(i).name()));
    }
}

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(records_.size());
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QVariant &record = records_.at(index.row());
    if (role == kRecordRole)
        return record;
    const QMetaObject *meta = recordType_.metaObject();
    const int property = role - kFirstPropertyRole;
    if (!meta || property < 0 || property >= meta->propertyCount()
        || record.metaType() != recordType_)
        return {};
    return meta->property(property).readOnGadget(record.constData());
}

QHash<int, QByteArray> RecordListModel::roleNames() const
{
    return roles_;
}

const QVariant *RecordListModel::at(int row) const
{
    return row >= 0 && row < records_.size() ? &records_.at(row) : nullptr;
}

void RecordListModel::setRecords(QVariantList records)
{
    if (records.isEmpty() && records_.isEmpty())
        return;
    beginResetModel();
    records_ = std::move(records);
    endResetModel();
    emit countChanged();
}

void RecordListModel::append(const QVariantList &records)
{
    insert(int(records_.size()), records);
}

void RecordListModel::prepend(const QVariantList &records)
{
    insert(0, records);
}

void RecordListModel::insert(int first, const QVariantList &records)
{
    if (records.isEmpty())
        return;
    beginInsertRows({}, first, first + int(records.size()) - 1);
    for (qsizetype i = 0; i < records.size(); ++i)
        records_.insert(first + i, records.at(i));
    endInsertRows();
    emit countChanged();
}

void RecordListModel::replace(int row, const QVariant &record)
{
    if (!at(row))
        return;
    records_[row] = record;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed);
}

void RecordListModel::removeAt(int row)
{
    if (!at(row))
        return;
    beginRemoveRows({}, row, row);
    records_.removeAt(row);
    endRemoveRows();
    emit countChanged();
}
