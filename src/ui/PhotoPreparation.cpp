#include "PhotoPreparation.h"

#include "api/CommonFunctions.h"
#include "platform/ImagePicker.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

PhotoPreparation::PhotoPreparation(QObject *parent) : QObject(parent)
{
}

QSize PhotoPreparation::preparedSize(const QSize &size)
{
    if (size.isEmpty())
        return {};
    const qint64 width = size.width();
    const qint64 height = size.height();
    const qint64 scaledHeight = (kWidth * height + width / 2) / width;
    if (scaledHeight <= kMaxSide)
        return {kWidth, int(std::max<qint64>(1, scaledHeight))};
    // So tall that 600 wide would pass the limit: the height is held, the width gives.
    return {int(std::max<qint64>(1, (kMaxSide * width + height / 2) / height)), kMaxSide};
}

PhotoPreparation::Photo PhotoPreparation::prepare(const QUrl &file)
{
    return prepare(ImagePicker::readImage(file));
}

PhotoPreparation::Photo PhotoPreparation::prepare(const QImage &picked)
{
    if (picked.isNull())
        return {};
    const QImage scaled = CommonFunctions::scaleImage(picked, preparedSize(picked.size()));
    return {scaled, CommonFunctions::jpegData(scaled, kJpegQuality)};
}

void PhotoPreparation::start(const QUrl &file)
{
    run([file] { return prepare(file); });
}

void PhotoPreparation::start(const QImage &picked)
{
    run([picked] { return prepare(picked); });
}

void PhotoPreparation::run(std::function<Photo()> preparation)
{
    const quint64 generation = ++generation_;
    setBusy(true);
    auto *watcher = new QFutureWatcher<Photo>(this);
    connect(watcher, &QFutureWatcher<Photo>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != generation_)
            return;
        const Photo photo = watcher->result();
        setBusy(false);
        if (photo.isNull())
            emit failed(ImagePicker::kUnreadableImage);
        else
            emit prepared(photo.image, photo.jpeg);
    });
    watcher->setFuture(QtConcurrent::run(std::move(preparation)));
}

void PhotoPreparation::cancel()
{
    ++generation_;
    setBusy(false);
}

void PhotoPreparation::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    emit busyChanged();
}
