#include "SettingsStore.h"

#include "JsonVariant.h"
#include "LogCategories.h"
#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace json = nuvora::json;
using JsonVariant::toQString;
using JsonVariant::toStdString;

SettingsStore::SettingsStore(const QString &filePath, QObject *parent)
    : QObject(parent), filePath_(filePath)
{
    load();
}

void SettingsStore::load()
{
    QFile file(filePath_);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcStore) << "cannot read the settings:" << file.errorString();
        keepDamagedFile();
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    json::JsonReader reader;
    auto document = reader.objectWithData(bytes.constData(), size_t(bytes.size()));
    if (!document || !document->isObject()) {
        qCWarning(lcStore) << "the settings file is damaged:" << toQString(reader.error());
        keepDamagedFile();
        return;
    }
    values_ = std::move(document->asObject());
}

// The next flush replaces the file, so whatever it held is copied aside first.
void SettingsStore::keepDamagedFile()
{
    const QString stem =
        filePath_ + QStringLiteral(".damaged-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss"));
    QString target = stem;
    for (int n = 1; QFile::exists(target); ++n)
        target = stem + QLatin1Char('-') + QString::number(n);
    if (QFile::copy(filePath_, target)) {
        damagedCopyPath_ = target;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        qCWarning(lcStore) << "kept the damaged settings file as" << target;
    } else {
        qCWarning(lcStore) << "could not keep the damaged settings file";
    }
}

bool SettingsStore::contains(const QString &key) const
{
    return values_.contains(toStdString(key));
}

QString SettingsStore::string(const QString &key) const
{
    const json::Value *found = values_.find(toStdString(key));
    if (!found || !(found->isString() || found->isNumber()))
        return {};
    return toQString(found->toText());
}

qint64 SettingsStore::integer(const QString &key) const
{
    const json::Value *found = values_.find(toStdString(key));
    return found ? found->toInteger() : 0;
}

json::Value SettingsStore::value(const QString &key) const
{
    const json::Value *found = values_.find(toStdString(key));
    return found ? *found : json::Value();
}

void SettingsStore::setString(const QString &key, const QString &text)
{
    values_.set(toStdString(key), toStdString(text));
}

void SettingsStore::setValue(const QString &key, json::Value value)
{
    values_.set(toStdString(key), std::move(value));
}

void SettingsStore::remove(const QString &key)
{
    values_.remove(toStdString(key));
}

bool SettingsStore::flush()
{
    json::JsonWriter writer;
    writer.sortKeys = true;
    writer.humanReadable = true;
    const auto text = writer.dataWithObject(json::Value(values_));
    if (!text) {
        qCWarning(lcStore) << "cannot encode the settings:" << toQString(writer.error());
        return false;
    }
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcStore) << "cannot write the settings:" << file.errorString();
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(text->data(), qint64(text->size()));
    if (!file.commit()) {
        qCWarning(lcStore) << "cannot write the settings:" << file.errorString();
        return false;
    }
    return true;
}
