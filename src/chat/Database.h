#pragma once
// The signed-in user's message store: one SQLite file per user in the "ChatLog"
// folder, with every message and one summary row per conversation. Writes go
// through at once; a failed open, table creation or insert closes the store, and
// a closed store ignores writes and answers queries with empty lists.

#include "model/ChatMessage.h"
#include "model/MessageBox.h"

#include <QList>
#include <QString>

#include <map>
#include <memory>

class Clock;
class SqliteStatement;
struct sqlite3;

class Database {
public:
    // The table statements, as every file on a device was made with.
    static const char *const kCreateMessageTable;
    static const char *const kCreateMessageBoxTable;

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
    // The raw connection, or none.
    sqlite3 *database() const { return database_; }
    // The file name given to the last successful open.
    QString fileName() const { return fileName_; }

    void insertChatMessage(const ChatMessage &message);
    // Replaces the summary with the same senderuid.
    void insertMessageBox(const MessageBox &box);
    // Folds one received message into its sender's summary: one more unread, its
    // text and time; a new sender gets a summary of count 1 dated now.
    void updateMessageBoxTableWithChatMessage(const ChatMessage &message);

    // Stores a received batch in one transaction, skipping messages whose server
    // msgid is already stored (the server re-sends batches it saw no
    // acknowledgement for). True once the batch is committed.
    bool storeReceivedBatch(const QList<ChatMessage> &messages);
    // Whether a received message with this server msgid is stored.
    bool containsMessageId(const QString &msgid);

    QList<MessageBox> messageBoxResultsWithQuery(const QString &query);
    QList<ChatMessage> chatMessageResultsWithQuery(const QString &query);
    // "select last_insert_rowid()" as decimal text; "0" when it yields nothing.
    QString lastInsertRowId() const;

    // The screens' statements.
    QList<MessageBox> unreadMessageBoxes();
    QList<MessageBox> messageBoxesByDate();
    void resetUnreadCount(int uid);
    void markConversationRead(int uid);
    void deleteMessageBox(int uid);
    // The newest 20 messages with `uid`, newest first, from `offset` on.
    QList<ChatMessage> conversationPage(int uid, int offset);
    // Clearing a conversation that fails closes the store.
    void clearConversation(int uid);

private:
    void executeOrClose(SqliteStatement &bound);
    bool hasMessageBox(int senderuid);
    void foldIntoMessageBox(const ChatMessage &message, bool boxExists);
    // A statement kept for the open file, rewound and ready for new bindings.
    SqliteStatement &statement(const char *sql);
    bool exec(const char *sql);
    static QList<MessageBox> messageBoxes(SqliteStatement &query);
    static QList<ChatMessage> chatMessages(SqliteStatement &query);

    QString folder_;
    const Clock &clock_;
    sqlite3 *database_ = nullptr;
    QString fileName_;
    std::map<const char *, std::unique_ptr<SqliteStatement>> statements_;
};
