#pragma once
// The rows of a list screen: one record per row, each a gadget. Every property of
// the record type is a role of the same name, so that a row's view binds it with
// `required property`; the role "record" holds the whole record.

#include <QAbstractListModel>
#include <QMetaType>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <optional>

class RecordListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the list controllers")
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    // Rows of `recordType`, a gadget (or any type, then with the role "record" only).
    explicit RecordListModel(QMetaType recordType, QObject *parent = nullptr);
    template <class Record> static RecordListModel *of(QObject *parent)
    {
        return new RecordListModel(QMetaType::fromType<Record>(), parent);
    }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(records_.size()); }
    // The record of `row`; none outside the rows.
    const QVariant *at(int row) const;
    template <class Record> std::optional<Record> recordAt(int row) const
    {
        const QVariant *record = at(row);
        if (!record || record->metaType() != QMetaType::fromType<Record>())
            return std::nullopt;
        return record->value<Record>();
    }
    const QVariantList &records() const { return records_; }

    // Replaces every row.
    void setRecords(QVariantList records);
    void append(const QVariantList &records);
    void prepend(const QVariantList &records);
    void replace(int row, const QVariant &record);
    void removeAt(int row);
    void clear() { setRecords({}); }

signals:
    void countChanged();

private:
    void insert(int first, const QVariantList &records);

    QMetaType recordType_;
    QHash<int, QByteArray> roles_;
    QVariantList records_;
};
