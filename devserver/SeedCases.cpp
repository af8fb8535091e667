#include "SeedCases.h"

#include "Accounts.h"
#include "Database.h"
#include "ImageStore.h"
#include "SeedIds.h"
#include "SeedThreads.h"
#include "Seeder.h"

#include <QDateTime>
#include <QSize>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

constexpr QSize kSquare(480, 480);
constexpr QSize kTall(900, 1600);
constexpr QSize kWide(1600, 900);
// A phone camera's full resolution.
constexpr QSize kHuge(3024, 4032);

struct CaseUser {
    qint64 uid;
    const char *nickname;
    int gender;
    const char *birthday;
    double lat;
    double lng;
    int sheng;
    int shi;
    int homeSheng;
    int homeShi;
    const char *job;
    const char *about;
    const char *mood;
};

const CaseUser kUsers[] = {
    {SeedCases::kManyPhotosUser, "相册达人Ava", 2, "1994-05-12", Seeder::kDefaultLat + 0.0030,
     Seeder::kDefaultLng - 0.0020, Seeder::kSheng, Seeder::kShi, Seeder::kSheng, Seeder::kShi,
     "摄影师", "喜欢用镜头记录夜晚的城市。", "新拍的一组外滩夜景，欢迎来相册看看"},
    {SeedCases::kSixPhotosUser, "小六", 1, "1992-11-03", Seeder::kDefaultLat + 0.0045,
     Seeder::kDefaultLng + 0.0031, Seeder::kSheng, Seeder::kShi, Seeder::kSheng, Seeder::kShi,
     "调酒师", "周末在永康路的小酒馆调酒。", "今晚店里有新酒单"},
    {SeedCases::kLongTextsUser, "凌晨三点还在外滩吹江风的那个不想回家的人", 1, "1989-07-07",
     Seeder::kDefaultLat - 0.0025, Seeder::kDefaultLng + 0.0040, Seeder::kSheng, Seeder::kShi,
     Seeder::kSheng, Seeder::kShi, "自由职业", "白天写代码，晚上写诗。",
     "今天终于把拖了三个月的项目交付了，从早上九点一直忙到凌晨两点，中间只吃了一碗泡面。"
     "走出公司的时候外滩的灯已经全灭了，只剩下江风和几个夜跑的人。突然很想找个地方坐下来"
     "喝一杯，听一首老歌，什么都不想。有没有住在附近还没睡的朋友？我请客，就当是庆祝自己"
     "又熬过了一个漫长的季度。一起干杯！"},
    {SeedCases::kBlankProfileUser, "阿明", 1, "1991-03-15", Seeder::kDefaultLat - 0.0050,
     Seeder::kDefaultLng - 0.0035, Seeder::kSheng, Seeder::kShi, Seeder::kSheng, Seeder::kShi,
     "程序员", "", ""},
    {SeedCases::kGuangzhouUser, "广州小蛮腰", 2, "1996-09-09", 23.1190, 113.3210,
     SeedCases::kGuangdong, SeedCases::kGuangzhou, SeedCases::kGuangdong, SeedCases::kGuangzhou,
     "市场经理", "土生土长的广州人，带你吃遍夜宵。", "珠江边的夜风真舒服"},
    {SeedCases::kMovedUser, "北漂转南漂", 1, "1990-12-24", 23.1330, 113.3300, SeedCases::kGuangdong,
     SeedCases::kGuangzhou, 26, 3, "程序员", "成都人，在广州工作三年了。", "想念成都的火锅"},
    {SeedCases::kShenzhenUser, "深圳湾夜跑", 2, "1993-06-18", 22.5200, 113.9430,
     SeedCases::kGuangdong, SeedCases::kShenzhen, SeedCases::kGuangdong, SeedCases::kShenzhen,
     "设计师", "深圳湾公园夜跑常客。", "今晚配速5分半"},
};

struct CaseClub {
    qint64 clid;
    const char *name;
    const char *tel;
    const char *addr;
    double lat; // 0 with 0: no position
    double lng;
    int sheng;
    int shi;
    const char *tags;
    int photos;
    int fans;
};

