#include "PartyJoinViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"

#include <algorithm>

namespace {

// Digits, blanks and the signs of telephone numbers and extensions.
const QString kTelCharacters = QStringLiteral("[0-9 +()#*-]*");
const QString kCountCharacters = QStringLiteral("[0-9]*");

// `text` without the characters `rejected` matches.
QString without(const QString &text, const QRegularExpression &rejected)
{
    QString kept = text;
    kept.remove(rejected);
    return kept;
}

} // namespace

PartyJoinViewController::PartyJoinViewController(AppContext &context, int pid, QObject *parent)
    : ViewController(context, parent), pid_(pid), request_(new RequestSlot(context, this))
{
    connect(request_, &RequestSlot::busyChanged, this, &PartyJoinViewController::busyChanged);
}

QString PartyJoinViewController::telCharacters() const
{
    return kTelCharacters;
}

QString PartyJoinViewController::countCharacters() const
{
    return kCountCharacters;
}

void PartyJoinViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    focusedField_ = QStringLiteral("name");
    emit focusedFieldChanged();
}

void PartyJoinViewController::setName(const QString &name)
{
    if (name == name_)
        return;
    name_ = name;
    emit nameChanged();
}

void PartyJoinViewController::setTel(const QString &tel)
{
    static const QRegularExpression notTel(QStringLiteral("[^0-9 +()#*-]"));
    const QString kept = without(tel, notTel);
    if (kept == tel_ && kept == tel)
        return;
    tel_ = kept;
    emit telChanged();
}

void PartyJoinViewController::setCount(const QString &count)
{
    static const QRegularExpression notDigit(QStringLiteral("[^0-9]"));
    const QString kept = without(count, notDigit);
    if (kept == count_ && kept == count)
        return;
    count_ = kept;
    emit countChanged();
}

QString PartyJoinViewController::firstFailure(const QString &name, const QString &tel,
                                              const QString &count) const
{
    if (name.isEmpty())
        return kNoName;
    if (tel.isEmpty())
        return kNoTel;
    if (std::count_if(tel.begin(), tel.end(), [](QChar c) { return c.isDigit(); }) < kMinTelDigits)
        return kShortTel;
    if (count.isEmpty()
        || std::all_of(count.begin(), count.end(), [](QChar c) { return c == u'0'; }))
        return kNoCount;
    bool whole = false;
    const int people = count.toInt(&whole);
    if (!whole || people > kMaxCount)
        return kCountRange;
    return {};
}

void PartyJoinViewController::commit()
{
    // Blanks around a field are no answer; the number must count somebody.
    const QString name = name_.trimmed();
    const QString tel = tel_.trimmed();
    const QString count = count_.trimmed();
    const QString failure = firstFailure(name, tel, count);
    if (!failure.isEmpty()) {
        context().alerts().showCommonAlert(failure, QString());
        return;
    }
    request_->post(QStringLiteral("party_join_post.php"),
                   {{QStringLiteral("name"), name},
                    {QStringLiteral("tel"), tel},
                    {QStringLiteral("pid"), QString::number(pid_)},
                    {QStringLiteral("count"), QString::number(count.toInt())}},
                   [this](const JSONFetcher &) {
                       context().alerts().showAlert(kJoined, QString(), QStringLiteral("确定"), {},
                                                    0, this, [this](int) { back(); });
                   });
}
