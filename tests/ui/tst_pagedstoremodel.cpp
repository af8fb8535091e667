// The store-backed list model: a page shown oldest first, older pages put in
// front, live rows appended, and the offsets of older pages after live rows, under
// QAbstractItemModelTester.

#include "ui/PagedStoreModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Row {
    Q_GADGET
    Q_PROPERTY(int id MEMBER id)
public:
    int id = 0;
};

} // namespace

class TestPagedStoreModel : public QObject {
    Q_OBJECT

    // The store: ids 1..n, the newest the highest; pages read newest first.
    QList<int> store_;
    QList<std::pair<int, int>> reads_;

    PagedStoreModel *makeModel(QObject *parent)
    {
        return PagedStoreModel::of<Row>(
            3,
            [this](int offset, int count) {
                reads_.append({offset, count});
                QVariantList rows;
                for (int i = int(store_.size()) - 1 - offset; i >= 0 && rows.size() < count; --i)
                    rows.append(QVariant::fromValue(Row{store_[i]}));
                return rows;
            },
            parent);
    }
    static QList<int> ids(const PagedStoreModel &model)
    {
        QList<int> result;
        for (int row = 0; row < model.count(); ++row)
            result << model.recordAt<Row>(row)->id;
        return result;
    }
    void storeUpTo(int last)
    {
        for (int id = int(store_.size()) + 1; id <= last; ++id)
            store_ << id;
    }

private slots:
    void init()
    {
        store_.clear();
        reads_.clear();
    }

    void pagesOldestFirstWithOlderOnesInFront()
    {
        QObject owner;
        PagedStoreModel *model = makeModel(&owner);
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        storeUpTo(8);
        QCOMPARE(model->showPage(0), 3);
        QCOMPARE(ids(*model), (QList<int>{6, 7, 8}));
        QCOMPARE(model->loadOlderPage(), 3);
        QCOMPARE(ids(*model), (QList<int>{3, 4, 5, 6, 7, 8}));
        QCOMPARE(model->loadOlderPage(), 2);
        QCOMPARE(model->loadOlderPage(), 0);
        QCOMPARE(ids(*model), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));

        // A page alone replaces everything.
        QCOMPARE(model->showPage(1), 3);
        QCOMPARE(ids(*model), (QList<int>{3, 4, 5}));
        QCOMPARE(model->showPage(3), 0);
        QCOMPARE(model->count(), 0);
    }

    void liveRowsJoinAtTheEndAndOlderPagesStillFollow()
    {
        QObject owner;
        PagedStoreModel *model = makeModel(&owner);
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        storeUpTo(5);
        model->showPage(0);
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        // Two arrive and are shown as they come.
        storeUpTo(7);
        model->appendLive({QVariant::fromValue(Row{6}), QVariant::fromValue(Row{7})});
        QCOMPARE(ids(*model), (QList<int>{3, 4, 5, 6, 7}));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(inserted.count(), 1);
        // The older page starts below everything shown, not at a shifted offset.
        QCOMPARE(model->loadOlderPage(), 2);
        QCOMPARE(reads_.last(), std::make_pair(5, 3));
        QCOMPARE(ids(*model), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    }
};

QTEST_GUILESS_MAIN(TestPagedStoreModel)
#include "tst_pagedstoremodel.moc"