const CaseClub kClubs[] = {
    {SeedCases::kClubWithoutPosition, "云端秘境 Cloud Nine", "", "地址待定", 0, 0, Seeder::kSheng,
     Seeder::kShi, "电音,露台", 4, 3},
    {SeedCases::kClubWithoutTags, "老码头 Old Pier", " 021-63210000", "中山南路505号",
     Seeder::kDefaultLat - 0.0180, Seeder::kDefaultLng + 0.0260, Seeder::kSheng, Seeder::kShi, "",
     3, 2},
    {SeedCases::kClubWithoutPhotos, "地下室 Basement", "021-62881234转808", "巨鹿路758号",
     Seeder::kDefaultLat - 0.0060, Seeder::kDefaultLng - 0.0310, Seeder::kSheng, Seeder::kShi,
     "Techno", 0, 2},
    {SeedCases::kClubWithoutFans, "新开张 Brand New", "*#06#", "复兴中路1331号",
     Seeder::kDefaultLat - 0.0150, Seeder::kDefaultLng - 0.0240, Seeder::kSheng, Seeder::kShi,
     "鸡尾酒,卡座", 2, 0},
    {SeedCases::kClubManyPhotos, "千图馆 Gallery Lounge", "021-64155555 13816668888", "衡山路8号",
     Seeder::kDefaultLat - 0.0280, Seeder::kDefaultLng - 0.0330, Seeder::kSheng, Seeder::kShi,
     "爵士,精酿", 23, 3},
    {SeedCases::kClubManyFans, "人气王 Crowd Pleaser", "021-63331111 分机2046", "南京西路1266号",
     Seeder::kDefaultLat + 0.0040, Seeder::kDefaultLng - 0.0200, Seeder::kSheng, Seeder::kShi,
     "House,女士之夜", 3, 26},
    {SeedCases::kGuangzhouClub, "珠江夜色 Pearl River", "020-38881234", "珠江新城华夏路10号",
     23.1200, 113.3230, SeedCases::kGuangdong, SeedCases::kGuangzhou, "江景,现场乐队", 3, 2},
    {SeedCases::kGuangzhouClub + 1, "天河 Loft", "020-83339999 13922223333", "天河路208号", 23.1350,
     113.3270, SeedCases::kGuangdong, SeedCases::kGuangzhou, "嘻哈", 2, 1},
    {SeedCases::kShenzhenClub, "南山 Bay Club", "0755-26668888", "南山区海德三道126号", 22.5180,
     113.9300, SeedCases::kGuangdong, SeedCases::kShenzhen, "电音,江景", 3, 2},
};

struct CaseParty {
    qint64 pid;
    qint64 clid; // 0: the first generated club
    const char *title;
    int startDay; // from today
    QTime start;
    int joininfo;
    int photos;
    int fans;
    int joins; // besides the demo account
    bool demoJoins;
};

const CaseParty kParties[] = {
    {SeedCases::kPastParty, 0, "上周六复古迪斯科之夜", -6, QTime(21, 0), 1, 4, 3, 4, true},
    {SeedCases::kPartyWithoutFans, SeedCases::kClubWithoutTags, "周三小型品鉴会", 2, QTime(20, 0),
     0, 0, 0, 1, false},
    {SeedCases::kPartyManyPhotos, SeedCases::kClubManyPhotos, "年度摄影派对", 3, QTime(21, 0), 1,
     24, 4, 3, false},
    {SeedCases::kGuangzhouParty, SeedCases::kGuangzhouClub, "广州站：珠江游船派对", 5,
     QTime(20, 30), 2, 2, 2, 2, false},
};

// From the partner to the demo account, oldest first. The emoji are the
// client's keyboard characters (private use area).
const char *const kConversation[] = {
    "嗨，好久不见！最近怎么样？",
    "上次在M2 Club碰到你，后来你们去哪儿了？",
    "\uE415 我这周末终于有空了",
    "你周六晚上有安排吗？",
    "我朋友在新天地开了一家小酒馆，周六试营业",
    "It's a soft opening, 人不会太多",
    "可以带朋友一起来",
    "地址我待会儿发你",
    "周六的安排大概是这样：\n"
    "1. 八点半在新天地太仓路口集合，别迟到\n"
    "2. 九点到酒馆，老板说前二十位客人每人送一杯特调\n"
    "3. 十一点左右转场去外滩那边的Bar Rouge，露台位置我已经订好了\n"
    "4. 结束以后去永康路吃夜宵，那家生煎开到凌晨三点\n"
    "\n"
    "如果下雨就直接在酒馆待着，不转场了。有什么问题随时找我，我整晚都在线。",
    "对了，记得带身份证，门口会查",
    "\uE056\uE056",
    "Don't forget — dress code是黑色",
    "你会跳舞吗？",
    "那家的DJ超级棒，放的都是老歌",
    "我把你加进群了",
    "群里还有小鹿和阿杰，你应该认识",
    "\uE022",
    "他们说会早点到",
    "你吃过晚饭再来吧，酒馆只有小吃",
    "哈哈哈我上次就是饿着肚子去的",
    "结果喝了两杯就晕了 \uE40D",
    "I'm serious, 吃饱再来！",
    "周六见~",
    "对了，你那天穿什么颜色？我好在人群里找你",
    "我大概穿白衬衫",
    "晚安 \uE13C",
};

} // namespace

