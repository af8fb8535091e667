#include "ChatTestClient.h"

#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"

#include <QDeadlineTimer>

namespace json = nuvora::json;

bool ChatTestClient::connectTo(quint16 port, int timeoutMs)
{
    socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
    return socket_.waitForConnected(timeoutMs);
}

void ChatTestClient::send(const json::Value &command)
{
    sendRaw(line(command));
}

QByteArray ChatTestClient::line(const json::Value &command)
{
    json::JsonWriter writer;
    const auto text = writer.dataWithObject(command);
    return QByteArray::fromStdString(text.value_or(std::string())) + "\r\n";
}

void ChatTestClient::sendRaw(const QByteArray &bytes)
{
    socket_.write(bytes);
    socket_.flush();
}

int ChatTestClient::login(const QString &token)
{
    json::Object command;
    command.set("command", json::Value("logintoken"));
    command.set("terminal", json::Value("ios"));
    command.set("version", json::Value("2.0.0"));
    command.set("token", json::Value(""));
    command.set("logintoken", json::Value(token.toStdString()));
    send(json::Value(std::move(command)));
    const auto answer = waitFor("login");
    return answer ? static_cast<int>((*answer)["status"].toInteger()) : -1;
}

void ChatTestClient::readAvailable()
{
    buffer_ += socket_.readAll();
    qsizetype end;
    while ((end = buffer_.indexOf("\r\n")) >= 0) {
        const QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 2);
        longestLine_ = qMax(longestLine_, end + 2);
        json::JsonReader reader;
        if (auto value = reader.objectWithData(line.constData(), static_cast<size_t>(line.size())))
            received_.append(std::move(*value));
    }
}

std::optional<json::Value> ChatTestClient::waitFor(const std::string &command, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        readAvailable();
        for (qsizetype i = 0; i < received_.size(); ++i) {
            if (received_.at(i)["command"].toText() == command)
                return received_.takeAt(i);
        }
        if (deadline.hasExpired() || socket_.state() != QAbstractSocket::ConnectedState)
            return std::nullopt;
        socket_.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
    }
}

bool ChatTestClient::staysQuiet(const std::string &command, int timeoutMs)
{
    return !waitFor(command, timeoutMs).has_value();
}

bool ChatTestClient::waitForDisconnected(int timeoutMs)
{
    if (socket_.state() == QAbstractSocket::UnconnectedState)
        return true;
    return socket_.waitForDisconnected(timeoutMs);
}
