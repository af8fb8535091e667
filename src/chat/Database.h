#pragma once
// The signed-in user's message store: one SQLite file per user in the "ChatLog"
// folder, with every message and one summary row per conversation. Writes go
// through at once; a failed open, table creation or insert closes the store, and
// a closed store ignores writes and answers queries with empty lists.

#include "model/ChatMessage.h"
#include "model/MessageBox.h"

#include <QList>
#include <QSet>
#include <QString>

#include <limits>
#include <map>
#include <memory>
#include <optional>

class Clock;
class SqliteStatement;
struct sqlite3;

class Database {
public:
    // The table statements, as every file on a device was made with.
    static const char *const kCreateMessageTable;
    static const char *const kCreateMessageBoxTable;
    // Messages shown at a time by the chat screen, and per page of the chat log.
    static constexpr int kPageSize = 20;
    static constexpr qint64 kNoCeiling = std::numeric_limits<qint64>::max();

    // `folder` is the "ChatLog" folder, created when missing.
    Database(const QString &folder, const Clock &clock);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // The instance of the current application context, or none.
    static Database *sharedDatabase();

    // Opens (creating) `fileName` in the folder, closing a store already open.
    void openDatabase(const QString &fileName);
    void closeDatabase();
    bool isOpen() const { return database_ != nullptr; }
    // The raw connection, or none (tests and tools only).
    sqlite3 *database() const { return database_; }
    // The file name given to the last successful open.
    QString fileName() const { return fileName_; }

    // Appends one message row and returns its local id; none when it was not stored.
    std::optional<qint64> insertChatMessage(const ChatMessage &message);
    // Replaces the summary with the same senderuid; false when it was not written.
    bool insertMessageBox(const MessageBox &box);
    // Folds one received message into its sender's summary: one more unread, its
    // text and time; a new sender gets a summary of count 1 dated now.
    void updateMessageBoxTableWithChatMessage(const ChatMessage &message);

    // A message sent from here with its conversation's summary, both or neither;
    // the message's local id, or none when nothing was stored.
    std::optional<qint64> storeSentMessage(const MessageBox &box, const ChatMessage &message);
    // Stores a received batch in one transaction, skipping messages whose server
    // msgid is already stored (the server re-sends batches it saw no
    // acknowledgement for). The messages newly stored, in batch order and with their
    // local ids, once the batch is committed; none when any statement failed, and
    // then nothing of the batch is kept.
    std::optional<QList<ChatMessage>> storeReceivedBatch(const QList<ChatMessage> &messages);

    QList<MessageBox> messageBoxResultsWithQuery(const QString &query);
    QList<ChatMessage> chatMessageResultsWithQuery(const QString &query);

    // The screens' statements.
    QList<MessageBox> unreadMessageBoxes();
    QList<MessageBox> messageBoxesByDate();
    void resetUnreadCount(int uid);
    void markConversationRead(int uid);
    void deleteMessageBox(int uid);
    // One page of the conversation with `uid`, newest first, from `offset` on,
    // among the rows whose local id is at most `ceiling`.
    QList<ChatMessage> conversationPage(int uid, int offset, qint64 ceiling = kNoCeiling);
    // The newest local id of the conversation with `uid`; 0 when it has none.
    qint64 newestLocalId(int uid);
    // Deletes the conversation's messages and empties its summary's text and unread
    // count, both or neither; clearing a conversation that fails closes the store.
    void clearConversation(int uid);

private:
    struct SenderSummary;
    bool executeOrClose(SqliteStatement &bound);
    std::optional<bool> hasMessageBox(int senderuid);
    bool foldIntoMessageBox(const SenderSummary &sender, bool boxExists);
    // The server ids of `messages` already stored; none when the lookup failed.
    std::optional<QSet<QString>> storedMessageIds(const QList<ChatMessage> &messages);
    // A statement kept for the open file, rewound and ready for new bindings.
    SqliteStatement &statement(const char *sql);
    bool exec(const char *sql);
    // Ends the transaction under way; false when it was rolled back.
    bool finishTransaction(bool succeeded);
    static QList<MessageBox> messageBoxes(SqliteStatement &query);
    static QList<ChatMessage> chatMessages(SqliteStatement &query);

    QString folder_;
    const Clock &clock_;
    sqlite3 *database_ = nullptr;
    QString fileName_;
    std::map<const char *, std::unique_ptr<SqliteStatement>> statements_;
};
