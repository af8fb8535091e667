#include "PartyDetailViewController.h"

#include "PartyCountLabel.h"
#include "model/JsonFields.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/Router.h"

namespace {
const QString kPid = QStringLiteral("pid");
} // namespace

PartyDetailViewController::PartyDetailViewController(AppContext &context, Party party,
                                                     QObject *parent)
    : VenueDetailViewController(context,
                                {QStringLiteral("party_show.php"),
                                 kPid,
                                 QStringLiteral("party_favor_post.php"),
                                 QStringLiteral("party_favor_out.php"),
                                 kFavoredNotice,
                                 kUnfavoredNotice,
                                 kLoadingNotice,
                                 {"partyphotos", "ppid", "partyfavors"},
                                 QStringLiteral("placeholder-65-45.png"),
                                 kDescriptionY,
                                 kBottomBlockHeight},
                                parent),
      party_(std::move(party)), joinRequest_(new RequestSlot(context, this))
{
    connect(this, &VenueDetailViewController::recordChanged, this,
            &PartyDetailViewController::partyChanged);
    connect(joinRequest_, &RequestSlot::busyChanged, this, &PartyDetailViewController::busyChanged);
    displayRecord();
}

void PartyDetailViewController::viewWillAppear(bool animated)
{
    VenueDetailViewController::viewWillAppear(animated);
    // Back from the form, the album or the board, the party may have changed; a load
    // still out is not sent twice.
    reload();
}

bool PartyDetailViewController::takeRecord(const nuvora::json::Value &reply)
{
    const nuvora::json::Value &sent = reply["party"];
    if (!sent.isObject() || JsonFields::integer(sent, "pid") == 0)
        return false;
    party_ = Party(sent);
    return true;
}

double PartyDetailViewController::floatLabelX() const
{
    return PartyCountLabel::decorationX(party_.favor, kFavorLabelX, kCountFontSize);
}

bool PartyDetailViewController::isActing() const
{
    return VenueDetailViewController::isActing() || joinRequest_->busy();
}

bool PartyDetailViewController::hasEnded() const
{
    return party_.hasEnded(context().clock().now());
}

bool PartyDetailViewController::mayChangeSignUp()
{
    // The sign-up mode and state are the user's own only once a load has brought them.
    return readyToAct() && !hasEnded();
}

void PartyDetailViewController::setJoined(bool joined, const QString &notice)
{
    toggle(party_.isjoin, party_.count, joined);
    displayRecord();
    announceChange();
    context().alerts().showAutoHiddenNotice(notice);
}

void PartyDetailViewController::announceChange()
{
    context().notifications().post(NotificationNames::partyChanged, QVariant::fromValue(party_));
}

void PartyDetailViewController::join()
{
    if (!mayChangeSignUp())
        return;
    if (!party_.joinsWithOneTap()) {
        context().router().openPartyJoin(party_.pid);
        return;
    }
    joinRequest_->post(QStringLiteral("party_join_post.php"), {{kPid, QString::number(party_.pid)}},
                       [this](const JSONFetcher &) { setJoined(true, kJoinedNotice); });
}

void PartyDetailViewController::cancelJoin()
{
    if (!mayChangeSignUp())
        return;
    context().alerts().showAlert(kWithdrawQuestion, QString(), QStringLiteral("否"),
                                 {QStringLiteral("是")}, 0, this, [this](int index) {
                                     if (index == 1)
                                         withdraw();
                                 });
}

void PartyDetailViewController::withdraw()
{
    // A load may have started while the question was up.
    if (!mayChangeSignUp())
        return;
    actionRequest()->post(QStringLiteral("party_join_out.php"),
                          {{kPid, QString::number(party_.pid)}},
                          [this](const JSONFetcher &) { setJoined(false, kWithdrawnNotice); });
}

void PartyDetailViewController::openBoard()
{
    context().router().openPartyBoard(party_);
}

void PartyDetailViewController::openFans()
{
    context().router().openPartyFans(party_);
}

void PartyDetailViewController::openAlbum()
{
    context().router().openPartyAlbum(party_);
}

void PartyDetailViewController::openShare(int service)
{
    context().router().openPartyShare(party_, service);
}
