#pragma once
// The image host's files: uploads and seeded pictures by key, served in full
// size or as the scaled variants "!100", "!160" and "!200". Seeded pictures
// are painted on their first request, so seeding stays fast.

#include <QByteArray>
#include <QSize>
#include <QString>

namespace nuvora::devserver {

class Database;

class ImageStore {
public:
    ImageStore(Database &db, const QString &directory);

    // Keeps an uploaded image; an empty key when the bytes are no image.
    QString storeUpload(const QByteArray &bytes);
    // Registers a picture to be painted on demand; answers the key.
    QString registerSeed(const QString &key, const QString &label, int hue, const QSize &size);
    // JPEG bytes of the key in the given variant ("", "100", "160" or "200");
    // empty when there is no such image or variant.
    QByteArray load(const QString &key, const QString &variant);
    // The address the client fetches, "" for an empty key.
    static QString url(const QString &baseUrl, const QString &key);

private:
    QString pathFor(const QString &key, const QString &variant) const;
    bool materialize(const QString &key);

    Database &db_;
    QString directory_;
};

} // namespace nuvora::devserver
