// One "recvmessage" batch of 1,000 messages from the socket to stored rows,
// summaries and the acknowledgement back at the server, beside the same rows
// written by a bare SQLite loop (one prepared statement, one transaction) and by
// one formatted statement per row without a transaction.

#include "chat/ChatService.h"
#include "chat/Database.h"
#include "chat/SocketCenter.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

namespace {

constexpr int kBatchSize = 1000;
constexpr int kSenders = 20;

struct Row {
    std::string msgid, nickname, avatar, message, date;
    int senderuid;
};

std::vector<Row> rows(int batch)
{
    std::vector<Row> result;
    for (int i = 0; i < kBatchSize; ++i) {
        const int sender = 1000 + i % kSenders;
        result.push_back({"b" + std::to_string(batch) + "-" + std::to_string(i),
                          "用户" + std::to_string(sender),
                          "http://web.example/560/a" + std::to_string(sender) + ".jpg!160",
                          "今晚一起去夜店吗？消息 " + std::to_string(i), "11/15 06:13", sender});
    }
    return result;
}

QByteArray batchBytes(int batch)
{
    std::string text = R"({"command":"recvmessage","messages":[)";
    const std::vector<Row> all = rows(batch);
    for (size_t i = 0; i < all.size(); ++i) {
        const Row &row = all[i];
        text += (i ? ",{" : "{");
        text += R"("msgid":")" + row.msgid + R"(","senduid":)" + std::to_string(row.senderuid)
                + R"(,"nickname":")" + row.nickname + R"(","avatar":"a)"
                + std::to_string(row.senderuid) + R"(","message":")" + row.message
                + R"(","time":1700000000})";
    }
    text += "]}\r\n";
    return QByteArray::fromStdString(text);
}

// The chat server's side of the connection: sends batches and waits for their
// acknowledgement.
class Server {
public:
    Server() { server_.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return server_.serverPort(); }
    bool accept()
    {
        if (!server_.waitForNewConnection(5000))
            return false;
        client_ = server_.nextPendingConnection();
        return client_ != nullptr;
    }
    // Sends and returns once a whole acknowledgement line came back.
    void sendAndAwaitAck(const QByteArray &bytes)
    {
        client_->write(bytes);
        while (!received_.contains("recvmessageresult") || !received_.endsWith("\r\n")) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            received_ += client_->readAll();
        }
        received_.clear();
    }
    void drain()
    {
        QCoreApplication::processEvents();
        client_->readAll();
    }

private:
    QTcpServer server_;
    QTcpSocket *client_ = nullptr;
    QByteArray received_;
};

void BM_FullPath(benchmark::State &state)
{
    QTemporaryDir dir;
    AppContext::Options options;
    options.dataDirectory = dir.path();
    options.webHost = QUrl("http://web.example");
    AppContext context(options);
    Session::install(context);
    ChatService &chat = ChatService::install(context);
    QObject observer;
    context.notifications().addObserver(
        &observer, NotificationNames::asyncSocket,
        [&chat](const QVariant &c) { chat.receivedSocketNotification(c); });
    Server server;
    context.session().socketServer = "127.0.0.1";
    context.session().socketPort = server.port();
    context.session().setDefaultUser(nuvora::json::Object::adopt({{"uid", 1}}));
    chat.initializeSocket();
    if (!server.accept()) {
        state.SkipWithError("no connection");
        return;
    }
    while (!chat.socketCenter().isConnected())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    int batch = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chat.database().closeDatabase();
        QFile::remove(QDir(context.documentsDirectory()).filePath("ChatLog/user1.sqlite3"));
        chat.database().openDatabase("user1.sqlite3");
        const QByteArray bytes = batchBytes(++batch);
        server.drain();
        state.ResumeTiming();
        server.sendAndAwaitAck(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kBatchSize);
}

sqlite3 *freshStore(const QString &path)
{
    QFile::remove(path);
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, Database::kCreateMessageTable, nullptr, nullptr, nullptr);
    sqlite3_exec(db, Database::kCreateMessageBoxTable, nullptr, nullptr, nullptr);
    return db;
}

void BM_BareLoop(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bare.sqlite3");
    const std::vector<Row> all = rows(0);
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3 *db = freshStore(path);
        state.ResumeTiming();
        sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, "insert into message values (NULL, ?, ?, ?, ?, ?, ?, ?, ?)", -1,
                           &insert, nullptr);
        for (const Row &row : all) {
            sqlite3_bind_text(insert, 1, row.msgid.data(), int(row.msgid.size()), SQLITE_STATIC);
            sqlite3_bind_int(insert, 2, row.senderuid);
            sqlite3_bind_text(insert, 3, row.nickname.data(), int(row.nickname.size()),
                              SQLITE_STATIC);
            sqlite3_bind_text(insert, 4, row.avatar.data(), int(row.avatar.size()), SQLITE_STATIC);
            sqlite3_bind_int(insert, 5, 1);
            sqlite3_bind_text(insert, 6, row.message.data(), int(row.message.size()),
                              SQLITE_STATIC);
            sqlite3_bind_text(insert, 7, row.date.data(), int(row.date.size()), SQLITE_STATIC);
            sqlite3_bind_int(insert, 8, 0);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kBatchSize);
}

// One formatted statement per row, each its own transaction.
void BM_StatementPerRow(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("per-row.sqlite3");
    const std::vector<Row> all = rows(0);
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3 *db = freshStore(path);
        state.ResumeTiming();
        for (const Row &row : all) {
            char *sql = sqlite3_mprintf(
                "insert into message values (NULL, '%q', '%d', '%q', '%q', '%d', '%q', '%q', '%d')",
                row.msgid.c_str(), row.senderuid, row.nickname.c_str(), row.avatar.c_str(), 1,
                row.message.c_str(), row.date.c_str(), 0);
            sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
            sqlite3_free(sql);
        }
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kBatchSize);
}

} // namespace

BENCHMARK(BM_FullPath)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StatementPerRow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The client's development logging would only measure the terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("nuvora.*.debug=false\nnuvora.*.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
