#include "ImageStore.h"

#include "Database.h"
#include "ImagePainter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

namespace nuvora::devserver {

namespace {

bool isSafeKey(const QString &key)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return pattern.match(key).hasMatch();
}

bool writeJpeg(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return image.save(&file, "JPEG", 85) && file.commit();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

ImageStore::ImageStore(Database &db, const QString &directory) : db_(db), directory_(directory)
{
    QDir().mkpath(directory_);
}

QString ImageStore::storeUpload(const QByteArray &bytes)
{
    QImage image;
    if (bytes.isEmpty() || !image.loadFromData(bytes) || image.isNull())
        return {};
    // Very large pictures are kept at a size a phone can show.
    if (image.width() > 2048 || image.height() > 2048)
        image = image.scaled(2048, 2048, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QString key = QStringLiteral("u%1").arg(QRandomGenerator::global()->generate64(), 16, 16,
                                                  QLatin1Char('0'));
    return writeJpeg(image, pathFor(key, {})) ? key : QString();
}

QString ImageStore::registerSeed(const QString &key, const QString &label, int hue,
                                 const QSize &size)
{
    db_.exec(QStringLiteral("INSERT OR REPLACE INTO seed_images (key, label, hue, width, height) "
                            "VALUES (?, ?, ?, ?, ?)"),
             {key, label, hue, size.width(), size.height()});
    return key;
}

QByteArray ImageStore::load(const QString &key, const QString &variant)
{
    static const QStringList variants = {QString(), QStringLiteral("100"), QStringLiteral("160"),
                                         QStringLiteral("200")};
    if (!isSafeKey(key) || !variants.contains(variant))
        return {};
    const QString full = pathFor(key, {});
    if (!QFile::exists(full) && !materialize(key))
        return {};
    if (variant.isEmpty())
        return readFile(full);

    const QString scaledPath = pathFor(key, variant);
    if (!QFile::exists(scaledPath)) {
        QImage image(full);
        if (image.isNull())
            return {};
        const int edge = variant.toInt();
        // Avatars and thumbnails are square crops; "!200" keeps the picture's shape.
        QImage scaled;
        if (edge == 200) {
            scaled = image.scaledToWidth(edge, Qt::SmoothTransformation);
        } else {
            scaled =
                image.scaled(edge, edge, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
            scaled =
                scaled.copy((scaled.width() - edge) / 2, (scaled.height() - edge) / 2, edge, edge);
        }
        if (!writeJpeg(scaled, scaledPath))
            return {};
    }
    return readFile(scaledPath);
}

QString ImageStore::url(const QString &baseUrl, const QString &key)
{
    return key.isEmpty() ? QString() : QStringLiteral("%1/560/%2.jpg").arg(baseUrl, key);
}

QString ImageStore::pathFor(const QString &key, const QString &variant) const
{
    return variant.isEmpty() ? QStringLiteral("%1/%2.jpg").arg(directory_, key)
                             : QStringLiteral("%1/%2_%3.jpg").arg(directory_, key, variant);
}

bool ImageStore::materialize(const QString &key)
{
    const Row seed = db_.row(QStringLiteral("SELECT * FROM seed_images WHERE key = ?"), {key});
    if (!seed.isValid())
        return false;
    const QSize size(static_cast<int>(seed.integer(QStringLiteral("width"))),
                     static_cast<int>(seed.integer(QStringLiteral("height"))));
    const QImage image =
        ImagePainter::paint(seed.text(QStringLiteral("label")),
                            static_cast<int>(seed.integer(QStringLiteral("hue"))), size);
    return writeJpeg(image, pathFor(key, {}));
}

} // namespace nuvora::devserver
