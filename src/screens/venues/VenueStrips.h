#pragma once
// The two strips of a venue's page, filled once from the page's first good load: the
// users who like the venue (a fan opens the fan's home page) and the venue's photos (a
// photo opens the viewer over all of them). Each strip's tail asks for its whole list.

#include "model/Picture.h"
#include "model/User.h"
#include "ui/TileStrip.h"

#include <QObject>
#include <string_view>
#include <vector>

class AppContext;

class VenueStrips : public QObject {
    Q_OBJECT
public:
    // Where a load's reply keeps the strips' elements.
    struct ReplyKeys {
        std::string_view photos;  // array of {id, "img"}
        std::string_view photoId; // the id key of a photo element
        std::string_view fans;    // array of user objects
    };

    VenueStrips(AppContext &context, ReplyKeys keys, const QString &photoPlaceholder,
                QObject *parent = nullptr);

    TileStrip *fansStrip() const { return fansStrip_; }
    TileStrip *photoStrip() const { return photoStrip_; }
    const std::vector<User> &favorUserList() const { return favorUserList_; }
    const std::vector<Picture> &photoList() const { return photoList_; }

    // Fills each strip that is still empty from a load's reply.
    void fill(const nuvora::json::Value &reply);
    // The signed-in user has just liked or stopped liking the venue: the fans strip
    // shows it without waiting for the next page.
    void addFan(const User &user);
    void removeFan(int userId);

    void photoButtonTapped(int index);
    void userAvatarButtonTapped(int index);

signals:
    // The tails: the whole list of fans, the whole album.
    void fansRequested();
    void albumRequested();

private:
    void showFans();

    AppContext &context_;
    ReplyKeys keys_;
    std::vector<User> favorUserList_;
    std::vector<Picture> photoList_;
    TileStrip *fansStrip_;
    TileStrip *photoStrip_;
};
