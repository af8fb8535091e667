#include "PartyDetailViewController.h"

#include "PartyCountLabel.h"
#include "VenueShareSheet.h"
#include "model/JsonFields.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/Router.h"
#include "ui/TelephoneCall.h"

namespace {
const QString kPhotoPlaceholder = QStringLiteral("placeholder-65-45.png");
const QString kPid = QStringLiteral("pid");
} // namespace

PartyDetailViewController::PartyDetailViewController(AppContext &context, Party party,
                                                     QObject *parent)
    : ViewController(context, parent), party_(std::move(party)),
      loadRequest_(new RequestSlot(context, this)), actionRequest_(new RequestSlot(context, this)),
      joinRequest_(new RequestSlot(context, this)),
      strips_(new VenueStrips(context, {"partyphotos", "ppid", "partyfavors"}, kPhotoPlaceholder,
                              this)),
      layout_(new VenuePageLayout(kDescriptionY, kBottomBlockHeight, this))
{
    connect(loadRequest_, &RequestSlot::busyChanged, this,
            &PartyDetailViewController::loadingChanged);
    connect(actionRequest_, &RequestSlot::busyChanged, this,
            &PartyDetailViewController::actingChanged);
    connect(joinRequest_, &RequestSlot::busyChanged, this,
            &PartyDetailViewController::actingChanged);
    connect(strips_, &VenueStrips::fansRequested, this,
            &PartyDetailViewController::gotoFavorUserList);
    connect(strips_, &VenueStrips::albumRequested, this,
            &PartyDetailViewController::gotoPartyAlbums);
    displayPartyInfo();
}

void PartyDetailViewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    // Back from the form, the album or the board, the party may have changed.
    if (loadRequest_->busy())
        return;
    loadRequest_->post(QStringLiteral("party_show.php"), {{kPid, QString::number(party_.pid)}},
                       [this](const JSONFetcher &reply) { receivedPartyShowResponse(reply); });
}

void PartyDetailViewController::receivedPartyShowResponse(const JSONFetcher &reply)
{
    const nuvora::json::Value &result = reply.reply();
    const nuvora::json::Value &sent = result["party"];
    // A reply without a party of its own would blank the page the user is reading.
    if (sent.isObject() && JsonFields::integer(sent, "pid") != 0) {
        party_ = Party(sent);
        displayPartyInfo();
    }
    strips_->fill(result);
}

void PartyDetailViewController::displayPartyInfo()
{
    layout_->setDescription(party_.content);
    emit partyChanged();
}

double PartyDetailViewController::floatLabelX() const
{
    return PartyCountLabel::decorationX(party_.favor, kFavorLabelX, kCountFontSize);
}

bool PartyDetailViewController::canCall() const
{
    return TelephoneCall::dialableNumber(party_.tel).has_value();
}

void PartyDetailViewController::favor()
{
    setFavored(true);
}

void PartyDetailViewController::cancelFavor()
{
    setFavored(false);
}

void PartyDetailViewController::setFavored(bool favored)
{
    // Until the load answers, the page shows defaults, not the user's state.
    if (loadRequest_->busy())
        return;
    actionRequest_->post(
        favored ? QStringLiteral("party_favor_post.php") : QStringLiteral("party_favor_out.php"),
        {{kPid, QString::number(party_.pid)}}, [this, favored](const JSONFetcher &) {
            party_.isfavor = favored ? 1 : 0;
            displayPartyInfo();
            context().alerts().showAutoHiddenNotice(favored ? kFavoredNotice : kUnfavoredNotice);
        });
}

void PartyDetailViewController::join()
{
    // Until the load answers, the sign-up mode and state are defaults.
    if (loadRequest_->busy())
        return;
    if (!party_.joinsWithOneTap()) {
        context().router().openPartyJoin(party_.pid);
        return;
    }
    // The server's count comes with the next load.
    joinRequest_->post(QStringLiteral("party_join_post.php"), {{kPid, QString::number(party_.pid)}},
                       [this](const JSONFetcher &) {
                           party_.isjoin = 1;
                           displayPartyInfo();
                           context().alerts().showAutoHiddenNotice(kJoinedNotice);
                       });
}

void PartyDetailViewController::cancelJoin()
{
    if (loadRequest_->busy())
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
    if (loadRequest_->busy())
        return;
    actionRequest_->post(QStringLiteral("party_join_out.php"),
                         {{kPid, QString::number(party_.pid)}}, [this](const JSONFetcher &) {
                             party_.isjoin = 0;
                             displayPartyInfo();
                             context().alerts().showAutoHiddenNotice(kWithdrawnNotice);
                         });
}

void PartyDetailViewController::makeACall()
{
    TelephoneCall::offer(context(), this, party_.tel);
}

void PartyDetailViewController::gotoDiscuss()
{
    context().router().openPartyBoard(party_);
}

void PartyDetailViewController::gotoFavorUserList()
{
    context().router().openPartyFans(party_);
}

void PartyDetailViewController::gotoPartyAlbums()
{
    context().router().openPartyAlbum(party_);
}

void PartyDetailViewController::weiboShare()
{
    VenueShareSheet::offer(context(), this, [this](int service) {
        context().router().openPartyShare(party_, service);
    });
}
