#pragma once
// One user's photo album: the photos page by page, three to a row; a photo opens its
// page. The signed-in user's own album has the upload button and shows a new upload at
// once; photos liked or deleted elsewhere follow here.

#include "model/User.h"
#include "ui/AlbumTableViewController.h"

#include <QtQml/qqmlregistration.h>

class AlbumsViewController : public AlbumTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(bool canUpload READ canUpload CONSTANT)
public:
    static inline const QString kScript = QStringLiteral("photo.php");

    AlbumsViewController(AppContext &context, const User &user, QObject *parent = nullptr);

    QString title() const;
    // Only the signed-in user uploads, to the own album.
    bool canUpload() const;

    Q_INVOKABLE void uploadPicture();

protected:
    void openPicture(int index) override;

private:
    User user_;
};
