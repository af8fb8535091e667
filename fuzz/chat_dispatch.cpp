// Feeds the chat connection manager server lines cut at arbitrary read boundaries,
// with the application-wide handler and a store in a temporary folder behind it:
// batches (re-sent, malformed, or failing in the store part-way), "offline" and
// "redirect" in the middle of a read, login answers, sign-ins and raw bytes. It
// checks that no server msgid is ever stored twice and that every acknowledgement
// names only stored messages (a batch that was not committed is never acknowledged).
//
// Input: operations, each an opcode byte and its arguments (see `Script`).

#include "api/json/JsonReader.h"
#include "api/json/JsonValue.h"
#include "api/json/JsonWriter.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "chat/SocketCenter.h"
#include "model/JsonFields.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/LocationService.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SessionFlow.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>

namespace json = nuvora::json;

namespace {

constexpr int kUser = 42;
// Stored never: every insert of it fails, which fails its batch and closes the store.
const char *const kRefusedText = "boom";
// Folded never: a summary taking it fails, after its batch's messages went in.
const char *const kUnfoldableText = "bust";
const char *const kTexts[] = {"hi", "it's 'quoted'", "\xee\x90\x95",  "第一行\n第二行",
                              "",   kRefusedText,    kUnfoldableText, "   "};

// Signs out as the application delegate does.
class Flow : public SessionFlow {
public:
    explicit Flow(AppContext &context) : context_(context) {}
    void finishLogin() override {}
    void gotoLogin() override {}
    void logout() override
    {
        context_.chat().closeStore();
        context_.session().setDefaultUser(std::nullopt);
        context_.chat().disconnectSocket();
    }

private:
    AppContext &context_;
};

// One signed-in client over a store in a temporary folder, kept across inputs.
class Client {
public:
    Client()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("nuvora.*=false\nqt.*=false"));
        dir_ = std::make_unique<QTemporaryDir>(QDir("/dev/shm").exists()
                                                   ? QStringLiteral("/dev/shm/nuvora-fuzz-XXXXXX")
                                                   : QDir::tempPath() + "/nuvora-fuzz-XXXXXX");
        context_ = std::make_unique<AppContext>(AppContext::Options{dir_->path(), {}, {}});
        context_->location().simulate(true);
        Session::install(*context_);
        flow_ = std::make_unique<Flow>(*context_);
        context_->setSessionFlow(flow_.get());
        chat_ = &ChatService::install(*context_);
        context_->settings().setString(SettingsKeys::loginToken, "token");
        context_->notifications().addObserver(
            &observer_, NotificationNames::asyncSocket,
            [this](const QVariant &command) { chat_->receivedSocketNotification(command); });
        QObject::connect(&chat_->socketCenter(), &SocketCenter::lineQueued, &observer_,
                         [this](const QByteArray &line) { checkAcknowledgement(line); });
        path_ = QDir(context_->documentsDirectory()).filePath("ChatLog/user42.sqlite3").toUtf8();
    }

    void reset()
    {
        chat_->disconnectSocket();
        chat_->closeStore();
        settle();
        QFile::remove(QString::fromUtf8(path_));
        chat_->database().openDatabase("user42.sqlite3");
        exec("create trigger refuse before insert on message when new.message = 'boom' begin "
             "select raise(abort, 'refused'); end");
        exec("create trigger unfoldable before update on messagebox when new.message = 'bust' "
             "begin select raise(abort, 'refused'); end");
        signIn();
    }

    void signIn()
    {
        context_->session().setDefaultUser(json::Object::adopt({{"uid", kUser}}));
        context_->session().socketServer = "127.0.0.1";
        context_->session().socketPort = 1;
        chat_->initializeSocket();
    }

    // One read of the current connection; none without a connection.
    void read(const QByteArray &chunk)
    {
        AsyncSocket *socket = chat_->socketCenter().socket();
        if (!socket || chunk.isEmpty())
            return;
        chat_->socketCenter().onSocketDidReadDataWithTag(socket, chunk, 0);
        checkNoRepeats();
    }

    // Lets the connection attempts fail and deletes what was dropped.
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AlertPresenter &alerts = context_->alerts();
        while (alerts.alertCount() > 0)
            alerts.answer(0);
    }

