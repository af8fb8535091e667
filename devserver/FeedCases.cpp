#include "FeedCases.h"

#include "Database.h"
#include "DevServerLog.h"
#include "ImageStore.h"
#include "PhotoMoodCases.h"
#include "SeedIds.h"

#include <iterator>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

constexpr qint64 kMinute = 60;
constexpr qint64 kHour = 3600;

const char *const kMoods[] = {"今晚外滩见！", "新开的酒吧氛围超好", "周末谁一起去跳舞？",
                              "刚下班，来一杯", "这首歌循环了一晚上"};
const char *const kRemarks[] = {"好地方！", "下次一起", "音乐很棒", "人有点多", "推荐莫吉托"};

// The types of the run, in turn; none of them shows on the nearby tab.
const char *const kDroppedTypes[] = {"clubfavor", "hi", "partyfavor", "clubremark", "partyremark"};
// The timeline's types, in turn from the newest entry.
const char *const kTimelineTypes[] = {"mood",       "photoupload", "follow",  "clubfavor",
                                      "partyfavor", "partyjoin",   "photozan"};
constexpr int kTimelineEntries = 17;

template <size_t N> QString pick(const char *const (&list)[N], size_t index)
{
    return s(list[index % N]);
}

} // namespace

void FeedCases::seed()
{
    expectSeedId(base_.people.at(10), kTimelineUser, "timeline user");
    expectSeedId(base_.people.at(15), kNoPositionUser, "user without a position");
    seedDroppedRun();
    seedTimeline();
    seedNoPosition();
    seedReminders();
    seedOwnLikes();
}

void FeedCases::record(const QString &type, qint64 uid, qint64 time, qint64 touid,
                       const std::function<void(FeedEvent &)> &fill)
{
    FeedEvent event(type, uid);
    event.time = time;
    if (fill)
        fill(event);
    add_(event, touid);
}

qint64 FeedCases::addMood(qint64 uid, const QString &content, qint64 time)
{
    const qint64 moodid =
        db_.insert(s("INSERT INTO moods (uid, content, isremark, time) VALUES (?, ?, 0, ?)"),
                   {uid, content, time});
    // The signature is the newest mood.
    db_.exec(s("UPDATE users SET mood = (SELECT content FROM moods WHERE uid = ? ORDER BY time "
               "DESC, moodid DESC LIMIT 1) WHERE uid = ?"),
             {uid, uid});
    record(s("mood"), uid, time, 0, [moodid](FeedEvent &e) { e.moodid = moodid; });
    return moodid;
}

qint64 FeedCases::addPhoto(qint64 uid, const QString &caption, qint64 time)
{
    const int n = photos_++;
    const QString key = images_.registerSeed(s("fc%1_%2").arg(uid).arg(n), s("Feed %1").arg(n + 1),
                                             (n * 53) % 360, {640, 640});
    const qint64 pid =
        db_.insert(s("INSERT INTO photos (uid, img, text, isremark, time) VALUES (?, ?, ?, 0, ?)"),
                   {uid, key, caption, time});
    record(s("photoupload"), uid, time, 0, [pid](FeedEvent &e) { e.photoid = pid; });
    return pid;
}

qint64 FeedCases::addRemark(const QString &kind, qint64 target, qint64 uid, qint64 reply,
                            const QString &content, qint64 time)
{
    return db_.insert(s("INSERT INTO remarks (kind, target, uid, reply, content, time) VALUES "
                        "(?, ?, ?, ?, ?, ?)"),
                      {kind, target, uid, reply, content, time});
}

qint64 FeedCases::replierToDemo(const QString &kind, qint64 target)
{
    return db_.integer(s("SELECT r.uid FROM remarks r JOIN remarks a ON a.rid = r.reply "
                         "WHERE r.kind = ? AND r.target = ? AND a.uid = ? AND r.uid != ? "
                         "ORDER BY r.rid DESC LIMIT 1"),
                       {kind, target, base_.demo, base_.demo});
}

