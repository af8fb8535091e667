// The conversation list's controller: its order across a new year, the subtitles,
// reloading, opening a conversation or its user's page, edit mode per screen, and
// closing a row, which drops only the summary.

#include "MessagingFixture.h"
#include "platform/Clock.h"
#include "platform/NavigationController.h"
#include "screens/messaging/MessageBoxRow.h"
#include "screens/messaging/MessageBoxViewController.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QTest>

namespace {

MessageBox box(int uid, const QString &time, int count = 0, const QString &message = {})
{
    MessageBox summary;
    summary.senderuid = uid;
    summary.nickname = QStringLiteral("用户%1").arg(uid);
    summary.avatar = QStringLiteral("http://img/%1.jpg!160").arg(uid);
    summary.message = message.isEmpty() ? QStringLiteral("消息 %1").arg(uid) : message;
    summary.time = time;
    summary.count = count;
    return summary;
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

    std::unique_ptr<MessagingFixture> fixture_;

    Database &store() { return fixture_->store(); }
    RecordingRouter &router() { return fixture_->test.router(); }
    MessageBoxViewController &open()
    {
        NavigationController &navigation = fixture_->context().navigation();
        navigation.setViewControllers({new ViewController(fixture_->context())}, false);
        auto *screen = new MessageBoxViewController(fixture_->context());
        navigation.pushViewController(screen, false);
        return *screen;
    }
    static QList<int> order(const MessageBoxViewController &screen)
    {
        QList<int> uids;
        for (int row = 0; row < screen.dataSource()->count(); ++row)
            uids << screen.dataSource()->recordAt<MessageBoxRow>(row)->senderuid();
        return uids;
    }

private slots:
    void init()
    {
        fixture_ = std::make_unique<MessagingFixture>();
        QVERIFY(fixture_->signIn());
    }
    void cleanup() { fixture_.reset(); }

    void conversationsAreNewestFirstAcrossANewYear()
    {
        fixture_->context().clock().setNow(QDateTime(QDate(2025, 1, 2), QTime(10, 0)));
        store().insertMessageBox(box(1, "12/31 23:00", 3));
        store().insertMessageBox(box(2, "01/02 09:00"));
        store().insertMessageBox(box(3, "01/01 08:00"));
        store().insertMessageBox(box(4, "12/31 23:00"));
        // More than a day ahead: from the year before.
        store().insertMessageBox(box(5, "01/05 10:00"));
        // Up to a day ahead still counts as this year (a clock a little off).
        store().insertMessageBox(box(6, "01/03 09:00"));
        MessageBoxViewController &screen = open();
        QAbstractItemModelTester tester(screen.dataSource(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        // Equal times keep the store's order.
        QList<int> expected{6, 2, 3, 1, 4, 5};
        const QList<MessageBox> stored = store().messageBoxesByDate();
        const qsizetype first = std::find_if(stored.begin(), stored.end(),
                                             [](const MessageBox &b) { return b.senderuid == 1; })
                                - stored.begin();
        const qsizetype second = std::find_if(stored.begin(), stored.end(),
                                              [](const MessageBox &b) { return b.senderuid == 4; })
                                 - stored.begin();
        if (second < first)
            std::swap(expected[3], expected[4]);
        QCOMPARE(order(screen), expected);
    }

    void subtitlesShowUnreadCountsInOrange()
    {
        store().insertMessageBox(box(1, "05/06 07:08", 3, QStringLiteral("哈") + QChar(0xE415)));
        store().insertMessageBox(box(2, "05/06 07:07", 0));
        MessageBoxViewController &screen = open();
        const MessageBoxRow unread = *screen.dataSource()->recordAt<MessageBoxRow>(0);
        QCOMPARE(unread.subtitle, QStringLiteral("3条新消息，05/06 07:08"));
        QCOMPARE(unread.subtitleColor, QColor(255, 128, 37));
        QCOMPARE(unread.message, QStringLiteral("哈") + QString::fromUcs4(U"\U0001F604"));
        const MessageBoxRow read = *screen.dataSource()->recordAt<MessageBoxRow>(1);
        QCOMPARE(read.subtitle, QStringLiteral("05/06 07:07"));
        QVERIFY(read.subtitleColor != unread.subtitleColor);
    }

    void reloadsOnArrivalsOnAppearanceAndWhenTheStoreOpens()
    {
        MessageBoxViewController &screen = open();
        QCOMPARE(screen.dataSource()->count(), 0);
        QVERIFY(fixture_->receive({{"m1", 17, "hi"}}));
        QCOMPARE(order(screen), QList<int>{17});

        store().insertMessageBox(box(30, "12/31 23:59"));
        QCOMPARE(screen.dataSource()->count(), 1);
        NavigationController &navigation = fixture_->context().navigation();
        auto *above = new ViewController(fixture_->context());
        navigation.pushViewController(above, false);
        navigation.popViewController(false);
        QCOMPARE(screen.dataSource()->count(), 2);

        // Signed in again: the list is read from the store that just opened.
        store().closeDatabase();
        {
            Database earlier(QDir(fixture_->context().documentsDirectory()).filePath("ChatLog"),
                             fixture_->context().clock());
            earlier.openDatabase(QStringLiteral("user2.sqlite3"));
            earlier.insertMessageBox(box(31, "12/31 23:58"));
        }
        QVERIFY(fixture_->serverSays("{\"command\":\"login\",\"status\":0}\r\n"));
        QCOMPARE(screen.dataSource()->count(), 3);
    }

    void openingARowReadsItAndOpensTheChat()
    {
        QVERIFY(fixture_->receive({{"m1", 17, "one"}, {"m2", 17, "two"}}));
        MessageBoxViewController &screen = open();
        screen.selectRow(0);
        QCOMPARE(router().last(), QString("chat 17"));
        QVERIFY(store().unreadMessageBoxes().isEmpty());
        screen.cellAvatarButtonTapped(0);
        QCOMPARE(router().last(), QString("userHome 17"));
        // Beyond the rows: nothing.
        screen.selectRow(1);
        screen.cellAvatarButtonTapped(-1);
        QCOMPARE(router().opened.size(), 2);
        screen.newSession();
        QCOMPARE(router().last(), QString("followListForChat"));
    }

    void editModeBelongsToTheScreen()
    {
        store().insertMessageBox(box(1, "05/06 07:08", 2));
        MessageBoxViewController &first = open();
        QVERIFY(!first.isEditing());
        first.edit();
        QVERIFY(first.isEditing());
        QCOMPARE(first.editButton()->degrees(), 90.0);
        // A row does not open while rows are being closed.
        first.selectRow(0);
        QVERIFY(router().opened.isEmpty());

        MessageBoxViewController second(fixture_->context());
        QVERIFY(!second.isEditing());
        second.edit();
        QVERIFY(second.isEditing());
        first.edit();
        QVERIFY(!first.isEditing());
        QCOMPARE(first.editButton()->degrees(), 0.0);
        QVERIFY(second.isEditing());
    }

    void closingARowDropsOnlyTheSummary()
    {
        QVERIFY(fixture_->receive({{"m1", 17, "one"}, {"m2", 23, "other"}}));
        MessageBoxViewController &screen = open();
        QAbstractItemModelTester tester(screen.dataSource(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        screen.edit();
        const int row = order(screen).indexOf(17);
        screen.commitDelete(row);
        QCOMPARE(order(screen), QList<int>{23});
        QCOMPARE(store().messageBoxesByDate().size(), 1);
        QCOMPARE(store().conversationPage(17, 0).size(), 1);
        // A new message brings the conversation back with one unread.
        QVERIFY(fixture_->receive({{"m3", 17, "again"}}));
        QCOMPARE(order(screen).size(), 2);
        const MessageBox back = store().unreadMessageBoxes().value(
            store().unreadMessageBoxes().value(0).senderuid == 17 ? 0 : 1);
        QCOMPARE(back.count, 1);
        QCOMPARE(back.message, QString("again"));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
