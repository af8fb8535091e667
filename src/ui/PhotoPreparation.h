#pragma once
// Turns a picked photo file into what an upload sends, off the main thread: read upright,
// scaled to 600 pixels wide (the long side at most 4096, proportions kept) and encoded as
// JPEG at full quality. Only the newest pick's result arrives.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QUrl>

#include <functional>

class PhotoPreparation : public QObject {
    Q_OBJECT
public:
    static constexpr int kWidth = 600;
    static constexpr int kMaxSide = 4096;
    static constexpr int kJpegQuality = 100;

    struct Photo {
        QImage image;
        QByteArray jpeg;
        bool isNull() const { return jpeg.isEmpty(); }
    };

    explicit PhotoPreparation(QObject *parent = nullptr);

    // The size a picture of `size` is sent at.
    static QSize preparedSize(const QSize &size);
    // The whole preparation on the calling thread; a null photo when the file is unreadable.
    static Photo prepare(const QUrl &file);
    static Photo prepare(const QImage &picked);

    // Prepares `file` (or an image already read, a cropped one) on the thread pool; a
    // result still due for an earlier pick is dropped.
    void start(const QUrl &file);
    void start(const QImage &picked);
    // Drops the result still due.
    void cancel();
    bool isBusy() const { return busy_; }

signals:
    void busyChanged();
    void prepared(const QImage &image, const QByteArray &jpeg);
    void failed(const QString &message);

private:
    void run(std::function<Photo()> preparation);
    void setBusy(bool busy);

    quint64 generation_ = 0;
    bool busy_ = false;
};