void SeedCases::seed()
{
    seedPeople();
    seedClubs();
    seedParties();
    seedBoards();
    seedConversation();
    seedDemoRelations();
}

void SeedCases::addPhotos(qint64 uid, const QList<QSize> &sizes)
{
    static const char *const captions[] = {"", "夜色正好", "和朋友们的周末", "随手一拍"};
    for (int k = 0; k < sizes.size(); ++k) {
        const QString key = images_.registerSeed(s("ph%1_%2").arg(uid).arg(k), s("Nuvora"),
                                                 (k * 47) % 360, sizes.at(k));
        db_.exec(s("INSERT INTO photos (uid, img, text, isremark, time) VALUES (?, ?, ?, 0, ?)"),
                 {uid, key, s(captions[k % 4]), base_.now - (sizes.size() - k) * 5 * 3600});
    }
}

void SeedCases::seedPeople()
{
    int n = int(base_.people.size());
    for (const CaseUser &c : kUsers) {
        ++n;
        NewUser user;
        user.email = s("user%1@nuvora.cn").arg(n);
        user.password = s("password%1").arg(n);
        user.nickname = s(c.nickname);
        user.gender = c.gender;
        user.birthday = s(c.birthday);
        user.lat = c.lat;
        user.lng = c.lng;
        user.sheng = c.sheng;
        user.shi = c.shi;
        const int hue = int(c.uid * 37 % 360);
        user.avatar =
            images_.registerSeed(s("av%1").arg(c.uid), user.nickname.left(2), hue, {300, 300});
        const qint64 uid = Accounts::create(db_, user);
        expectSeedId(uid, c.uid, c.nickname);
        db_.exec(
            s("UPDATE users SET bander = ?, zhiye = ?, about = ?, mood = ?, addr_sheng_c = ?, "
              "addr_shi_c = ?, shengao = ?, tizhong = ?, look = ?, renqi = ? WHERE uid = ?"),
            {images_.registerSeed(s("bd%1").arg(uid), user.nickname, (hue + 90) % 360, {640, 300}),
             s(c.job), s(c.about), s(c.mood), c.homeSheng, c.homeShi, c.gender == 1 ? 176 : 163,
             c.gender == 1 ? 70 : 48, 40 + uid, 10 + uid, uid});
        if (*c.mood)
            db_.exec(s("INSERT INTO moods (uid, content, isremark, time) VALUES (?, ?, 0, ?)"),
                     {uid, s(c.mood), base_.now - 3 * 3600});
    }

    QList<QSize> many(21, kSquare);
    many[18] = kWide;
    many[19] = kTall;
    many[20] = kHuge;
    addPhotos(kManyPhotosUser, many);
    QList<QSize> six(6, kSquare);
    six[2] = kTall;
    six[4] = kWide;
    addPhotos(kSixPhotosUser, six);
}

void SeedCases::seedClubs()
{
    for (const CaseClub &c : kClubs) {
        const QString name = s(c.name);
        const qint64 clid = db_.insert(
            s("INSERT INTO clubs (name, tel, addr, content, img, lat, lng, sheng, shi, hezuo, "
              "love, tags) VALUES (?,?,?,?,?,?,?,?,?,0,0,?)"),
            {name, s(c.tel), s(c.addr), s("%1，欢迎来玩。").arg(name),
             images_.registerSeed(s("cl%1").arg(c.clid), name, int(c.clid * 53 % 360), {480, 320}),
             c.lat, c.lng, c.sheng, c.shi, s(c.tags)});
        expectSeedId(clid, c.clid, c.name);
        for (int k = 0; k < c.photos; ++k) {
            db_.exec(s("INSERT INTO club_photos (clid, img) VALUES (?, ?)"),
                     {clid, images_.registerSeed(s("cp%1_%2").arg(clid).arg(k), name,
                                                 (k * 29) % 360, kSquare)});
        }
        for (int k = 0; k < c.fans; ++k) {
            db_.exec(s("INSERT INTO club_favors (clid, uid, time) VALUES (?, ?, ?)"),
                     {clid, base_.people.at(k), base_.now - (k + 1) * 3600});
        }
    }
}

