#include "SeedThreads.h"

#include "Database.h"

#include <iterator>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

const char *const kThreadTexts[] = {"好漂亮！",
                                    "这是在哪里拍的？",
                                    "Gin & Tonic + 可乐，我也要",
                                    "优惠码是 A%2B1 吗？",
                                    "干杯🍺😀",
                                    "第一行\n第二行\n第三行",
                                    "<img src=\"http://127.0.0.1/none.jpg\">",
                                    "下次叫上我",
                                    "氛围真好",
                                    "周末见"};

} // namespace

void SeedThreads::add(const QString &kind, qint64 target, int count, qint64 start)
{
    const qsizetype people = base_.people.size();
    QList<std::pair<qint64, qint64>> posted; // comment id, author
    for (int c = 0; c < count; ++c) {
        // Now and then the owner's own voice.
        const qint64 author =
            c % 5 == 4 ? base_.demo : base_.people.at((target * 7 + c * 3) % people);
        QString content = s(kThreadTexts[c % std::size(kThreadTexts)]);
        qint64 reply = 0;
        if (c % 4 == 3) {
            const auto &[answered, answeredAuthor] = posted.at(c - 2);
            reply = answered;
            content = s("回复") + nickname(answeredAuthor) + s(": ") + content;
        }
        posted.append({db_.insert(s("INSERT INTO remarks (kind, target, uid, reply, content, "
                                    "time) VALUES (?, ?, ?, ?, ?, ?)"),
                                  {kind, target, author, reply, content, start + (c + 1) * 420}),
                       author});
    }
}

QString SeedThreads::nickname(qint64 uid)
{
    return db_.row(s("SELECT nickname FROM users WHERE uid = ?"), {uid}).text(s("nickname"));
}

} // namespace nuvora::devserver
