#include "Database.h"

#include "SqliteStatement.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/LogCategories.h"

#include <QDir>
#include <QSet>

#include <sqlite3.h>

const char *const Database::kCreateMessageTable =
    "create table if not exists message (localmsgid integer PRIMARY KEY autoincrement, msgid "
    "text, senderuid integer, nickname text, avatar text, receiveruid integer, message text, date "
    "text, read integer)";
const char *const Database::kCreateMessageBoxTable =
    "create table if not exists messagebox (senderuid integer PRIMARY KEY, nickname text, avatar "
    "text, message text, date text, count integer)";

namespace {
// Finds re-sent messages without a table scan; the tables themselves stay as they
// always were, so older files open unchanged.
const char *const kCreateMsgidIndex = "create index if not exists message_msgid on message (msgid)";

const char *const kInsertMessage = "insert into message values (NULL, ?, ?, ?, ?, ?, ?, ?, ?)";
const char *const kInsertMessageBox = "insert or replace into messagebox values (?, ?, ?, ?, ?, ?)";
const char *const kSelectMessageBox = "select * from messagebox where senderuid = ?";
const char *const kUpdateMessageBox =
    "update messagebox set count = count + 1, date = ?, message = ? where senderuid = ?";
const char *const kSelectMsgid = "select 1 from message where msgid = ? limit 1";
const char *const kLastInsertRowId = "select last_insert_rowid()";
const char *const kUnreadBoxes = "select * from messagebox where count > 0;";
const char *const kBoxesByDate = "select * from messagebox order by date desc;";
const char *const kResetCount = "update messagebox set count = 0 where senderuid = ?";
const char *const kMarkRead =
    "update message set read = 1 where senderuid = ?1 or receiveruid = ?1";
const char *const kDeleteBox = "delete from messagebox where senderuid = ?";
const char *const kConversationPage = "select * from message where senderuid = ?1 or receiveruid "
                                      "= ?1 order by localmsgid desc limit ?2, 20;";
const char *const kClearConversation =
    "delete from message where senderuid = ?1 or receiveruid = ?1";

// Messages written on this device carry "0"; only server ids are unique.
bool isServerMessageId(const QString &msgid)
{
    return !msgid.isEmpty() && msgid != QLatin1String("0");
}
} // namespace

Database::Database(const QString &folder, const Clock &clock) : folder_(folder), clock_(clock)
{
}

Database *Database::sharedDatabase()
{
    AppContext *context = AppContext::current();
    return context && context->hasChat() ? &context->messageStore() : nullptr;
}

Database::~Database()
{
    closeDatabase();
}

void Database::openDatabase(const QString &fileName)
{
    closeDatabase();
    QDir().mkpath(folder_);
    const QByteArray path = QDir(folder_).filePath(fileName).toUtf8();
    if (sqlite3_open(path.constData(), &database_) != SQLITE_OK) {
        qCWarning(lcStore, "cannot open the message store: %s", sqlite3_errmsg(database_));
        closeDatabase();
        return;
    }
    if (!exec(kCreateMessageTable) || !exec(kCreateMessageBoxTable) || !exec(kCreateMsgidIndex)) {
        closeDatabase();
        return;
    }
    fileName_ = fileName;
}

void Database::closeDatabase()
{
    statements_.clear();
    // close_v2 also rolls back a transaction left open by a failed batch.
    sqlite3_close_v2(database_);
    database_ = nullptr;
}

void Database::insertChatMessage(const ChatMessage &message)
{
    if (!database_)
        return;
    executeOrClose(statement(kInsertMessage)
                       .bind(1, message.msgid)
                       .bind(2, message.senderuid)
                       .bind(3, message.nickname)
                       .bind(4, message.avatar)
                       .bind(5, message.receiveruid)
                       .bind(6, message.message)
                       .bind(7, message.time)
                       .bind(8, message.read));
}

void Database::insertMessageBox(const MessageBox &box)
{
    if (!database_)
        return;
    executeOrClose(statement(kInsertMessageBox)
                       .bind(1, box.senderuid)
                       .bind(2, box.nickname)
                       .bind(3, box.avatar)
                       .bind(4, box.message)
                       .bind(5, box.time)
                       .bind(6, box.count));
}

// A failed write closes the store, which also rolls back an open batch.
void Database::executeOrClose(SqliteStatement &bound)
{
    if (!bound.execute())
        closeDatabase();
}

void Database::updateMessageBoxTableWithChatMessage(const ChatMessage &message)
{
    if (database_)
        foldIntoMessageBox(message, hasMessageBox(message.senderuid));
}

bool Database::hasMessageBox(int senderuid)
{
    SqliteStatement &lookup = statement(kSelectMessageBox).bind(1, senderuid);
    const bool exists = lookup.nextRow();
    lookup.reset();
    return exists;
}

