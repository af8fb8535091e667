#include "Database.h"

#include "SqliteStatement.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/LogCategories.h"

#include <QDir>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

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
// The stored ones among up to kLookupChunk server ids (unused places bound to null).
constexpr int kLookupChunk = 100;
const char *knownMsgidsStatement()
{
    static const std::string sql = [] {
        std::string text = "select msgid from message where msgid in (?";
        for (int i = 1; i < kLookupChunk; ++i)
            text += ", ?";
        return text + ")";
    }();
    return sql.c_str();
}
const char *const kInsertMessageBox = "insert or replace into messagebox values (?, ?, ?, ?, ?, ?)";
const char *const kSelectMessageBox = "select * from messagebox where senderuid = ?";
const char *const kUpdateMessageBox =
    "update messagebox set count = count + ?, date = ?, message = ? where senderuid = ?";
const char *const kUnreadBoxes = "select * from messagebox where count > 0;";
const char *const kBoxesByDate = "select * from messagebox order by date desc;";
const char *const kResetCount = "update messagebox set count = 0 where senderuid = ?";
const char *const kMarkRead =
    "update message set read = 1 where senderuid = ?1 or receiveruid = ?1";
const char *const kDeleteBox = "delete from messagebox where senderuid = ?";
const char *const kConversationPage =
    "select * from message where (senderuid = ?1 or receiveruid = ?1) and localmsgid <= ?3 "
    "order by localmsgid desc limit ?2, 20;";
const char *const kNewestLocalId =
    "select max(localmsgid) from message where senderuid = ?1 or receiveruid = ?1";
const char *const kClearConversation =
    "delete from message where senderuid = ?1 or receiveruid = ?1";
// The conversation stays listed, but shows no text that is no longer stored.
const char *const kEmptyMessageBox =
    "update messagebox set message = '', count = 0 where senderuid = ?1";

// Messages written on a device all carry "0"; only server ids are unique.
bool isServerMessageId(const QString &msgid)
{
    return !msgid.isEmpty() && msgid != QLatin1String("0");
}
} // namespace

// The messages of one sender in a received batch, folded into its summary at once.
struct Database::SenderSummary {
    const ChatMessage *first = nullptr;
    const ChatMessage *latest = nullptr;
    int count = 0;
};

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

std::optional<qint64> Database::insertChatMessage(const ChatMessage &message)
{
    if (!database_)
        return std::nullopt;
    const bool stored = executeOrClose(statement(kInsertMessage)
                                           .bind(1, message.msgid)
                                           .bind(2, message.senderuid)
                                           .bind(3, message.nickname)
                                           .bind(4, message.avatar)
                                           .bind(5, message.receiveruid)
                                           .bind(6, message.message)
                                           .bind(7, message.time)
                                           .bind(8, message.read));
    // The id of this very insert, before anything else can write.
    return stored ? std::optional<qint64>(sqlite3_last_insert_rowid(database_)) : std::nullopt;
}

bool Database::insertMessageBox(const MessageBox &box)
{
    if (!database_)
        return false;
    return executeOrClose(statement(kInsertMessageBox)
                              .bind(1, box.senderuid)
                              .bind(2, box.nickname)
                              .bind(3, box.avatar)
                              .bind(4, box.message)
                              .bind(5, box.time)
                              .bind(6, box.count));
}

// A failed write closes the store, which also rolls back an open transaction.
bool Database::executeOrClose(SqliteStatement &bound)
{
    if (bound.execute())
        return true;
    closeDatabase();
    return false;
}

void Database::updateMessageBoxTableWithChatMessage(const ChatMessage &message)
{
    if (!database_)
        return;
    const std::optional<bool> exists = hasMessageBox(message.senderuid);
    if (exists)
        foldIntoMessageBox({&message, &message, 1}, *exists);
}

std::optional<bool> Database::hasMessageBox(int senderuid)
{
    SqliteStatement &lookup = statement(kSelectMessageBox).bind(1, senderuid);
    const SqliteStatement::Step step = lookup.step();
    lookup.reset();
    if (step == SqliteStatement::Step::Failed)
        return std::nullopt;
    return step == SqliteStatement::Step::Row;
}

// As if each message had been folded in on its own: a new summary takes the first
// message's sender and is dated now, and every further message gives it its own
// text and time.
bool Database::foldIntoMessageBox(const SenderSummary &sender, bool boxExists)
{
    const ChatMessage &latest = *sender.latest;
    if (boxExists) {
        return statement(kUpdateMessageBox)
            .bind(1, sender.count)
            .bind(2, latest.time)
            .bind(3, latest.message)
            .bind(4, latest.senderuid)
            .execute();
    }
    MessageBox box;
    box.senderuid = latest.senderuid;
    box.nickname = sender.first->nickname;
    box.avatar = sender.first->avatar;
    box.message = latest.message;
    box.time = sender.count > 1 ? latest.time : ChatMessage::timeText(clock_.now());
    box.count = sender.count;
    return insertMessageBox(box);
}

