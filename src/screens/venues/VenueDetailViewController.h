#pragma once
// What a club's and a party's page share: the load of the venue, liking and no longer
// liking it, the call sheet, the strips of its fans and photos, the page's layout, its
// board, fans and sharing. Until a load has brought the venue the page shows defaults,
// so its actions do nothing, and a failed load offers to load again.

#include "VenuePageLayout.h"
#include "VenueStrips.h"
#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

#include <vector>

class VenueDetailViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of the venue pages")
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(bool loaded READ isLoaded NOTIFY loadingChanged)
    Q_PROPERTY(bool reloadOffered READ isReloadOffered NOTIFY loadingChanged)
    // What the strips say until a load has filled them; empty once one has.
    Q_PROPERTY(QString stripNote READ stripNote NOTIFY loadingChanged)
    Q_PROPERTY(bool canCall READ canCall NOTIFY recordChanged)
    Q_PROPERTY(TileStrip *fansStrip READ fansStrip CONSTANT)
    Q_PROPERTY(TileStrip *photoStrip READ photoStrip CONSTANT)
    Q_PROPERTY(VenuePageLayout *layout READ layout CONSTANT)
public:
    // What tells one kind of venue from the other on the server.
    struct Kind {
        QString showScript;
        QString idParameter;
        QString favorScript;
        QString unfavorScript;
        QString favoredNotice;
        QString unfavoredNotice;
        QString loadingNotice; // an action tapped while the venue loads
        VenueStrips::ReplyKeys stripKeys;
        QString photoPlaceholder;
        double descriptionY = 0;
        double bottomBlockHeight = 0;
    };

    const std::vector<User> &favorUserList() const { return strips_->favorUserList(); }
    const std::vector<Picture> &photoList() const { return strips_->photoList(); }

    bool isLoading() const { return loadRequest_->busy(); }
    // A load has brought the venue: the page shows the user's own state.
    bool isLoaded() const { return loaded_; }
    bool isReloadOffered() const { return !loaded_ && !isLoading(); }
    QString stripNote() const;
    // An action (like, stop liking, and a party's sign-up or withdrawal) is under way.
    virtual bool isActing() const { return actionRequest_->busy(); }
    bool busy() const override { return isActing(); }
    // Whether the telephone text holds a number to dial.
    bool canCall() const;
    TileStrip *fansStrip() const { return strips_->fansStrip(); }
    TileStrip *photoStrip() const { return strips_->photoStrip(); }
    VenuePageLayout *layout() const { return layout_; }

    Q_INVOKABLE void reload();
    Q_INVOKABLE void favor();
    Q_INVOKABLE void cancelFavor();
    Q_INVOKABLE void makeACall();
    Q_INVOKABLE void gotoDiscuss();
    Q_INVOKABLE void gotoFavorUserList();
    Q_INVOKABLE void gotoAlbums();
    Q_INVOKABLE void weiboShare();

signals:
    void recordChanged();
    void loadingChanged();

protected:
    VenueDetailViewController(AppContext &context, Kind kind, QObject *parent = nullptr);

    // The page's actions run only on a venue a load has brought, and not while the next
    // load's reply could overwrite what they set.
    bool canAct() const { return loaded_ && !isLoading(); }
    // canAct(), telling the user why not while the venue loads.
    bool readyToAct();
    // A state the user toggles (liked, signed up) and the count of users in it, which
    // follows the toggle until the next load brings the server's.
    static void toggle(int &flag, int &count, bool on);
    RequestSlot *actionRequest() const { return actionRequest_; }
    // The view follows the record: the description's layout and every bound field.
    void displayRecord();

    virtual int venueId() const = 0;
    virtual QString tel() const = 0;
    virtual QString description() const = 0;
    // Sets the liked state and the fans count with it.
    virtual void setFavoredFlag(bool favored) = 0;
    // The user has changed the record; lists showing it may follow.
    virtual void announceChange() {}
    // Takes the venue of a load's reply; false when the reply holds none of its own.
    virtual bool takeRecord(const nuvora::json::Value &reply) = 0;
    virtual void openBoard() = 0;
    virtual void openFans() = 0;
    virtual void openAlbum() = 0;
    virtual void openShare(int service) = 0;

private:
    void receivedShowResponse(const JSONFetcher &reply);
    void setFavored(bool favored);

    Kind kind_;
    RequestSlot *loadRequest_;
    RequestSlot *actionRequest_;
    VenueStrips *strips_;
    VenuePageLayout *layout_;
    bool loaded_ = false;
};
