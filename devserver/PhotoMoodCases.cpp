#include "PhotoMoodCases.h"

#include "Database.h"
#include "ImageStore.h"
#include "SeedIds.h"
#include "SeedThreads.h"

#include <iterator>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

constexpr qint64 kHour = 3600;
constexpr qint64 kDay = 24 * kHour;

constexpr QSize kSquare(640, 640);
constexpr QSize kTall(900, 1600);
constexpr QSize kWide(1600, 900);
constexpr QSize kStrip(600, 3000);
constexpr QSize kBanner(3000, 600);
constexpr QSize kHuge(4032, 3024);

// The ordinary album photos take these shapes in turn, so every page shows each.
const QSize kShapes[] = {kSquare, kTall, kWide, kSquare, kStrip, kBanner};
const char *const kCaptions[] = {"", "夜色正好", "和朋友们的周末", "随手一拍", "外滩的灯"};

// The newest of the demo account's case photos; the rest are ordinary.
const char kLongCaption[] =
    "今晚的派对太棒了，DJ从十点一直放到凌晨两点，舞池里的人一刻都没停过。认识了好几个新朋友，"
    "下周约好一起去看演出。拍了很多照片，先发一张最喜欢的，其他的慢慢整理。现场的灯光和音乐都很"
    "赞，推荐大家下次一定要来感受一下，真的不会后悔。最后感谢组织这次活动的朋友们，大家真辛苦啦，"
    "下次见！";

const PhotoMoodCases::Photo kDemoCases[] = {
    {PhotoMoodCases::kManyCommentsPhoto, kSquare, "周末派对的合影，大家来评论吧", 36, 0, false},
    {PhotoMoodCases::kOneCommentPhoto, kTall, "Gin & Tonic + Mojito，优惠码 A%2B1，只剩100%2杯", 1,
     0, false},
    {PhotoMoodCases::kTwoCommentsPhoto, kWide, "干杯🍺😀\n第二杯敬朋友\n第三杯敬自己", 2, 0, false},
    {PhotoMoodCases::kClosedPhoto, kStrip,
     "<img src=\"http://127.0.0.1/none.jpg\"> 这不是图片，是文字", 3, 1, false},
    {PhotoMoodCases::kLikedOwnPhoto, kBanner, "给自己点个赞", 0, 0, true},
    {PhotoMoodCases::kLongCaptionPhoto, kSquare, kLongCaption, 4, 0, false},
    {PhotoMoodCases::kHugePhoto, kHuge, "手机原图", 0, 0, false},
};

const PhotoMoodCases::Photo kOtherAlbum[] = {
    {PhotoMoodCases::kOtherAlbumFirst, kStrip, "江边 & 夜景 + 风", 0, 0, false},
    {PhotoMoodCases::kOtherClosedPhoto, kBanner, "不想被评论的一张 🍺", 2, 1, false},
    {PhotoMoodCases::kOtherLikedPhoto, kSquare, "第一行\n第二行\n第三行", 1, 0, true},
    {PhotoMoodCases::kOtherCommentedPhoto, kTall, "<b>不是粗体</b> 100%2", 5, 0, false},
    {PhotoMoodCases::kOtherAlbumFirst + 4, kWide, "", 0, 0, false},
};

const char kMarkupMoodText[] = "Gin & Tonic + 可乐 🍺😀\n打折 100%2 杯\n<img "
                               "src=\"http://127.0.0.1/none.jpg\">";
// 160 characters, the longest mood the client lets users write.
const char kLongMoodText[] =
    "凌晨一点的外滩还是那么热闹，江对岸的灯一盏接一盏亮着。和几个老朋友坐在露台上，点了一杯金汤力，"
    "听乐队翻唱那些年我们一起听过的歌。有人说夜生活就是逃避，我倒觉得这是白天给不了的另一种生活："
    "不用赶时间，不用看脸色，只要有音乐、有朋友、有一杯酒就够了。明天还要上班，但此刻谁在乎呢？"
    "干杯！下次再约，一起去江边看日出吧，不见不散";

} // namespace

