#pragma once
// One party's page: its picture, title, time, fans and sign-ups, place, telephone and
// description, the strips of its fans and its photos. From it the user likes or stops
// liking the party, signs up (at once or through the form) or withdraws, calls the
// organiser, opens the album, the board, the fans and the sharing sheet. The party is
// loaded again each time the page comes into view.

#include "VenueDetailViewController.h"
#include "model/Party.h"

#include <QtQml/qqmlregistration.h>

class PartyDetailViewController : public VenueDetailViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(Party party READ party NOTIFY partyChanged)
    Q_PROPERTY(double favorLabelX READ favorLabelX CONSTANT)
    Q_PROPERTY(int countFontSize READ countFontSize CONSTANT)
    Q_PROPERTY(double floatLabelX READ floatLabelX NOTIFY partyChanged)
    // The party is over: it takes no sign-up and no withdrawal any more.
    Q_PROPERTY(bool ended READ hasEnded NOTIFY partyChanged)
public:
    static inline const QString kFavoredNotice = QStringLiteral("活动已喜欢");
    static inline const QString kUnfavoredNotice = QStringLiteral("活动已取消喜欢");
    static inline const QString kJoinedNotice = QStringLiteral("已报名活动");
    static inline const QString kWithdrawnNotice = QStringLiteral("活动已取消报名");
    static inline const QString kLoadingNotice = QStringLiteral("正在加载活动信息");
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
    double favorLabelX() const { return kFavorLabelX; }
    int countFontSize() const { return kCountFontSize; }
    double floatLabelX() const;
    bool isActing() const override;
    bool hasEnded() const;

    Q_INVOKABLE void join();
    Q_INVOKABLE void cancelJoin();

signals:
    void partyChanged();

protected:
    void viewWillAppear(bool animated) override;
    int venueId() const override { return party_.pid; }
    QString tel() const override { return party_.tel; }
    QString description() const override { return party_.content; }
    void setFavoredFlag(bool favored) override { toggle(party_.isfavor, party_.favor, favored); }
    void announceChange() override;
    bool takeRecord(const nuvora::json::Value &reply) override;
    void openBoard() override;
    void openFans() override;
    void openAlbum() override;
    void openShare(int service) override;

private:
    void withdraw();
    // A sign-up or withdrawal may go out: the party is loaded and not over.
    bool mayChangeSignUp();
    void setJoined(bool joined, const QString &notice);

    Party party_;
    RequestSlot *joinRequest_; // one-tap sign-up
};
