#pragma once
// One party's page: its picture, title, time, fans and sign-ups, place, telephone and
// description, the strips of its fans and its photos. From it the user likes or stops
// liking the party, signs up (at once or through the form) or withdraws, calls the
// organiser, opens the album, the board, the fans and the sharing sheet. The party is
// loaded again each time the page comes into view.

#include "VenuePageLayout.h"
#include "VenueStrips.h"
#include "model/Party.h"
#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class PartyDetailViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString partyTitle READ partyTitle NOTIFY partyChanged)
    Q_PROPERTY(QString picture READ picture NOTIFY partyChanged)
    Q_PROPERTY(QString displayTime READ displayTime NOTIFY partyChanged)
    Q_PROPERTY(QString favorCount READ favorCount NOTIFY partyChanged)
    Q_PROPERTY(double favorLabelX READ favorLabelX CONSTANT)
    Q_PROPERTY(int countFontSize READ countFontSize CONSTANT)
    Q_PROPERTY(double floatLabelX READ floatLabelX NOTIFY partyChanged)
    Q_PROPERTY(QString joinCount READ joinCount NOTIFY partyChanged)
    Q_PROPERTY(QString addr READ addr NOTIFY partyChanged)
    Q_PROPERTY(QString tel READ tel NOTIFY partyChanged)
    Q_PROPERTY(QString content READ content NOTIFY partyChanged)
    Q_PROPERTY(bool favored READ isFavored NOTIFY partyChanged)
    Q_PROPERTY(bool joined READ isJoined NOTIFY partyChanged)
    Q_PROPERTY(bool canCall READ canCall NOTIFY partyChanged)
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(bool acting READ isActing NOTIFY actingChanged)
    Q_PROPERTY(TileStrip *fansStrip READ fansStrip CONSTANT)
    Q_PROPERTY(TileStrip *photoStrip READ photoStrip CONSTANT)
    Q_PROPERTY(VenuePageLayout *layout READ layout CONSTANT)
public:
    static inline const QString kFavoredNotice = QStringLiteral("活动已喜欢");
    static inline const QString kUnfavoredNotice = QStringLiteral("活动已取消喜欢");
    static inline const QString kJoinedNotice = QStringLiteral("已报名活动");
    static inline const QString kWithdrawnNotice = QStringLiteral("活动已取消报名");
    static inline const QString kWithdrawQuestion = QStringLiteral("将为您取消报名，是否继续？");
    // The description label's top; below the description come the photos and the board.
    static constexpr double kDescriptionY = 451;
    static constexpr double kBottomBlockHeight = 128;
    // Where the title strip draws the fans count (from the strip's left edge), and at
    // which size.
    static constexpr double kFavorLabelX = 28;
    static constexpr int kCountFontSize = 12;

    PartyDetailViewController(AppContext &context, Party party, QObject *parent = nullptr);

    const Party &party() const { return party_; }
    const std::vector<User> &favorUserList() const { return strips_->favorUserList(); }
    const std::vector<Picture> &photoList() const { return strips_->photoList(); }

    QString partyTitle() const { return party_.title; }
    QString picture() const { return party_.img_big; }
    QString displayTime() const { return party_.displayTime; }
    QString favorCount() const { return QString::number(party_.favor); }
    double favorLabelX() const { return kFavorLabelX; }
    int countFontSize() const { return kCountFontSize; }
    double floatLabelX() const;
    QString joinCount() const { return QString::number(party_.count); }
    QString addr() const { return party_.addr; }
    QString tel() const { return party_.tel; }
    QString content() const { return party_.content; }
    bool isFavored() const { return party_.isfavor != 0; }
    bool isJoined() const { return party_.isjoin != 0; }
    // Whether the telephone text holds a number to dial.
    bool canCall() const;
    bool isLoading() const { return loadRequest_->busy(); }
    // An action (like, stop liking, withdraw, sign-up) is under way.
    bool isActing() const { return actionRequest_->busy() || joinRequest_->busy(); }
    TileStrip *fansStrip() const { return strips_->fansStrip(); }
    TileStrip *photoStrip() const { return strips_->photoStrip(); }
    VenuePageLayout *layout() const { return layout_; }

    Q_INVOKABLE void favor();
    Q_INVOKABLE void cancelFavor();
    Q_INVOKABLE void join();
    Q_INVOKABLE void cancelJoin();
    Q_INVOKABLE void makeACall();
    Q_INVOKABLE void gotoDiscuss();
    Q_INVOKABLE void gotoFavorUserList();
    Q_INVOKABLE void gotoPartyAlbums();
    Q_INVOKABLE void weiboShare();

    void receivedPartyShowResponse(const JSONFetcher &reply);

signals:
    void partyChanged();
    void loadingChanged();
    void actingChanged();

protected:
    void viewWillAppear(bool animated) override;

private:
    void displayPartyInfo();
    void setFavored(bool favored);
    void withdraw();

    Party party_;
    RequestSlot *loadRequest_;
    RequestSlot *actionRequest_; // like, stop liking, withdraw
    RequestSlot *joinRequest_;   // one-tap sign-up
    VenueStrips *strips_;
    VenuePageLayout *layout_;
};