std::optional<qint64> Database::storeSentMessage(const MessageBox &box, const ChatMessage &message)
{
    if (!database_ || !exec("begin immediate"))
        return std::nullopt;
    std::optional<qint64> localId;
    if (insertMessageBox(box))
        localId = insertChatMessage(message);
    if (!finishTransaction(localId.has_value()))
        return std::nullopt;
    return localId;
}

std::optional<QSet<QString>> Database::storedMessageIds(const QList<ChatMessage> &messages)
{
    QStringList ids;
    for (const ChatMessage &message : messages) {
        if (isServerMessageId(message.msgid))
            ids.append(message.msgid);
    }
    QSet<QString> known;
    for (qsizetype first = 0; first < ids.size(); first += kLookupChunk) {
        SqliteStatement &lookup = statement(knownMsgidsStatement());
        for (int i = 0; i < kLookupChunk && first + i < ids.size(); ++i)
            lookup.bind(i + 1, ids[first + i]);
        SqliteStatement::Step step;
        while ((step = lookup.step()) == SqliteStatement::Step::Row)
            known.insert(lookup.columnText(0));
        lookup.reset();
        if (step == SqliteStatement::Step::Failed)
            return std::nullopt;
    }
    return known;
}

std::optional<QList<ChatMessage>> Database::storeReceivedBatch(const QList<ChatMessage> &messages)
{
    if (!database_ || !exec("begin immediate"))
        return std::nullopt;
    std::optional<QSet<QString>> known = storedMessageIds(messages);
    QList<ChatMessage> stored;
    stored.reserve(messages.size());
    // Senders in the order they first appear, each folded into its summary once.
    std::vector<std::pair<int, SenderSummary>> senders;
    bool succeeded = known.has_value();
    for (qsizetype i = 0; succeeded && i < messages.size(); ++i) {
        const ChatMessage &message = messages[i];
        const bool serverId = isServerMessageId(message.msgid);
        // Also a repeat within the batch itself.
        if (serverId && known->contains(message.msgid))
            continue;
        const std::optional<qint64> localId = insertChatMessage(message);
        succeeded = localId.has_value();
        if (!succeeded)
            break;
        if (serverId)
            known->insert(message.msgid);
        stored.append(message);
        stored.last().localmsgid = *localId;
        auto sender = std::find_if(senders.begin(), senders.end(), [&](const auto &entry) {
            return entry.first == message.senderuid;
        });
        if (sender == senders.end())
            sender = senders.insert(senders.end(), {message.senderuid, {&message, &message, 0}});
        sender->second.latest = &message;
        ++sender->second.count;
    }
    for (auto it = senders.begin(); succeeded && it != senders.end(); ++it) {
        const std::optional<bool> exists = hasMessageBox(it->first);
        succeeded = exists && foldIntoMessageBox(it->second, *exists);
    }
    if (!finishTransaction(succeeded))
        return std::nullopt;
    return stored;
}

bool Database::finishTransaction(bool succeeded)
{
    // A failed insert closed the store, which rolled everything back.
    if (!database_)
        return false;
    if (succeeded && exec("commit"))
        return true;
    exec("rollback");
    return false;
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

QList<ChatMessage> Database::conversationPage(int uid, int offset, qint64 ceiling)
{
    if (!database_)
        return {};
    return chatMessages(statement(kConversationPage).bind(1, uid).bind(2, offset).bind(3, ceiling));
}

qint64 Database::newestLocalId(int uid)
{
    if (!database_)
        return 0;
    SqliteStatement &query = statement(kNewestLocalId).bind(1, uid);
    const qint64 newest = query.nextRow() ? query.columnInt64(0) : 0;
    query.reset();
    return newest;
}

void Database::clearConversation(int uid)
{
    if (!database_ || !exec("begin immediate"))
        return;
    const bool cleared = executeOrClose(statement(kClearConversation).bind(1, uid))
                         && executeOrClose(statement(kEmptyMessageBox).bind(1, uid));
    finishTransaction(cleared);
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
        message.localmsgid = query.columnInt64(0);
        message.msgid = query.columnText(1);
        message.senderuid = query.columnInt(2);
        message.receiveruid = query.columnInt(5);
        message.message = query.columnText(6);
        message.time = query.columnText(7);
        messages.append(message);
    }
    query.reset();
    return messages;
}
