#pragma once
// The rows of a list screen: one record per row, each a QVariant holding the record
// (a gadget, so that a row's view reads its fields as `model.record.nickname`).

#include <QAbstractListModel>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class RecordListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the list controllers")
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role { RecordRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(records_.size()); }
    const QVariant &at(int row) const { return records_.at(row); }
    template <class T> T recordAt(int row) const { return records_.at(row).value<T>(); }

    void clear();
    void append(const QVariantList &records);

signals:
    void countChanged();

private:
    QVariantList records_;
};
