#include "PushService.h"

#include "JsonVariant.h"
#include "LogCategories.h"
#include "api/json/JsonReader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTimer>

namespace {
constexpr int kTokenBytes = 32;
constexpr int kSocketWaitMilliseconds = 3000;

QString tokenPath(const QString &dataDirectory)
{
    return QDir(dataDirectory).filePath(QStringLiteral("push-token"));
}
} // namespace

PushService::PushService(const QString &dataDirectory, QObject *parent)
    : QObject(parent), dataDirectory_(dataDirectory)
{
}

QByteArray PushService::deviceToken()
{
    if (!token_.isEmpty())
        return token_;
    QFile file(tokenPath(dataDirectory_));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray stored = QByteArray::fromHex(file.readAll().trimmed());
        if (stored.size() == kTokenBytes)
            return token_ = stored;
    }
    QByteArray fresh(kTokenBytes, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(fresh.data()),
                                          kTokenBytes / int(sizeof(quint32)));
    QSaveFile out(tokenPath(dataDirectory_));
    if (out.open(QIODevice::WriteOnly)) {
        out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        out.write(fresh.toHex());
        if (!out.commit())
            qCWarning(lcPlatform) << "cannot keep the push token:" << out.errorString();
    }
    return token_ = fresh;
}

void PushService::registerForRemoteNotifications()
{
    QTimer::singleShot(0, this, [this] { emit registered(deviceToken()); });
}

QString PushService::serverName(const QString &dataDirectory)
{
    const QByteArray path = QDir(dataDirectory).absolutePath().toUtf8();
    return QStringLiteral("nuvora-push-")
           + QString::fromLatin1(
               QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16));
}

bool PushService::listen()
{
    if (server_)
        return true;
    const QString name = serverName(dataDirectory_);
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(200)) {
        qCWarning(lcPlatform) << "another client already receives push payloads for this data";
        return false;
    }
    QLocalServer::removeServer(name); // a socket file left behind by a crash
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        qCWarning(lcPlatform) << "cannot receive push payloads:" << server_->errorString();
        delete server_;
        server_ = nullptr;
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->bytesAvailable() > kMaxPayloadBytes) {
                    socket->abort();
                    return;
                }
                if (!socket->canReadLine())
                    return;
                QVariantMap payload;
                const bool ok = decodePayload(socket->readLine(), &payload);
                socket->write(ok ? "ok\n" : "error\n");
                socket->flush();
                if (ok)
                    deliver(payload);
            });
        }
    });
    return true;
}

bool PushService::sendPayload(const QString &dataDirectory, const QByteArray &json, QString *error)
{
    QVariantMap payload;
    if (!decodePayload(json, &payload)) {
        *error = QStringLiteral("the payload is not a JSON object");
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(serverName(dataDirectory));
    if (!socket.waitForConnected(kSocketWaitMilliseconds)) {
        *error = QStringLiteral("no client is running for this data directory");
        return false;
    }
    // One line: the payload without its line breaks.
    QByteArray line = json;
    line.replace('\n', ' ').replace('\r', ' ');
    socket.write(line + '\n');
    if (!socket.waitForBytesWritten(kSocketWaitMilliseconds)
        || !socket.waitForReadyRead(kSocketWaitMilliseconds)) {
        *error = QStringLiteral("the client did not answer");
        return false;
    }
    if (socket.readLine().trimmed() != "ok") {
        *error = QStringLiteral("the client refused the payload");
        return false;
    }
    return true;
}

bool PushService::decodePayload(const QByteArray &json, QVariantMap *payload)
{
    nuvora::json::JsonReader reader;
    const auto value = reader.objectWithData(json.constData(), size_t(json.size()));
    if (!value || !value->isObject())
        return false;
    *payload = JsonVariant::toVariant(*value).toMap();
    return true;
}

void PushService::deliver(const QVariantMap &payload)
{
    emit remoteNotificationReceived(payload);
}

void PushService::setBadgeNumber(int number)
{
    if (number == badgeNumber_)
        return;
    badgeNumber_ = number;
    emit badgeNumberChanged();
}