void Database::foldIntoMessageBox(const ChatMessage &message, bool boxExists)
{
    if (boxExists) {
        statement(kUpdateMessageBox)
            .bind(1, message.time)
            .bind(2, message.message)
            .bind(3, message.senderuid)
            .execute();
        return;
    }
    MessageBox box;
    box.senderuid = message.senderuid;
    box.nickname = message.nickname;
    box.avatar = message.avatar;
    box.message = message.message;
    box.time = ChatMessage::timeText(clock_.now());
    box.count = 1;
    insertMessageBox(box);
}

bool Database::storeReceivedBatch(const QList<ChatMessage> &messages)
{
    if (!database_ || !exec("begin immediate"))
        return false;
    // Senders whose summary this batch already wrote need not be looked up again.
    QSet<int> summarised;
    for (const ChatMessage &message : messages) {
        if (containsMessageId(message.msgid))
            continue;
        insertChatMessage(message);
        // A failed insert closed the store, which rolled the batch back.
        if (!database_)
            return false;
        const bool known = summarised.contains(message.senderuid);
        foldIntoMessageBox(message, known || hasMessageBox(message.senderuid));
        if (!database_)
            return false;
        summarised.insert(message.senderuid);
    }
    if (!exec("commit")) {
        exec("rollback");
        return false;
    }
    return true;
}

bool Database::containsMessageId(const QString &msgid)
{
    if (!database_ || !isServerMessageId(msgid))
        return false;
    SqliteStatement &lookup = statement(kSelectMsgid).bind(1, msgid);
    const bool found = lookup.nextRow();
    lookup.reset();
    return found;
}

QList<MessageBox> Database::messageBoxResultsWithQuery(const QString &query)
{
    SqliteStatement statement(database_, query.toUtf8().constData());
    return messageBoxes(statement);
}

QList<ChatMessage> Database::chatMessageResultsWithQuery(const QString &query)
{
    SqliteStatement statement(database_, query.toUtf8().constData());
    return chatMessages(statement);
}

QString Database::lastInsertRowId() const
{
    SqliteStatement query(database_, kLastInsertRowId);
    return query.nextRow() ? query.columnText(0) : QStringLiteral("0");
}

QList<MessageBox> Database::unreadMessageBoxes()
{
    return database_ ? messageBoxes(statement(kUnreadBoxes)) : QList<MessageBox>();
}

QList<MessageBox> Database::messageBoxesByDate()
{
    return database_ ? messageBoxes(statement(kBoxesByDate)) : QList<MessageBox>();
}

void Database::resetUnreadCount(int uid)
{
    if (database_)
        statement(kResetCount).bind(1, uid).execute();
}

void Database::markConversationRead(int uid)
{
    if (database_)
        statement(kMarkRead).bind(1, uid).execute();
}

void Database::deleteMessageBox(int uid)
{
    if (database_)
        statement(kDeleteBox).bind(1, uid).execute();
}

QList<ChatMessage> Database::conversationPage(int uid, int offset)
{
    if (!database_)
        return {};
    return chatMessages(statement(kConversationPage).bind(1, uid).bind(2, offset));
}

void Database::clearConversation(int uid)
{
    if (database_ && !statement(kClearConversation).bind(1, uid).execute())
        closeDatabase();
}

SqliteStatement &Database::statement(const char *sql)
{
    std::unique_ptr<SqliteStatement> &kept = statements_[sql];
    if (!kept)
        kept = std::make_unique<SqliteStatement>(database_, sql, true);
    kept->reset();
    return *kept;
}

bool Database::exec(const char *sql)
{
    char *error = nullptr;
    const bool done = sqlite3_exec(database_, sql, nullptr, nullptr, &error) == SQLITE_OK;
    if (!done)
        qCWarning(lcStore, "\"%s\" failed: %s", sql, error ? error : "");
    sqlite3_free(error);
    return done;
}

QList<MessageBox> Database::messageBoxes(SqliteStatement &query)
{
    QList<MessageBox> boxes;
    while (query.nextRow()) {
        MessageBox box;
        box.senderuid = query.columnInt(0);
        box.nickname = query.columnText(1);
        box.avatar = query.columnText(2);
        box.message = query.columnText(3);
        box.time = query.columnText(4);
        box.count = query.columnInt(5);
        boxes.append(box);
    }
    query.reset();
    return boxes;
}

QList<ChatMessage> Database::chatMessages(SqliteStatement &query)
{
    QList<ChatMessage> messages;
    while (query.nextRow()) {
        ChatMessage message;
        message.senderuid = query.columnInt(2);
        message.receiveruid = query.columnInt(5);
        message.message = query.columnText(6);
        message.time = query.columnText(7);
        messages.append(message);
    }
    query.reset();
    return messages;
}
