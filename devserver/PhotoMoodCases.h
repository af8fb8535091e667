#pragma once
// The seed's photo and mood edge cases at fixed ids, for the album, photo and
// mood screens: the demo account's long album in every picture shape, long
// comment threads with replies, photos with one and two comments, closed and
// liked ones, the longest texts the client lets users write, and texts with
// characters that encoders and text views get wrong ("&", "+", "%2", emoji,
// line breaks, markup). Another user's small album beside it.

#include "FeedLog.h"
#include "SeedCases.h"

#include <QSize>
#include <functional>

namespace nuvora::devserver {

class Database;
class ImageStore;

class PhotoMoodCases {
public:
    // The demo account's album: these 42 photos, oldest first, and the
    // generated ones (newer, with higher ids).
    static constexpr qint64 kDemoAlbumFirst = 28;
    static constexpr int kDemoAlbumSize = 42;
    static constexpr qint64 kManyCommentsPhoto = 69; // 36 comments, replies among them
    static constexpr qint64 kOneCommentPhoto = 68;   // caption with "&", "+" and "%2"
    static constexpr qint64 kTwoCommentsPhoto = 67;  // caption with emoji over three lines
    static constexpr qint64 kClosedPhoto = 66;       // comments closed; caption with "<img …>"
    static constexpr qint64 kLikedOwnPhoto = 65;     // liked by the demo account itself
    static constexpr qint64 kLongCaptionPhoto = 64;  // 140-character caption
    static constexpr qint64 kHugePhoto = 63;         // 4032 × 3024

    // Another user's album of five: 600 × 3000, 3000 × 600 and ordinary shapes.
    static constexpr qint64 kAlbumUser = SeedCases::kLongTextsUser;
    static constexpr qint64 kOtherAlbumFirst = 70;
    static constexpr qint64 kOtherClosedPhoto = 71;
    static constexpr qint64 kOtherLikedPhoto = 72; // liked by the demo account
    static constexpr qint64 kOtherCommentedPhoto = 73;

    // Moods of the demo account, oldest first, and one of the album user's.
    static constexpr qint64 kMarkupMood = 7; // "&", "+", "%2", emoji, lines, "<img …>"
    static constexpr qint64 kClosedMood = 8;
    static constexpr qint64 kLongMood = 9;          // 160 characters
    static constexpr qint64 kManyCommentsMood = 10; // 22 comments, replies among them
    static constexpr qint64 kOtherClosedMood = 11;

    // Receives the feed entries of the uploads and moods, with their times.
    using Publish = std::function<void(const FeedEvent &)>;

    PhotoMoodCases(Database &db, ImageStore &images, const SeedCases::Base &base, Publish publish)
        : db_(db), images_(images), base_(base), publish_(std::move(publish))
    {
    }

    // One photo of the cases, with its comments and whether the demo account likes it.
    struct Photo {
        qint64 pid;
        QSize size;
        const char *caption;
        int comments;
        int isremark;
        bool likedByDemo;
    };

    void seed();

private:
    void seedDemoAlbum();
    void seedOtherAlbum();
    void seedMoods();
    void addPhoto(qint64 uid, int index, const Photo &photo, qint64 time);
    void addMood(qint64 uid, qint64 moodid, const char *content, int isremark, int comments,
                 qint64 time);

    Database &db_;
    ImageStore &images_;
    const SeedCases::Base &base_;
    Publish publish_;
};

} // namespace nuvora::devserver