void FeedCases::seedDroppedRun()
{
    const qint64 now = base_.now;
    // Users the demo account does not follow, all with a position near the default one.
    const QList<qint64> actors = {base_.people.at(1), base_.people.at(2), base_.people.at(3),
                                  base_.people.at(4), base_.people.at(6), base_.people.at(7),
                                  base_.people.at(8), base_.people.at(9)};
    addMood(actors.at(0), pick(kMoods, 0), now);
    addMood(actors.at(1), pick(kMoods, 1), now - 1);
    for (int k = 0; k < kDroppedRun; ++k) {
        const qint64 uid = actors.at(k % actors.size());
        const qint64 time = now - 2 - k;
        const qint64 clid = base_.clubs.at(k % base_.clubs.size());
        const qint64 pid = base_.parties.at(k % base_.parties.size());
        const QString type = pick(kDroppedTypes, size_t(k));
        if (type == s("clubfavor")) {
            db_.exec(s("INSERT OR IGNORE INTO club_favors (clid, uid, time) VALUES (?, ?, ?)"),
                     {clid, uid, time});
        } else if (type == s("partyfavor")) {
            db_.exec(s("INSERT OR IGNORE INTO party_favors (pid, uid, time) VALUES (?, ?, ?)"),
                     {pid, uid, time});
        } else if (type == s("clubremark")) {
            addRemark(s("club"), clid, uid, 0, pick(kRemarks, size_t(k)), time);
        } else if (type == s("partyremark")) {
            addRemark(s("party"), pid, uid, 0, pick(kRemarks, size_t(k)), time);
        }
        record(type, uid, time, 0, [clid, pid](FeedEvent &e) {
            e.clid = clid;
            e.partyid = pid;
        });
    }
    addMood(actors.at(2), pick(kMoods, 2), now - 40);
    addMood(actors.at(3), pick(kMoods, 3), now - 45);
}

void FeedCases::seedTimeline()
{
    const qint64 uid = kTimelineUser;
    int seen[std::size(kTimelineTypes)] = {};
    for (int k = 0; k < kTimelineEntries; ++k) {
        const size_t kind = size_t(k) % std::size(kTimelineTypes);
        const int j = seen[kind]++; // the how-manieth entry of its type
        const QString type = s(kTimelineTypes[kind]);
        const qint64 time = base_.now - (k + 1) * 30 * kMinute;
        if (type == s("mood")) {
            addMood(uid, pick(kMoods, size_t(j + 1)), time);
        } else if (type == s("photoupload")) {
            addPhoto(uid, j == 1 ? QString() : pick(kMoods, size_t(j + 3)), time);
        } else if (type == s("follow")) {
            const qint64 fuid = base_.people.at(20 + j);
            db_.exec(s("INSERT OR IGNORE INTO follows (uid, fuid, time) VALUES (?, ?, ?)"),
                     {uid, fuid, time});
            record(type, uid, time, 0, [fuid](FeedEvent &e) { e.followuid = fuid; });
        } else if (type == s("clubfavor")) {
            const qint64 clid = base_.clubs.at(3 + j);
            db_.exec(s("INSERT OR IGNORE INTO club_favors (clid, uid, time) VALUES (?, ?, ?)"),
                     {clid, uid, time});
            record(type, uid, time, 0, [clid](FeedEvent &e) { e.clid = clid; });
        } else if (type == s("partyfavor")) {
            const qint64 pid = base_.parties.at(6 + j);
            db_.exec(s("INSERT OR IGNORE INTO party_favors (pid, uid, time) VALUES (?, ?, ?)"),
                     {pid, uid, time});
            record(type, uid, time, 0, [pid](FeedEvent &e) { e.partyid = pid; });
        } else if (type == s("partyjoin")) {
            const qint64 pid = base_.parties.at(14 + j);
            db_.exec(s("INSERT OR IGNORE INTO party_joins (pid, uid, name, tel, count, time) "
                       "VALUES (?, ?, '', '', 1, ?)"),
                     {pid, uid, time});
            record(type, uid, time, 0, [pid](FeedEvent &e) { e.partyid = pid; });
        } else {
            const qint64 pid = db_.integer(s("SELECT MAX(pid) FROM photos WHERE uid = ?"),
                                           {base_.people.at(2 + j)});
            db_.exec(s("INSERT OR IGNORE INTO photo_zans (pid, uid, time) VALUES (?, ?, ?)"),
                     {pid, uid, time});
            record(type, uid, time, 0, [pid](FeedEvent &e) { e.photoid = pid; });
        }
    }
}

void FeedCases::seedOwnLikes()
{
    const qint64 demo = base_.demo;
    const qint64 time = base_.now - 3 * kMinute;
    const qint64 clid = base_.clubs.at(1);
    db_.exec(s("INSERT OR IGNORE INTO club_favors (clid, uid, time) VALUES (?, ?, ?)"),
             {clid, demo, time});
    record(s("clubfavor"), demo, time, 0, [clid](FeedEvent &e) { e.clid = clid; });
    const qint64 liked = base_.parties.at(2);
    db_.exec(s("INSERT OR IGNORE INTO party_favors (pid, uid, time) VALUES (?, ?, ?)"),
             {liked, demo, time - kMinute});
    record(s("partyfavor"), demo, time - kMinute, 0, [liked](FeedEvent &e) { e.partyid = liked; });
    const qint64 joined = base_.parties.at(3);
    db_.exec(s("INSERT OR IGNORE INTO party_joins (pid, uid, name, tel, count, time) "
               "VALUES (?, ?, '', '', 1, ?)"),
             {joined, demo, time - 2 * kMinute});
    record(s("partyjoin"), demo, time - 2 * kMinute, 0,
           [joined](FeedEvent &e) { e.partyid = joined; });
    const qint64 photo =
        db_.integer(s("SELECT MAX(pid) FROM photos WHERE uid = ?"), {base_.people.at(4)});
    db_.exec(s("INSERT OR IGNORE INTO photo_zans (pid, uid, time) VALUES (?, ?, ?)"),
             {photo, demo, time - 3 * kMinute});
    record(s("photozan"), demo, time - 3 * kMinute, 0,
           [photo](FeedEvent &e) { e.photoid = photo; });
}

