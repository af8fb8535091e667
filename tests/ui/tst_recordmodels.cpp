// The list models the views bind to, each under QAbstractItemModelTester: a gadget's
// properties as roles, bounds-checked record access, and the grid's tiles, whose
// rows grow in place when a page is appended.

#include "Fixtures.h"
#include "model/User.h"
#include "ui/RecordGridModel.h"
#include "ui/RecordListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace json = nuvora::json;

namespace {
// The users of a captured "user_nearby.php" reply.
QVariantList nearbyUsers()
{
    const json::Value reply = Fixtures::json("user_nearby_page1.json");
    QVariantList users;
    for (const json::Value &user : reply["users"].asArray())
        users << QVariant::fromValue(User(user, std::nullopt));
    return users;
}

QVariantList usersWithIds(int first, int count)
{
    QVariantList users;
    for (int id = first; id < first + count; ++id) {
        User user;
        user.userId = id;
        users << QVariant::fromValue(user);
    }
    return users;
}

int roleNamed(const QAbstractItemModel &model, const QByteArray &name)
{
    return model.roleNames().key(name, -1);
}

QList<int> idsInGridRow(const RecordGridModel &grid, int row)
{
    QList<int> ids;
    for (const QVariant &record : grid.data(grid.index(row), roleNamed(grid, "records")).toList())
        ids << record.value<User>().userId;
    return ids;
}
} // namespace

class tst_RecordModels : public QObject {
    Q_OBJECT
private slots:
    void gadgetPropertiesAreRoles();
    void recordsOutsideTheRowsAreNone();
    void gridTilesMapBackToRecords();
    void appendedPageGrowsTheGridInPlace();
};

void tst_RecordModels::gadgetPropertiesAreRoles()
{
    RecordListModel *model = RecordListModel::of<User>(this);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QVariantList users = nearbyUsers();
    QCOMPARE(users.size(), 3);
    model->setRecords(users);
    QCOMPARE(model->rowCount(), 3);

    const QModelIndex second = model->index(1);
    for (const char *name :
         {"record", "userId", "nickname", "avatar", "distance", "occupation", "avatarRejected"})
        QVERIFY2(roleNamed(*model, name) >= 0, name);
    QCOMPARE(model->data(second, roleNamed(*model, "userId")).toInt(), 64);
    QCOMPARE(model->data(second, roleNamed(*model, "nickname")).toString(),
             users[1].value<User>().nickname);
    QVERIFY(model->data(second, roleNamed(*model, "avatar")).toString().endsWith("!100"));
    QCOMPARE(model->data(second, roleNamed(*model, "avatarRejected")).toBool(), false);
    QCOMPARE(model->data(second, roleNamed(*model, "record")).value<User>().userId, 64);
    // Roles that are no property read nothing.
    QVERIFY(!model->data(second, Qt::DisplayRole).isValid());
    QVERIFY(!model->data(second, roleNamed(*model, "record") + 1000).isValid());

    // Every change goes through the row signals the tester checks.
    model->append(usersWithIds(100, 2));
    model->prepend(usersWithIds(200, 1));
    model->replace(0, usersWithIds(300, 1).first());
    model->removeAt(2);
    model->removeAt(9);
    QCOMPARE(model->count(), 5);
    QCOMPARE(model->data(model->index(0), roleNamed(*model, "userId")).toInt(), 300);
    model->clear();
    QCOMPARE(model->count(), 0);
}

void tst_RecordModels::recordsOutsideTheRowsAreNone()
{
    RecordListModel *model = RecordListModel::of<User>(this);
    model->setRecords(usersWithIds(1, 2));
    QCOMPARE(model->recordAt<User>(1)->userId, 2);
    QCOMPARE(model->recordAt<User>(-1), std::nullopt);
    QCOMPARE(model->recordAt<User>(2), std::nullopt);
    QCOMPARE(model->at(2), nullptr);
    // A row holding another type is no User either.
    model->replace(0, QVariant(QStringLiteral("not a user")));
    QCOMPARE(model->recordAt<User>(0), std::nullopt);
    QVERIFY(!model->data(model->index(0), roleNamed(*model, "userId")).isValid());
    // Nothing to replace or remove outside the rows.
    model->replace(5, usersWithIds(9, 1).first());
    model->removeAt(-1);
    QCOMPARE(model->count(), 2);
}

void tst_RecordModels::gridTilesMapBackToRecords()
{
    RecordListModel *list = RecordListModel::of<User>(this);
    RecordGridModel grid(3);
    QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(grid.recordIndex(0, 0), -1); // no source yet
    grid.setSource(list);
    list->setRecords(usersWithIds(1, 7));
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.recordIndex(0, 0), 0);
    QCOMPARE(grid.recordIndex(1, 2), 5);
    QCOMPARE(grid.recordIndex(2, 0), 6);
    // Beyond the last, partial row and outside the columns there is no tile.
    QCOMPARE(grid.recordIndex(2, 1), -1);
    QCOMPARE(grid.recordIndex(3, 0), -1);
    QCOMPARE(grid.recordIndex(0, 3), -1);
    QCOMPARE(grid.recordIndex(-1, 0), -1);
    QCOMPARE(idsInGridRow(grid, 1), (QList<int>{4, 5, 6}));
    QCOMPARE(idsInGridRow(grid, 2), (QList<int>{7}));
    QCOMPARE(grid.rowOf(6), 2);
}

void tst_RecordModels::appendedPageGrowsTheGridInPlace()
{
    RecordListModel *list = RecordListModel::of<User>(this);
    RecordGridModel grid(3);
    QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setSource(list);
    list->setRecords(usersWithIds(1, 4));
    QCOMPARE(grid.rowCount(), 2);

    QSignalSpy reset(&grid, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&grid, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);
    // The partial row fills up, and one new row follows; the first row is untouched.
    list->append(usersWithIds(5, 3));
    QCOMPARE(reset.size(), 0);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted[0][1].toInt(), 2);
    QCOMPARE(inserted[0][2].toInt(), 2);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex().row(), 1);
    QCOMPARE(changed[0][1].toModelIndex().row(), 1);
    QCOMPARE(idsInGridRow(grid, 1), (QList<int>{4, 5, 6}));
    QCOMPARE(idsInGridRow(grid, 2), (QList<int>{7}));

    // A page that only fills the last row adds no row.
    list->append(usersWithIds(8, 2));
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(idsInGridRow(grid, 2), (QList<int>{7, 8, 9}));

    // A removed tile moves every later one, so the grid is laid out anew.
    list->removeAt(0);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(idsInGridRow(grid, 0), (QList<int>{2, 3, 4}));
    // A reloaded first page too.
    list->setRecords(usersWithIds(50, 2));
    QCOMPARE(reset.size(), 2);
    QCOMPARE(grid.rowCount(), 1);
}

QTEST_GUILESS_MAIN(tst_RecordModels)
#include "tst_recordmodels.moc"