void PhotoMoodCases::seed()
{
    seedDemoAlbum();
    seedOtherAlbum();
    seedMoods();
    // Liked pictures in the albums of the users with many and with six photos:
    // their newest (the phone camera one of the first).
    for (const qint64 uid : {SeedCases::kManyPhotosUser, SeedCases::kSixPhotosUser}) {
        db_.exec(s("INSERT OR IGNORE INTO photo_zans (pid, uid, time) "
                   "SELECT MAX(pid), ?, ? FROM photos WHERE uid = ?"),
                 {base_.demo, base_.now - 2 * kDay, uid});
    }
}

void PhotoMoodCases::seedDemoAlbum()
{
    // Six hours apart, ending eight days ago: older than the generated photos.
    const qint64 newest = base_.now - 8 * kDay;
    for (int k = 0; k < kDemoAlbumSize; ++k) {
        const qint64 pid = kDemoAlbumFirst + k;
        Photo photo{
            pid, kShapes[k % std::size(kShapes)], kCaptions[k % std::size(kCaptions)], 0, 0, false};
        for (const Photo &c : kDemoCases) {
            if (c.pid == pid)
                photo = c;
        }
        addPhoto(base_.demo, k, photo, newest - (kDemoAlbumSize - 1 - k) * 6 * kHour);
    }
}

void PhotoMoodCases::seedOtherAlbum()
{
    const qint64 newest = base_.now - 9 * kDay;
    const int count = int(std::size(kOtherAlbum));
    for (int k = 0; k < count; ++k)
        addPhoto(kAlbumUser, k, kOtherAlbum[k], newest - (count - 1 - k) * 5 * kHour);
}

void PhotoMoodCases::seedMoods()
{
    const qint64 demo = base_.demo;
    const qint64 newest = base_.now - 8 * kDay;
    addMood(demo, kMarkupMood, kMarkupMoodText, 0, 2, newest - 30 * kHour);
    addMood(demo, kClosedMood, "这条心情不想被评论，安静一下", 1, 0, newest - 20 * kHour);
    addMood(demo, kLongMood, kLongMoodText, 0, 1, newest - 10 * kHour);
    addMood(demo, kManyCommentsMood, "今晚去哪儿？评论区告诉我", 0, 22, newest);
    // Older than the user's current mood, which stays the signature.
    addMood(kAlbumUser, kOtherClosedMood, "关了评论，自己看看就好 😀", 1, 0, base_.now - 10 * kDay);
}

void PhotoMoodCases::addPhoto(qint64 uid, int index, const Photo &photo, qint64 time)
{
    // Numbered, so that a screen showing the wrong picture is seen to.
    const QString key =
        images_.registerSeed(s("al%1_%2").arg(uid).arg(index), s("No.%1").arg(index + 1),
                             (index * 37) % 360, photo.size);
    const qint64 pid =
        db_.insert(s("INSERT INTO photos (uid, img, text, isremark, time) VALUES (?, ?, ?, ?, ?)"),
                   {uid, key, s(photo.caption), photo.isremark, time});
    expectSeedId(pid, photo.pid, "case photo");
    FeedEvent upload(s("photoupload"), uid);
    upload.photoid = pid;
    upload.time = time;
    publish_(upload);

    // A closed photo keeps the comments it had before it was closed.
    SeedThreads(db_, base_).add(s("photo"), pid, photo.comments, time);
    for (int k = 0; k < index % 4; ++k) {
        db_.exec(s("INSERT INTO photo_zans (pid, uid, time) VALUES (?, ?, ?)"),
                 {pid, base_.people.at((index + k * 9) % base_.people.size()), time + kHour});
    }
    if (photo.likedByDemo) {
        db_.exec(s("INSERT OR IGNORE INTO photo_zans (pid, uid, time) VALUES (?, ?, ?)"),
                 {pid, base_.demo, time + kHour});
    }
}

void PhotoMoodCases::addMood(qint64 uid, qint64 moodid, const char *content, int isremark,
                             int comments, qint64 time)
{
    const qint64 created =
        db_.insert(s("INSERT INTO moods (uid, content, isremark, time) VALUES (?, ?, ?, ?)"),
                   {uid, s(content), isremark, time});
    expectSeedId(created, moodid, "case mood");
    FeedEvent mood(s("mood"), uid);
    mood.moodid = created;
    mood.time = time;
    publish_(mood);
    SeedThreads(db_, base_).add(s("mood"), created, comments, time);
}

} // namespace nuvora::devserver