private:
    void exec(const char *sql)
    {
        sqlite3 *db = nullptr;
        sqlite3_open(path_.constData(), &db);
        sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    // How many rows match `sql` with `text` bound to its one parameter (if any).
    int count(const char *sql, const std::string *text = nullptr)
    {
        sqlite3 *db = nullptr;
        int result = 0;
        if (sqlite3_open_v2(path_.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt *statement = nullptr;
            if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK) {
                if (text)
                    sqlite3_bind_text(statement, 1, text->data(), int(text->size()),
                                      SQLITE_TRANSIENT);
                if (sqlite3_step(statement) == SQLITE_ROW)
                    result = sqlite3_column_int(statement, 0);
            }
            sqlite3_finalize(statement);
        }
        sqlite3_close(db);
        return result;
    }
    void checkNoRepeats()
    {
        if (count("select count(*) from (select msgid from message where msgid not in ('', '0') "
                  "group by msgid having count(*) > 1)"))
            std::abort();
    }
    void checkAcknowledgement(const QByteArray &line)
    {
        const std::optional<json::Value> command =
            json::JsonReader().objectWithData(line.constData(), size_t(line.size() - 2));
        if (!command || (*command)["command"].asString() != "recvmessageresult")
            return;
        const json::Value &msgids = (*command)["msgids"];
        if (!msgids.isArray())
            std::abort();
        for (const json::Value &msgid : msgids.asArray()) {
            // As the message was stored: its msgid read as a record reads it.
            json::Object holder;
            holder.set("msgid", msgid);
            const std::string id = JsonFields::text(holder, "msgid").toStdString();
            if (id.empty() || id == "0")
                continue;
            if (!count("select count(*) from message where msgid = ?", &id))
                std::abort();
        }
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<Flow> flow_;
    ChatService *chat_ = nullptr;
    QObject observer_;
    QByteArray path_;
};

// Turns the input into the server's byte stream and where it is cut into reads.
class Script {
public:
    Script(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    void run(Client &client)
    {
        while (position_ < size_) {
            const uint8_t op = next();
            switch (op % 10) {
            case 0: // raw bytes
                for (uint8_t n = next(); n > 0 && position_ < size_; --n)
                    pending_.append(char(next()));
                break;
            case 1:
                pending_ += batch();
                break;
            case 2:
                pending_ += "{\"command\":\"offline\",\"info\":\"bye\"}\r\n";
                break;
            case 3:
                pending_ += redirect(next());
                break;
            case 4:
                pending_ +=
                    "{\"command\":\"login\",\"status\":" + QByteArray::number(next() % 3) + "}\r\n";
                break;
            case 5:
                pending_ += malformedBatch(next());
                break;
            case 6:
                pending_ += QByteArrayList{"{\"command\":\"alert\",\"info\":\"x\"}\r\n",
                                           "{\"command\":\"notify\"}\r\n", "\r\n\r\n",
                                           "not json\r\n"}[next() % 4];
                break;
            case 7: // the user signs in again (after an "offline", say)
                client.signIn();
                break;
            case 8: { // a read of the first bytes waiting
                const qsizetype cut = qMin(qsizetype(next()), pending_.size());
                client.read(pending_.left(cut));
                pending_.remove(0, cut);
                break;
            }
            default: // everything waiting, in one read
                client.read(pending_);
                pending_.clear();
                break;
            }
        }
        client.read(pending_);
    }

private:
    uint8_t next() { return position_ < size_ ? data_[position_++] : 0; }

    static QByteArray line(const json::Value &command)
    {
        return QByteArray::fromStdString(*json::JsonWriter().dataWithObject(command)) + "\r\n";
    }
    QByteArray batch()
    {
        json::Array messages;
        for (uint8_t n = next() % 8; n > 0; --n) {
            const uint8_t id = next();
            json::Object message;
            // Few ids, so that batches repeat; "0" and "" are no server ids.
            message.set("msgid", id == 255 ? "0" : id == 254 ? "" : "m" + std::to_string(id % 24));
            message.set("senduid", 1 + next() % 4);
            message.set("nickname", "n'ick");
            message.set("avatar", "a");
            message.set("message", kTexts[next() % std::size(kTexts)]);
            message.set("time", 1700000000);
            messages.push_back(std::move(message));
        }
        json::Object command;
        command.set("command", "recvmessage");
        command.set("messages", std::move(messages));
        return line(command);
    }
    static QByteArray redirect(uint8_t variant)
    {
        switch (variant % 4) {
        case 0:
            return "{\"command\":\"redirect\",\"host\":\"127.0.0.1\",\"port\":1}\r\n";
        case 1:
            return "{\"command\":\"redirect\",\"host\":\"\",\"port\":1}\r\n";
        case 2:
            return "{\"command\":\"redirect\",\"host\":\"127.0.0.1\",\"port\":70000}\r\n";
        default:
            return "{\"command\":\"redirect\",\"host\":\"127.0.0.1\"}\r\n";
        }
    }
    static QByteArray malformedBatch(uint8_t variant)
    {
        static const QByteArrayList lines = {
            "{\"command\":\"recvmessage\"}\r\n",
            "{\"command\":\"recvmessage\",\"messages\":{\"msgid\":\"m1\"}}\r\n",
            "{\"command\":\"recvmessage\",\"messages\":[1,\"m2\",null,[]]}\r\n",
            "{\"command\":\"recvmessage\",\"messages\":[{\"msgid\":7,\"senduid\":\"2\"}]}\r\n",
            "{\"command\":\"recvmessage\",\"messages\":[{\"msgid\":\"m3\",\"senduid\":1e99,"
            "\"time\":-1e300}]}\r\n",
            "{\"command\":\"recvmessage\",\"messages\":[{\"msgid\":true},{\"msgid\":{}}]}\r\n",
        };
        return lines[variant % lines.size()];
    }

    const uint8_t *data_;
    size_t size_;
    size_t position_ = 0;
    QByteArray pending_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "chat_dispatch";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Client client;
    client.reset();
    Script(data, size).run(client);
    client.settle();
    return 0;
}
