#pragma once
// The seed's deliberate edge cases at fixed ids, for the screens' awkward
// paths: users with many, few and oddly shaped photos, long and empty texts,
// a second region; clubs and parties at the limits of their lists, telephone
// texts that cannot all be dialled, boards of several pages; a long
// conversation for the demo account.

#include <QDate>
#include <QList>

namespace nuvora::devserver {

class Database;
class ImageStore;

class SeedCases {
public:
    // Users; user N of the seed (userN@nuvora.cn, passwordN) has uid N + 2.
    static constexpr qint64 kManyPhotosUser = 67;   // 21 photos, the newest three shaped
    static constexpr qint64 kSixPhotosUser = 68;    // 6 photos, one tall and one wide
    static constexpr qint64 kLongTextsUser = 69;    // 20-character nickname, 140-character mood
    static constexpr qint64 kBlankProfileUser = 70; // empty mood and self-description
    static constexpr qint64 kGuangzhouUser = 71;    // lives in 广东 广州 (6/4)
    static constexpr qint64 kMovedUser = 72;    // lives in 广州, home town 四川 成都 (26/3)
    static constexpr qint64 kShenzhenUser = 73; // lives in 广东 深圳 (6/15)
    static constexpr int kGuangdong = 6;
    static constexpr int kGuangzhou = 4;
    static constexpr int kShenzhen = 15;
    // user15, whose 26 messages wait for the demo account.
    static constexpr qint64 kChatPartner = 17;

    // Clubs.
    static constexpr qint64 kClubWithoutPosition = 27; // telephone ""
    static constexpr qint64 kClubWithoutTags = 28;     // telephone " 021-63210000"
    static constexpr qint64 kClubWithoutPhotos = 29;   // telephone with an extension word
    static constexpr qint64 kClubWithoutFans = 30;     // telephone "*#06#"
    static constexpr qint64 kClubManyPhotos = 31;      // 23 photos; two telephone numbers
    static constexpr qint64 kClubManyFans = 32;        // 26 fans; "分机" in the telephone
    static constexpr qint64 kGuangzhouClub = 33;       // 33 and 34 in 广州, 35 in 深圳
    static constexpr qint64 kShenzhenClub = 35;

    // Parties.
    static constexpr qint64 kPastParty = 29;        // ended last week; the demo account joined
    static constexpr qint64 kPartyWithoutFans = 30; // sign-up form ("joininfo" 0)
    static constexpr qint64 kPartyManyPhotos = 31;  // 24 photos, one-tap sign-up
    static constexpr qint64 kGuangzhouParty = 32;   // at club 33, sign-up form ("joininfo" 2)

    // The demo account's relations beyond the generated ones, so that its lists page:
    // follows (22 with the generated dozen: two pages of 20), liked clubs (11 with club 2:
    // two pages of 10), liked parties, blocked users. None is an event of the feeds.
    static constexpr qint64 kDemoExtraFollows[] = {14, 15, 16, 19, 20, 21, 22, 24, 26, 27};
    static constexpr qint64 kDemoLikedClubs[] = {1, 4, 5, 6, 10, 11, 12, 13, 14, 16};
    static constexpr qint64 kDemoLikedParties[] = {20, 22, 24};
    static constexpr qint64 kDemoBlockedUsers[] = {57, 59, 61};

    // Boards longer than a page, replies among their comments.
    static constexpr qint64 kBusyBoardClub = kClubManyPhotos;
    static constexpr qint64 kBusyBoardParty = kPartyManyPhotos;
    static constexpr int kBusyBoardComments = 24;

    // What the cases build on: the generated records, in creation order.
    struct Base {
        qint64 helper = 0;
        qint64 demo = 0;
        QList<qint64> people;
        QList<qint64> clubs;
        QList<qint64> parties;
        qint64 now = 0;
        QDate today;
    };

    SeedCases(Database &db, ImageStore &images, const Base &base)
        : db_(db), images_(images), base_(base)
    {
    }

    void seed();

private:
    void seedPeople();
    void seedClubs();
    void seedParties();
    void seedBoards();
    void seedConversation();
    void seedDemoRelations();
    void addPhotos(qint64 uid, const QList<QSize> &sizes);

    Database &db_;
    ImageStore &images_;
    const Base &base_;
};

} // namespace nuvora::devserver
