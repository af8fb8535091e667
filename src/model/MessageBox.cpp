#include "MessageBox.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
// Far enough back to reach a leap year for "02/29".
constexpr int kYearsBack = 8;
} // namespace

std::optional<QDateTime> MessageBox::inferredTime(const QDateTime &now) const
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d\\d)/(\\d\\d) (\\d\\d):(\\d\\d)$"));
    const QRegularExpressionMatch match = pattern.match(time);
    if (!match.hasMatch())
        return std::nullopt;
    const QTime clock(match.captured(3).toInt(), match.captured(4).toInt());
    if (!clock.isValid())
        return std::nullopt;
    const QDateTime latest = now.addDays(1);
    for (int year = now.date().year(); year > now.date().year() - kYearsBack; --year) {
        const QDate day(year, match.captured(1).toInt(), match.captured(2).toInt());
        if (!day.isValid())
            continue;
        const QDateTime moment(day, clock);
        if (moment <= latest)
            return moment;
    }
    return std::nullopt;
}

QList<MessageBox> MessageBox::sortedNewestFirst(QList<MessageBox> boxes, const QDateTime &now)
{
    struct Keyed {
        std::optional<QDateTime> moment;
        MessageBox box;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(boxes.size()));
    for (MessageBox &box : boxes) {
        std::optional<QDateTime> moment = box.inferredTime(now);
        keyed.push_back({std::move(moment), std::move(box)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (!a.moment || !b.moment)
            return a.moment.has_value() && !b.moment.has_value();
        return *a.moment > *b.moment;
    });
    QList<MessageBox> sorted;
    sorted.reserve(boxes.size());
    for (Keyed &entry : keyed)
        sorted.append(std::move(entry.box));
    return sorted;
}
