#include "Seeder.h"

#include "Accounts.h"
#include "Database.h"
#include "Dates.h"
#include "FeedCases.h"
#include "FeedLog.h"
#include "ImageStore.h"
#include "Passwords.h"
#include "PhotoMoodCases.h"
#include "SeedCases.h"

#include <QDate>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

const char *const kNames[] = {"夜猫", "小鹿", "阿杰", "糖糖", "Kiki", "大白", "小雨", "Leo",
                              "安妮", "米粒", "子轩", "晓梦", "Mia",  "阿飞", "橙子", "七七",
                              "Tony", "可乐", "雪儿", "浩然", "Vivi", "小熊", "若曦", "Jason",
                              "朵朵", "凯文", "柠檬", "思思", "阿龙", "Coco", "文静", "大伟"};
const char *const kNameSuffixes[] = {"酱", "同学", "_SH", "在路上"};
const char *const kMoods[] = {"今晚有人一起去外滩吗？",   "周末的派对太嗨了！",
                              "新发现一家很有feel的酒吧", "加班到现在，需要一杯莫吉托",
                              "音乐响起来就什么都忘了",   "求推荐好听的电音",
                              "今天心情超级好~",          "想念上周的那场派对",
                              "有没有一起去看演出的？",   "下雨天适合安静地喝一杯",
                              "刚学会调一杯长岛冰茶",     "DJ今晚太燃了",
                              "一个人的夜晚也可以很精彩", "周五啦，出来玩！",
                              "又是失眠的一夜",           "交个朋友吧",
                              "喜欢这座城市的夜景",       "跳舞跳到脚软",
                              "谁知道哪里有好吃的夜宵",   "生活需要一点仪式感"};
const char *const kJobs[] = {"设计师", "程序员", "学生",     "摄影师", "市场经理", "模特",
                             "DJ",     "律师",   "自由职业", "咖啡师", "银行职员", "销售"};
const char *const kAbout[] = {"爱音乐，爱跳舞，爱生活。", "白天上班，晚上是另一个我。",
                              "喜欢认识有趣的人。", "夜猫子一枚，周末常驻外滩。",
                              "希望在这里找到志同道合的朋友。"};
const char *const kClubNames[] = {
    "M2 Club",   "粉红会所",   "Bar Rouge",      "Linx",     "The Apartment",  "Dragon Club",
    "Muse 摩叁", "Myst",       "Sin Club",       "Arkham",   "蓝蛙酒吧",       "Uptown Records Bar",
    "M1NT",      "Shelter",    "Bund 18 Lounge", "Le Baron", "Cirque Le Soir", "Taxx",
    "Park 97",   "Elements",   "Phebe 3D",       "Fusion",   "爵士酒吧",       "Windows Too",
    "Heartbeat", "Monkey Bar", "Abyss 深渊"};
const char *const kStreets[] = {"南京西路", "淮海中路", "中山东一路",   "茂名南路", "衡山路",
                                "永康路",   "巨鹿路",   "新天地太仓路", "外滩源",   "复兴中路"};
const char *const kTags[] = {"电音",  "嘻哈",   "现场乐队", "鸡尾酒", "露台", "爵士",
                             "House", "Techno", "女士之夜", "江景",   "卡座", "精酿"};
const char *const kPartyTitles[] = {"周五电音狂欢夜", "复古迪斯科之夜",   "女士之夜：鸡尾酒免费",
                                    "Techno地下派对", "万圣节化妆舞会",   "爵士现场演出",
                                    "屋顶日落派对",   "嘻哈之夜",         "白色派对",
                                    "拉丁舞会",       "国际DJ巡演上海站", "单身交友派对",
                                    "啤酒节狂欢",     "80后怀旧之夜"};
const char *const kComments[] = {
    "好漂亮！", "这是在哪里拍的？", "下次一起去~", "赞一个", "太有感觉了", "哈哈哈，同感",
    "羡慕",     "求带！",           "氛围真好",    "周末见"};
const char *const kChats[] = {"你好呀，看到你也在附近~", "周五的派对你去吗？",
                              "上次那家酒吧叫什么名字来着？"};

template <size_t N> const char *pick(const char *const (&list)[N], size_t index)
{
    return list[index % N];
}

struct Position {
    double lat;
    double lng;
};