void FeedCases::seedNoPosition()
{
    addMood(kNoPositionUser, pick(kMoods, 4), base_.now - 20 * kMinute);
    addPhoto(kNoPositionUser, QString(), base_.now - 45 * kMinute);
}

void FeedCases::seedReminders()
{
    const qint64 demo = base_.demo;
    qint64 time = base_.now - 5 * kMinute;
    // Newest first, a minute apart.
    auto remind = [&](const char *type, qint64 uid, const std::function<void(FeedEvent &)> &fill) {
        if (uid > 0)
            record(s(type), uid, time, demo, fill);
        else
            qCWarning(lcDevServer) << "seed: nobody to send the reminder" << type;
        time -= kMinute;
    };
    auto photo = [](qint64 pid) { return [pid](FeedEvent &e) { e.photoid = pid; }; };
    auto mood = [](qint64 moodid) { return [moodid](FeedEvent &e) { e.moodid = moodid; }; };
    const QString demoName =
        db_.row(s("SELECT nickname FROM users WHERE uid = ?"), {demo}).text(s("nickname"));

    // Comments of others and replies to the demo account's own, already in the threads.
    const qint64 oneComment = PhotoMoodCases::kOneCommentPhoto;
    remind("photoremark",
           db_.integer(s("SELECT uid FROM remarks WHERE kind = 'photo' AND target = ? AND uid != "
                         "? ORDER BY rid DESC LIMIT 1"),
                       {oneComment, demo}),
           photo(oneComment));
    const qint64 busyMood = PhotoMoodCases::kManyCommentsMood;
    remind("moodremark",
           db_.integer(s("SELECT uid FROM remarks WHERE kind = 'mood' AND target = ? AND uid != "
                         "? ORDER BY rid DESC LIMIT 1"),
                       {busyMood, demo}),
           mood(busyMood));
    remind("moodremarkreply", replierToDemo(s("mood"), busyMood), mood(busyMood));

    // A comment of the demo account on a club's and a party's board, and answers to them.
    const qint64 clid = base_.clubs.at(2);
    const qint64 pid = base_.parties.at(3);
    const qint64 replier = base_.people.at(12);
    for (const auto &[kind, target] : {std::pair{s("club"), clid}, std::pair{s("party"), pid}}) {
        const qint64 rid = addRemark(kind, target, demo, 0, pick(kRemarks, 1), time - kHour);
        addRemark(kind, target, replier, rid, s("回复%1: 一起吧").arg(demoName), time - 1);
    }
    remind("clubremarkreply", replier, [clid](FeedEvent &e) { e.clid = clid; });
    remind("photoremarkreply", replierToDemo(s("photo"), PhotoMoodCases::kManyCommentsPhoto),
           photo(PhotoMoodCases::kManyCommentsPhoto));
    remind("partyremarkreply", replier, [pid](FeedEvent &e) { e.partyid = pid; });

    const qint64 hiClub = base_.clubs.at(5);
    remind("hi", base_.people.at(7), [hiClub](FeedEvent &e) { e.clid = hiClub; });
    const qint64 liked = PhotoMoodCases::kLikedOwnPhoto;
    remind("photozan",
           db_.integer(s("SELECT uid FROM photo_zans WHERE pid = ? AND uid != ? ORDER BY time "
                         "DESC LIMIT 1"),
                       {liked, demo}),
           photo(liked));
    remind(
        "follow",
        db_.integer(s("SELECT uid FROM follows WHERE fuid = ? ORDER BY time DESC LIMIT 1"), {demo}),
        [demo](FeedEvent &e) { e.followuid = demo; });
    remind("notify", base_.helper,
           [](FeedEvent &e) { e.info = s("你上传的照片已被推荐到附近的人，快去看看吧！"); });
    // A kind the client does not know yet.
    remind("giftsent", base_.people.at(8), [](FeedEvent &e) { e.info = s("送你一杯莫吉托"); });
}

} // namespace nuvora::devserver
