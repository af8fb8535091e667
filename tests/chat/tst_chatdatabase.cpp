// The message store: round trips of awkward text, the summaries, the per-user
// files, the received-batch transaction and the schema as the sqlite3 tool sees it.

#include "chat/Database.h"
#include "platform/Clock.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

const QString kAwkward = QStringLiteral("it's \"quoted\" \\ back'; drop table message; -- 你好'");

ChatMessage received(const QString &msgid, int sender, const QString &text,
                     const QString &time = "03/04 05:06")
{
    ChatMessage message;
    message.msgid = msgid;
    message.senderuid = sender;
    message.nickname = QStringLiteral("昵称'%1").arg(sender);
    message.avatar = QStringLiteral("http://img/560/%1'.jpg!160").arg(sender);
    message.receiveruid = 1;
    message.read = 0;
    message.message = text;
    message.time = time;
    return message;
}

int rowCount(Database &db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db.database(), sql, -1, &statement, nullptr);
    const int count = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
    sqlite3_finalize(statement);
    return count;
}

} // namespace

class TestChatDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    Clock clock_;

    QString folder() const { return dir_.filePath("ChatLog"); }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        QDir(folder()).removeRecursively();
        clock_.setNow(QDateTime(QDate(2024, 5, 6), QTime(7, 8)));
    }

    void awkwardTextRoundTripsInEveryField()
    {
        Database db(folder(), clock_);
        db.openDatabase("user1.sqlite3");
        QVERIFY(db.isOpen());
        ChatMessage message = received(kAwkward, 2, kAwkward, kAwkward);
        message.nickname = kAwkward;
        message.avatar = kAwkward;
        db.insertChatMessage(message);
        QVERIFY(db.isOpen());

        sqlite3_stmt *row = nullptr;
        sqlite3_prepare_v2(db.database(),
                           "select msgid, nickname, avatar, message, date from message", -1, &row,
                           nullptr);
        QCOMPARE(sqlite3_step(row), SQLITE_ROW);
        for (int column = 0; column < 5; ++column)
            QCOMPARE(
                QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, column))),
                kAwkward);
        sqlite3_finalize(row);

        const QList<ChatMessage> read = db.conversationPage(2, 0);
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0].message, kAwkward);
        QCOMPARE(read[0].time, kAwkward);
        QCOMPARE(read[0].msgid, kAwkward);
        QCOMPARE(read[0].read, 1);

        // Through the summary: created, then updated.
        db.updateMessageBoxTableWithChatMessage(message);
        db.updateMessageBoxTableWithChatMessage(message);
        const QList<MessageBox> boxes = db.messageBoxesByDate();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].nickname, kAwkward);
        QCOMPARE(boxes[0].avatar, kAwkward);
        QCOMPARE(boxes[0].message, kAwkward);
        QCOMPARE(boxes[0].time, kAwkward);
        QCOMPARE(boxes[0].count, 2);
    }

    void summariesOfReceivedAndSentMessages()
    {
        Database db(folder(), clock_);
        db.openDatabase("user1.sqlite3");
        db.updateMessageBoxTableWithChatMessage(received("10", 5, "first", "01/01 10:00"));
        // A new sender's summary is dated now, not with the message's time.
        QList<MessageBox> boxes = db.unreadMessageBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].count, 1);
        QCOMPARE(boxes[0].time, ChatMessage::timeText(clock_.now()));

        db.updateMessageBoxTableWithChatMessage(received("11", 5, "second", "01/01 10:05"));
        boxes = db.unreadMessageBoxes();
        QCOMPARE(boxes[0].count, 2);
        QCOMPARE(boxes[0].message, QString("second"));
        QCOMPARE(boxes[0].time, QString("01/01 10:05"));

        // Sending writes the summary with count 0, replacing the unread count.
        MessageBox sent;
        sent.senderuid = 5;
        sent.message = "reply";
        sent.time = "01/01 10:06";
        db.insertMessageBox(sent);
        QVERIFY(db.unreadMessageBoxes().isEmpty());
        QCOMPARE(db.messageBoxesByDate().value(0).message, QString("reply"));

        db.updateMessageBoxTableWithChatMessage(received("12", 5, "third"));
        db.resetUnreadCount(5);
        QVERIFY(db.unreadMessageBoxes().isEmpty());
        db.deleteMessageBox(5);
        QVERIFY(db.messageBoxesByDate().isEmpty());
    }

    void conversationsSortByDateTextAcrossAYear()
    {
        Database db(folder(), clock_);
        db.openDatabase("user1.sqlite3");
        for (auto [uid, date] :
             {std::pair{1, "01/02 09:00"}, {2, "12/31 23:59"}, {3, "06/15 12:00"}}) {
            MessageBox box;
            box.senderuid = uid;
            box.time = date;
            db.insertMessageBox(box);
        }
        QList<int> order;
        for (const MessageBox &box : db.messageBoxesByDate())
            order << box.senderuid;
        // The text carries no year, so December sorts above the January after it.
        QCOMPARE(order, (QList<int>{2, 3, 1}));
    }

    void conversationPagesNewestFirst()
    {
        Database db(folder(), clock_);
        db.openDatabase("user1.sqlite3");
        for (int i = 0; i < 25; ++i)
            db.insertChatMessage(received("0", i % 2 ? 7 : 8, QString::number(i)));
        const QList<ChatMessage> latest = db.conversationPage(7, 0);
        QCOMPARE(latest.size(), 12);
        QCOMPARE(latest.first().message, QString("23"));
        QCOMPARE(latest.last().message, QString("1"));
        QCOMPARE(db.conversationPage(1, 20).size(), 5); // the receiver is in every row
        QCOMPARE(latest.first().localmsgid, 24);
        QCOMPARE(db.newestLocalId(7), 24);
        QCOMPARE(db.newestLocalId(99), 0);
        // Pages under a ceiling ignore newer rows.
        const QList<ChatMessage> older = db.conversationPage(7, 0, 10);
        QCOMPARE(older.size(), 5);
        QCOMPARE(older.first().localmsgid, 10);
        db.markConversationRead(7);
        QCOMPARE(rowCount(db, "select count(*) from message where read = 0"), 13);
        db.clearConversation(8);
        QCOMPARE(rowCount(db, "select count(*) from message"), 12);
        QCOMPARE(db.chatMessageResultsWithQuery("select * from message where senderuid = 7").size(),
                 12);
        QVERIFY(db.chatMessageResultsWithQuery("not sql").isEmpty());
        QVERIFY(db.isOpen());
    }

    void batchIsStoredOnceAndCountedOnce()
    {
        Database db(folder(), clock_);
        db.openDatabase("user1.sqlite3");
        const QList<ChatMessage> batch{received("100", 4, "a", "01/01 10:00"),
                                       received("101", 4, "b", "01/01 10:01"),
                                       received("100", 4, "a", "01/01 10:00")};
        std::optional<QList<ChatMessage>> stored = db.storeReceivedBatch(batch);
        QVERIFY(stored);
        QCOMPARE(stored->size(), 2);
        QCOMPARE(stored->at(1).msgid, QString("101"));
        QCOMPARE(stored->at(1).localmsgid, 2);
        // The new sender's summary holds both, with the later one's text and time.
        MessageBox box = db.unreadMessageBoxes().value(0);
        QCOMPARE(box.count, 2);
        QCOMPARE(box.message, QString("b"));
        QCOMPARE(box.time, QString("01/01 10:01"));
        QCOMPARE(box.nickname, QStringLiteral("昵称'4"));

        // The server re-sends the batch whose acknowledgement it missed.
        stored = db.storeReceivedBatch(batch);
        QVERIFY(stored && stored->isEmpty());
        QCOMPARE(rowCount(db, "select count(*) from message"), 2);
        QCOMPARE(db.unreadMessageBoxes().value(0).count, 2);

        // Messages written on a device all carry "0" and are never taken for repeats;
        // a known sender's summary grows by each and takes the last.
        stored = db.storeReceivedBatch(
            {received("0", 4, "c", "01/02 09:00"), received("0", 4, "d", "01/02 09:05")});
        QVERIFY(stored && stored->size() == 2);
        box = db.unreadMessageBoxes().value(0);
        QCOMPARE(box.count, 4);
        QCOMPARE(box.message, QString("d"));
        QCOMPARE(box.time, QString("01/02 09:05"));
        QCOMPARE(rowCount(db, "select count(*) from message"), 4);
        QVERIFY(db.storeReceivedBatch({}));
    }

    void aSentMessageAndItsSummaryGoInTogether()
    {
        Database db(folder(), clock_);
        MessageBox box;
        box.senderuid = 5;
        box.message = "hi";
        ChatMessage message = received("0", 1, "hi");
        message.receiveruid = 5;
        QVERIFY(!db.storeSentMessage(box, message)); // not open
        db.openDatabase("user1.sqlite3");
        db.insertChatMessage(received("7", 5, "before"));
        const std::optional<qint64> id = db.storeSentMessage(box, message);
        QCOMPARE(id, std::optional<qint64>(2));
        QCOMPARE(db.conversationPage(5, 0).value(0).localmsgid, 2);

        // A message that cannot go in takes its summary with it.
        char *error = nullptr;
        QCOMPARE(sqlite3_exec(db.database(),
                              "create trigger refuse before insert on message begin select "
                              "raise(abort, 'refused'); end",
                              nullptr, nullptr, &error),
                 SQLITE_OK);
        box.message = "lost";
        QVERIFY(!db.storeSentMessage(box, message));
        QVERIFY(!db.isOpen());
        db.openDatabase("user1.sqlite3");
        QCOMPARE(db.messageBoxesByDate().value(0).message, QString("hi"));
    }

    void failedBatchLeavesNothingAndClosesTheStore()
    {
        Database db(folder(), clock_);
        db.openDatabase("user1.sqlite3");
        QVERIFY(db.storeReceivedBatch({received("1", 4, "kept")}));
        // Make the second insert of the next batch fail.
        char *error = nullptr;
        QCOMPARE(sqlite3_exec(db.database(),
                              "create trigger refuse before insert on message when new.message = "
                              "'bad' begin select raise(abort, 'refused'); end",
                              nullptr, nullptr, &error),
                 SQLITE_OK);
        QVERIFY(!db.storeReceivedBatch({received("2", 4, "good"), received("3", 4, "bad")}));
        QVERIFY(!db.isOpen());
        // Closed: writes do nothing, queries are empty.
        db.insertChatMessage(received("4", 4, "lost"));
        QVERIFY(db.messageBoxesByDate().isEmpty());
        QVERIFY(!db.storeReceivedBatch({received("5", 4, "x")}));

        db.openDatabase("user1.sqlite3");
        QCOMPARE(rowCount(db, "select count(*) from message"), 1);
        QCOMPARE(db.unreadMessageBoxes().value(0).count, 1);
    }

    void eachUserHasAFileOfTheirOwn()
    {
        Database db(folder(), clock_);
        db.openDatabase("user1.sqlite3");
        db.insertChatMessage(received("1", 3, "for one"));
        db.openDatabase("user2.sqlite3");
        QCOMPARE(rowCount(db, "select count(*) from message"), 0);
        // The statements kept for the first file must not write into it any more.
        db.insertChatMessage(received("2", 3, "for two"));
        db.updateMessageBoxTableWithChatMessage(received("2", 3, "for two"));
        QCOMPARE(rowCount(db, "select count(*) from message"), 1);
        db.openDatabase("user1.sqlite3");
        QCOMPARE(rowCount(db, "select count(*) from message"), 1);
        QCOMPARE(rowCount(db, "select count(*) from messagebox"), 0);
        QVERIFY(QFile::exists(QDir(folder()).filePath("user1.sqlite3")));
        QVERIFY(QFile::exists(QDir(folder()).filePath("user2.sqlite3")));
    }

    void unopenableFileLeavesTheStoreClosed()
    {
        QDir().mkpath(QDir(folder()).filePath("user9.sqlite3")); // a folder in its place
        Database db(folder(), clock_);
        db.openDatabase("user9.sqlite3");
        QVERIFY(!db.isOpen());
        QVERIFY(!db.insertChatMessage(received("1", 3, "nowhere")));
    }

    void schemaAsTheSqliteToolSeesIt()
    {
        const QString tool = QStandardPaths::findExecutable("sqlite3");
        if (tool.isEmpty())
            QSKIP("the sqlite3 tool is not installed");
        {
            Database db(folder(), clock_);
            db.openDatabase("user1.sqlite3");
        }
        QProcess process;
        process.start(tool, {QDir(folder()).filePath("user1.sqlite3"),
                             "select type, name, sql from sqlite_master order by name"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList rows =
            QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        // SQLite keeps each statement's text from the table name on.
        QCOMPARE(rows,
                 (QStringList{"table|message|CREATE TABLE message (localmsgid integer PRIMARY "
                              "KEY autoincrement, msgid text, senderuid integer, nickname "
                              "text, avatar text, receiveruid integer, message text, date "
                              "text, read integer)",
                              "index|message_msgid|CREATE INDEX message_msgid on message (msgid)",
                              "table|messagebox|CREATE TABLE messagebox (senderuid integer "
                              "PRIMARY KEY, nickname text, avatar text, message text, date "
                              "text, count integer)",
                              "table|sqlite_sequence|CREATE TABLE sqlite_sequence(name,seq)"}));
    }
};

QTEST_GUILESS_MAIN(TestChatDatabase)
#include "tst_chatdatabase.moc"