// A deterministic source of the seed's choices.
class Dice {
public:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    int between(int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    double unit() { return std::uniform_real_distribution<double>(0, 1)(engine_); }
    // A point within `radius` metres of the centre, denser near the middle.
    Position around(double lat, double lng, double radius)
    {
        const double r = std::sqrt(unit()) * radius;
        const double angle = unit() * 2 * std::numbers::pi;
        return {lat + r * std::cos(angle) / 111000.0,
                lng + r * std::sin(angle) / (111000.0 * std::cos(lat * std::numbers::pi / 180))};
    }

private:
    std::mt19937 engine_{2012};
};

// Events are collected with their times and written in time order, so that
// feed ids grow with time as the cursors expect.
struct TimedEvent {
    FeedEvent event;
    qint64 touid;
};

} // namespace

void Seeder::reseed()
{
    db_.script(s("BEGIN"));
    clear();
    seed();
    db_.script(s("COMMIT"));
}

void Seeder::clear()
{
    for (const Row &row : db_.rows(s("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                     "name NOT LIKE 'sqlite_%'")))
        db_.exec(s("DELETE FROM \"%1\"").arg(row.text(s("name"))));
    db_.exec(s("DELETE FROM sqlite_sequence"));
}

void Seeder::seed()
{
    Dice dice;
    const qint64 now = Dates::now();
    const QDate today = QDate::currentDate();
    auto ago = [&dice, now](int maxHours) { return now - dice.between(60, maxHours * 3600); };

    // The service's own account sends the notices.
    NewUser system;
    system.email = s(kHelperEmail);
    system.password = Passwords::newToken();
    system.nickname = s("Nuvora小助手");
    system.birthday = s("2010-01-01");
    system.avatar = images_.registerSeed(s("av1"), s("N"), 270, {300, 300});
    const qint64 helper = Accounts::create(db_, system);

    NewUser demo;
    demo.email = s(kDemoEmail);
    demo.password = s(kDemoPassword);
    demo.nickname = s("夜色体验官");
    demo.gender = 1;
    demo.birthday = s("1990-08-16");
    demo.avatar = images_.registerSeed(s("av2"), s("体验"), 200, {300, 300});
    demo.lat = kDefaultLat + 0.0015;
    demo.lng = kDefaultLng + 0.0012;
    demo.sheng = kSheng;
    demo.shi = kShi;
    const qint64 me = Accounts::create(db_, demo);
    // No words on the cover: the hub writes the nickname over it.
    db_.exec(s("UPDATE users SET bander = ?, zhiye = ?, about = ?, shengao = 178, tizhong = 68, "
               "look = 321, renqi = 88 WHERE uid = ?"),
             {images_.registerSeed(s("bd2"), QString(), 220, {640, 300}), s("产品经理"),
              s("第一次来Nuvora，多多关照！"), me});

    QList<qint64> people;
    for (int i = 0; i < 64; ++i) {
        NewUser user;
        user.email = s("user%1@nuvora.cn").arg(i + 1);
        user.password = s("password%1").arg(i + 1);
        user.nickname = QString::fromUtf8(pick(kNames, static_cast<size_t>(i)))
                        + (i >= 32 ? QString::fromUtf8(pick(kNameSuffixes, static_cast<size_t>(i)))
                                   : QString());
        user.gender = i % 3 == 0 ? 1 : 2 - (i % 2);
        const int age = dice.between(19, 38);
        user.birthday = QDate(today.year() - age, dice.between(1, 12), dice.between(1, 28))
                            .toString(s("yyyy-MM-dd"));
        // A few members never shared a position.
        if (i % 16 != 15) {
            const Position p = dice.around(kDefaultLat, kDefaultLng, 9000);
            user.lat = p.lat;
            user.lng = p.lng;
        }
        user.sheng = kSheng;
        user.shi = kShi;
        const int hue = dice.below(360);
        user.avatar =
            images_.registerSeed(s("av%1").arg(i + 3), user.nickname.left(2), hue, {300, 300});
        const qint64 uid = Accounts::create(db_, user);
        db_.exec(
            s("UPDATE users SET bander = ?, zhiye = ?, about = ?, shengao = ?, tizhong = ?, "
              "look = ?, renqi = ?, avatar_upload = ?, ischat = ? WHERE uid = ?"),
            {images_.registerSeed(s("bd%1").arg(uid), user.nickname, (hue + 90) % 360, {640, 300}),
             s(pick(kJobs, static_cast<size_t>(dice.below(100)))),
             s(pick(kAbout, static_cast<size_t>(i))),
             user.gender == 1 ? dice.between(168, 190) : dice.between(155, 175),
             user.gender == 1 ? dice.between(58, 85) : dice.between(42, 60), dice.between(10, 2000),
             dice.between(0, 500), i == 7 ? 3 : 1, i == 11 ? 1 : 0, uid});
        people << uid;
    }

    QList<TimedEvent> events;
    auto addEvent = [&events](FeedEvent event, qint64 touid = 0) {
        events.append(TimedEvent{std::move(event), touid});
    };

    // Clubs, their albums and boards.
    QList<qint64> clubs;
    for (int i = 0; i < 26; ++i) {
        const Position p = dice.around(kDefaultLat, kDefaultLng, 8000);
        QStringList tags;
        for (int t = 0; t < 2 + i % 2; ++t)
            tags << s(pick(kTags, static_cast<size_t>(i * 3 + t * 5)));
        QString tel = s("021-6%1").arg(dice.between(100000, 999999) * 10 + i % 10);
        if (i % 4 == 0)
            tel += s(" 138%1").arg(dice.between(10000000, 99999999));
        const QString name = s(pick(kClubNames, static_cast<size_t>(i)));
        const qint64 clid = db_.insert(
            s("INSERT INTO clubs (name, tel, addr, content, img, lat, lng, sheng, shi, hezuo, "
              "love, tags) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"),
            {name, tel,
             s("%1%2号").arg(s(pick(kStreets, static_cast<size_t>(i))),
                             QString::number(10 + i * 7)),
             i % 5 == 4 ? QString()
                        : s("%1是上海最受欢迎的夜店之一，每晚都有精彩的音乐和表演。").arg(name),
             images_.registerSeed(s("cl%1").arg(i + 1), name, dice.below(360), {480, 320}), p.lat,
             p.lng, kSheng, kShi, i % 3 == 0 ? 1 : 0, dice.between(0, 300),
             tags.join(QLatin1Char(','))});
        for (int k = 0; k < 3 + i % 3; ++k) {
            const QString key = s("cp%1_%2").arg(clid).arg(k);
            db_.exec(s("INSERT INTO club_photos (clid, img) VALUES (?, ?)"), {clid, key});
            images_.registerSeed(key, name, dice.below(360), {480, 480});
        }
        for (int k = 0; k < 3; ++k) {
            db_.exec(s("INSERT INTO remarks (kind, target, uid, content, time) VALUES "
                       "('club', ?, ?, ?, ?)"),
                     {clid, people.at(dice.below(64)),
                      s(pick(kComments, static_cast<size_t>(dice.below(100)))), ago(24 * 14)});
        }
        for (int k = 0; k < 1 + i % 4; ++k) {
            FeedEvent favor(s("clubfavor"), people.at(dice.below(64)));
            favor.clid = clid;
            favor.time = ago(24 * 10);
            db_.exec(s("INSERT OR IGNORE INTO club_favors (clid, uid, time) VALUES (?, ?, ?)"),
                     {clid, favor.uid, favor.time});
            addEvent(favor);
        }
        clubs << clid;
    }
    db_.exec(s("INSERT INTO club_favors (clid, uid, time) VALUES (?, ?, ?)"),
             {clubs.at(1), me, now - 7200});

    // Parties over the coming four weeks.
    QList<qint64> parties;
    for (int i = 0; i < 28; ++i) {
        const qint64 clid = clubs.at(i % clubs.size());
        const Row club = db_.row(s("SELECT * FROM clubs WHERE clid = ?"), {clid});
        const QDateTime start(today.addDays(i), QTime(21, 0));
        const QString title = s(pick(kPartyTitles, static_cast<size_t>(i)));
        const qint64 pid = db_.insert(
            s("INSERT INTO parties (clid, uid, title, content, price, img, ptimestart, ptimeend, "
              "addr, tel, joininfo) VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
            {clid, helper, title,
             i % 6 == 5 ? QString()
                        : s("%1，%2。欢迎报名，现场有惊喜！").arg(title, club.text(s("name"))),
             i % 3 == 0 ? s("免费") : s("%1元").arg(50 + i * 10),
             images_.registerSeed(s("pt%1").arg(i + 1), title, dice.below(360), {480, 320}),
             start.toSecsSinceEpoch(), start.addSecs(5 * 3600).toSecsSinceEpoch(),
             club.text(s("addr")), club.text(s("tel")), i % 2 == 0 ? 1 : 2});
        for (int k = 0; k < i % 3; ++k) {
            const QString key = s("pp%1_%2").arg(pid).arg(k);
            images_.registerSeed(key, title, dice.below(360), {480, 480});
            db_.exec(s("INSERT INTO party_photos (pid, img, text, time) VALUES (?, ?, ?, ?)"),
                     {pid, key, s("现场照片"), ago(24 * 7)});
        }
        for (int k = 0; k < 2 + i % 5; ++k) {
            FeedEvent join(s("partyjoin"), people.at(dice.below(64)));
            join.partyid = pid;
            join.time = ago(24 * 6);
            db_.exec(s("INSERT OR IGNORE INTO party_joins (pid, uid, name, tel, count, time) "
                       "VALUES (?, ?, '', '', ?, ?)"),
                     {pid, join.uid, dice.between(1, 3), join.time});
            addEvent(join);
        }
        for (int k = 0; k < 2; ++k) {
            db_.exec(s("INSERT INTO remarks (kind, target, uid, content, time) VALUES "
                       "('party', ?, ?, ?, ?)"),
                     {pid, people.at(dice.below(64)),
                      s(pick(kComments, static_cast<size_t>(dice.below(100)))), ago(24 * 5)});
            FeedEvent favor(s("partyfavor"), people.at(dice.below(64)));
            favor.partyid = pid;
            favor.time = ago(24 * 5);
            db_.exec(s("INSERT OR IGNORE INTO party_favors (pid, uid, time) VALUES (?, ?, ?)"),
                     {pid, favor.uid, favor.time});
            if (db_.changes())
                addEvent(favor);
        }
        parties << pid;
    }
    db_.exec(s("INSERT INTO party_joins (pid, uid, name, tel, count, time) VALUES "
               "(?, ?, '', '', 1, ?)"),
             {parties.at(2), me, now - 3600});

    // The edge cases, before anything else adds users, clubs, parties or messages.
    SeedCases::Base base;
    base.helper = helper;
    base.demo = me;
    base.people = people;
    base.clubs = clubs;
    base.parties = parties;
    base.now = now;
    base.today = today;
    SeedCases(db_, images_, base).seed();
    PhotoMoodCases(db_, images_, base, [&addEvent](const FeedEvent &event) {
        addEvent(event);
    }).seed();

    // Follows: the demo account follows a dozen people and has fans of its own.
    auto follow = [&](qint64 uid, qint64 fuid, bool remind) {
        if (uid == fuid)
            return;
        const qint64 time = ago(24 * 20);
        // A pair that already follows is no new event.
        if (!db_.exec(s("INSERT OR IGNORE INTO follows (uid, fuid, time) VALUES (?, ?, ?)"),
                      {uid, fuid, time})
            || !db_.changes())
            return;
        FeedEvent event(s("follow"), uid);
        event.followuid = fuid;
        event.time = time;
        addEvent(event);
        if (remind)
            addEvent(event, fuid);
    };
    for (int i = 0; i < 12; ++i)
        follow(me, people.at(i * 5), false);
    for (int i = 0; i < 9; ++i)
        follow(people.at(i * 7 + 1), me, true);
    for (int i = 0; i < 150; ++i)
        follow(people.at(dice.below(64)), people.at(dice.below(64)), false);

    // Photos and moods, with comments, likes and the reminders they cause.
    QList<qint64> photoOwners = people.mid(0, 30);
    photoOwners << me;
    for (qint64 owner : photoOwners) {
        const int count = owner == me ? 3 : dice.between(2, 4);
        for (int k = 0; k < count; ++k) {
            const qint64 time = ago(24 * 7);
            const qint64 pid = db_.insert(
                s("INSERT INTO photos (uid, img, text, isremark, time) VALUES (?, ?, ?, ?, ?)"),
                {owner, s("ph%1_%2").arg(owner).arg(k),
                 k == 1 ? QString() : s(pick(kMoods, static_cast<size_t>(dice.below(100)))),
                 owner % 9 == 0 && k == 0 ? 1 : 0, time});
            images_.registerSeed(s("ph%1_%2").arg(owner).arg(k), s("Nuvora"), dice.below(360),
                                 {480, 480});
            FeedEvent upload(s("photoupload"), owner);
            upload.photoid = pid;
            upload.time = time;
            addEvent(upload);
            for (int c = 0; c < dice.between(0, 3); ++c) {
                const qint64 author = people.at(dice.below(64));
                const qint64 at = std::min(now, time + dice.between(60, 36000));
                db_.exec(
                    s("INSERT INTO remarks (kind, target, uid, content, time) VALUES "
                      "('photo', ?, ?, ?, ?)"),
                    {pid, author, s(pick(kComments, static_cast<size_t>(dice.below(100)))), at});
                FeedEvent remark(s("photoremark"), author);
                remark.photoid = pid;
                remark.time = at;
                addEvent(remark, owner);
            }
            if (dice.below(2) == 0 || owner == me) {
                const qint64 fan = people.at(dice.below(64));
                const qint64 at = std::min(now, time + dice.between(60, 36000));
                if (db_.exec(s("INSERT OR IGNORE INTO photo_zans (pid, uid, time) VALUES (?,?,?)"),
                             {pid, fan, at})
                    && db_.changes()) {
                    FeedEvent zan(s("photozan"), fan);
                    zan.photoid = pid;
                    zan.time = at;
                    addEvent(zan);
                    addEvent(zan, owner);
                }
            }
        }
    }
    QList<qint64> moodAuthors = people;
    moodAuthors << me;
    for (qint64 author : moodAuthors) {
        const int count = author == me ? 2 : dice.between(1, 2);
        for (int k = 0; k < count; ++k) {
            const qint64 time = ago(24 * 6);
            const QString content = s(pick(kMoods, static_cast<size_t>(dice.below(100))));
            const qint64 moodid = db_.insert(
                s("INSERT INTO moods (uid, content, isremark, time) VALUES (?, ?, 0, ?)"),
                {author, content, time});
            db_.exec(s("UPDATE users SET mood = ? WHERE uid = ?"), {content, author});
            FeedEvent mood(s("mood"), author);
            mood.moodid = moodid;
            mood.time = time;
            addEvent(mood);
            if (author == me || dice.below(4) == 0) {
                const qint64 commenter = people.at(dice.below(64));
                const qint64 at = std::min(now, time + dice.between(60, 20000));
                db_.exec(s("INSERT INTO remarks (kind, target, uid, content, time) VALUES "
                           "('mood', ?, ?, ?, ?)"),
                         {moodid, commenter,
                          s(pick(kComments, static_cast<size_t>(dice.below(100)))), at});
                FeedEvent remark(s("moodremark"), commenter);
                remark.moodid = moodid;
                remark.time = at;
                addEvent(remark, author);
            }
        }
    }

    // Greetings from clubs and a notice for the demo account.
    for (int i = 0; i < 3; ++i) {
        FeedEvent hi(s("hi"), people.at(i * 11 + 3));
        hi.clid = clubs.at(i * 7);
        hi.time = ago(30);
        addEvent(hi, me);
    }
    FeedEvent notice(s("notify"), helper);
    notice.info = s("欢迎来到Nuvora！完善资料、上传照片，让附近的朋友更快认识你。");
    notice.time = now - 600;
    addEvent(notice, me);

    FeedCases(db_, images_, base, [&addEvent](const FeedEvent &event, qint64 touid) {
        addEvent(event, touid);
    }).seed();

    std::stable_sort(events.begin(), events.end(), [](const TimedEvent &a, const TimedEvent &b) {
        return a.event.time < b.event.time;
    });
    for (const TimedEvent &timed : events) {
        if (timed.touid)
            feeds_.remind(timed.touid, timed.event);
        else
            feeds_.publish(timed.event);
    }
    // Only the last day of the follow feed is new to the demo account.
    db_.exec(s("UPDATE users SET feed_follow_read = (SELECT COALESCE(MAX(feedid), 0) FROM feeds "
               "WHERE time < ?) WHERE uid = ?"),
             {now - 86400, me});

    // Unread chat messages waiting for the demo account.
    for (int i = 0; i < 3; ++i) {
        db_.exec(s("INSERT INTO chat_messages (fromuid, touid, message, time) VALUES (?,?,?,?)"),
                 {people.at(i < 2 ? 4 : 9), me, s(pick(kChats, static_cast<size_t>(i))),
                  now - 1800 + i * 60});
    }

    // Advertisements for the hub, the club list and the party list.
    db_.exec(s("INSERT INTO ads (place, img, target) VALUES ('index', ?, ?)"),
             {images_.registerSeed(s("adindex"), s("Nuvora 夜生活指南"), 300, {640, 100}),
              baseUrl_ + s("/m/about.php")});
    for (int i = 0; i < 3; ++i) {
        db_.exec(
            s("INSERT INTO ads (place, img, target) VALUES ('club', ?, ?)"),
            {images_.registerSeed(s("adclub%1").arg(i), s(pick(kClubNames, static_cast<size_t>(i))),
                                  40 * i, {640, 220}),
             QString::number(clubs.at(i))});
        db_.exec(s("INSERT INTO ads (place, img, target) VALUES ('party', ?, ?)"),
                 {images_.registerSeed(s("adparty%1").arg(i),
                                       s(pick(kPartyTitles, static_cast<size_t>(i))), 180 + 40 * i,
                                       {640, 220}),
                  QString::number(parties.at(i))});
    }
}

} // namespace nuvora::devserver
