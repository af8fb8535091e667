#include "AlbumsViewController.h"

#include "model/Picture.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/Router.h"

AlbumsViewController::AlbumsViewController(AppContext &context, const User &user, QObject *parent)
    : AlbumTableViewController(context, parent), user_(user)
{
    auto request = PagedQuery::listOf<Picture>(
        kScript, QStringLiteral("photos"),
        [](const nuvora::json::Value &element) { return Picture(element); });
    request.parameters = [uid = QString::number(user_.userId)] {
        return QVariantMap{{QStringLiteral("uid"), uid}};
    };
    setQuery(makeQuery<Picture>(std::move(request)));

    NotificationCenter &notifications = context.notifications();
    notifications.addObserver(this, NotificationNames::pictureChanged,
                              [this](const QVariant &picture) { query()->replaceRecord(picture); });
    notifications.addObserver(this, NotificationNames::pictureDeleted, [this](const QVariant &pid) {
        query()->removeRecord(pid.toString());
    });
    if (canUpload()) {
        notifications.addObserver(this, NotificationNames::pictureUploaded,
                                  [this](const QVariant &) { refresh(); });
    }
}

QString AlbumsViewController::title() const
{
    return canUpload() ? QStringLiteral("我的相册")
                       : QStringLiteral("%1的相册").arg(user_.nickname);
}

bool AlbumsViewController::canUpload() const
{
    return user_.userId != 0 && user_.userId == context().session().userId();
}

void AlbumsViewController::uploadPicture()
{
    if (canUpload())
        context().router().openPictureUpload();
}

void AlbumsViewController::openPicture(int index)
{
    if (const std::optional<Picture> picture = records()->recordAt<Picture>(index))
        context().router().openPictureComment(user_, *picture);
}