void SeedCases::seedParties()
{
    const qint64 demo = base_.demo;
    auto join = [this](qint64 pid, qint64 uid, bool withForm, qint64 time) {
        db_.exec(s("INSERT OR IGNORE INTO party_joins (pid, uid, name, tel, count, time) "
                   "VALUES (?, ?, ?, ?, ?, ?)"),
                 {pid, uid, withForm ? s("夜色体验官") : QString(),
                  withForm ? s("13800138000") : QString(), withForm ? 2 : 1, time});
    };

    for (const CaseParty &c : kParties) {
        const qint64 clid = c.clid ? c.clid : base_.clubs.first();
        const Row club = db_.row(s("SELECT * FROM clubs WHERE clid = ?"), {clid});
        const QDateTime start(base_.today.addDays(c.startDay), c.start);
        const QString title = s(c.title);
        const qint64 pid = db_.insert(
            s("INSERT INTO parties (clid, uid, title, content, price, img, ptimestart, ptimeend, "
              "addr, tel, joininfo) VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
            {clid, base_.helper, title, s("%1，地点：%2。").arg(title, club.text(s("name"))),
             s("免费"),
             images_.registerSeed(s("pt%1").arg(c.pid), title, int(c.pid * 41 % 360), {480, 320}),
             start.toSecsSinceEpoch(), start.addSecs(5 * 3600).toSecsSinceEpoch(),
             club.text(s("addr")), club.text(s("tel")), c.joininfo});
        expectSeedId(pid, c.pid, c.title);
        for (int k = 0; k < c.photos; ++k) {
            db_.exec(
                s("INSERT INTO party_photos (pid, img, text, time) VALUES (?, ?, ?, ?)"),
                {pid,
                 images_.registerSeed(s("pp%1_%2").arg(pid).arg(k), title, (k * 31) % 360, kSquare),
                 s("现场照片"), base_.now - (k + 1) * 600});
        }
        for (int k = 0; k < c.fans; ++k) {
            db_.exec(s("INSERT INTO party_favors (pid, uid, time) VALUES (?, ?, ?)"),
                     {pid, base_.people.at(10 + k), base_.now - (k + 1) * 3600});
        }
        for (int k = 0; k < c.joins; ++k)
            join(pid, base_.people.at(20 + k), c.joininfo != 1, base_.now - (k + 1) * 1800);
        if (c.demoJoins)
            join(pid, demo, c.joininfo != 1, start.addDays(-1).toSecsSinceEpoch());
    }

    // More than a page of the demo account's own parties.
    for (qint64 pid : base_.parties.mid(3, 10)) {
        const bool withForm =
            db_.integer(s("SELECT joininfo FROM parties WHERE pid = ?"), {pid}) != 1;
        join(pid, demo, withForm, base_.now - pid * 600);
    }
}

void SeedCases::seedBoards()
{
    SeedThreads threads(db_, base_);
    threads.add(s("club"), kBusyBoardClub, kBusyBoardComments, base_.now - 3 * 24 * 3600);
    threads.add(s("party"), kBusyBoardParty, kBusyBoardComments, base_.now - 2 * 24 * 3600);
}

void SeedCases::seedConversation()
{
    const qint64 count = qint64(std::size(kConversation));
    for (qint64 k = 0; k < count; ++k) {
        db_.exec(s("INSERT INTO chat_messages (fromuid, touid, message, time) VALUES (?,?,?,?)"),
                 {kChatPartner, base_.demo, s(kConversation[k]), base_.now - 2 * 86400 + k * 6000});
    }
}

void SeedCases::seedDemoRelations()
{
    // A month old, so that the generated relations stay the newest of their lists.
    const qint64 time = base_.now - 30 * 86400;
    const qint64 demo = base_.demo;
    for (qint64 uid : kDemoExtraFollows)
        db_.exec(s("INSERT INTO follows (uid, fuid, time) VALUES (?, ?, ?)"), {demo, uid, time});
    for (qint64 clid : kDemoLikedClubs)
        db_.exec(s("INSERT INTO club_favors (clid, uid, time) VALUES (?, ?, ?)"),
                 {clid, demo, time});
    for (qint64 pid : kDemoLikedParties)
        db_.exec(s("INSERT INTO party_favors (pid, uid, time) VALUES (?, ?, ?)"),
                 {pid, demo, time});
    for (qint64 uid : kDemoBlockedUsers)
        db_.exec(s("INSERT INTO blacklist (uid, buid, time) VALUES (?, ?, ?)"), {demo, uid, time});
}

} // namespace nuvora::devserver
