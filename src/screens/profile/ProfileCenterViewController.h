#pragma once
// The signed-in user's own page, the hub's last section: cover, avatar and counters, the
// menu of the user's own functions, and the user's own feed entries below, page by page.
// A tap on the cover uploads a new one at once.

#include "model/User.h"
#include "screens/feed/FeedListViewController.h"
#include "ui/ButtonRotation.h"
#include "ui/PhotoAttachment.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class ProfileCenterViewController : public FeedListViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(User user READ user NOTIFY userChanged)
    Q_PROPERTY(QString counters READ counters NOTIFY userChanged)
    // The cover shown: a photo just picked while it goes up, else the user's own.
    Q_PROPERTY(QString cover READ cover NOTIFY coverChanged)
    Q_PROPERTY(RequestSlot *coverUpload READ coverUpload CONSTANT)
    Q_PROPERTY(PhotoAttachment *coverPhoto READ coverPhoto CONSTANT)
    Q_PROPERTY(bool popViewShowed READ popViewShowed NOTIFY popViewShowedChanged)
    Q_PROPERTY(ButtonRotation *moreTurn READ moreTurn CONSTANT)
public:
    static inline const QString kCoverSheetTitle = QStringLiteral("设置你的专属封面");
    static constexpr double kMoreButtonTurnRadians = 3.14159265358979323846 / 4;

    explicit ProfileCenterViewController(AppContext &context, QObject *parent = nullptr);

    User user() const;
    QString counters() const;
    QString cover() const;
    RequestSlot *coverUpload() const { return coverUpload_; }
    PhotoAttachment *coverPhoto() const { return coverPhoto_; }
    bool popViewShowed() const { return popViewShowed_; }
    ButtonRotation *moreTurn() const { return moreTurn_; }

    // No pull-down header: pulling stretches the cover instead.
    EGORefreshTableHeaderView *pullRefreshHeader() const override { return nullptr; }

    Q_INVOKABLE void more();
    Q_INVOKABLE void changeCover();
    Q_INVOKABLE void settings();
    Q_INVOKABLE void editInfo();
    Q_INVOKABLE void gotoFriendList();
    Q_INVOKABLE void gotoFavorList();
    Q_INVOKABLE void gotoJoinedPartyList();
    Q_INVOKABLE void gotoNotifyCenter();
    Q_INVOKABLE void postMood();
    Q_INVOKABLE void uploadPicture();
    Q_INVOKABLE void photoAlbum();

signals:
    void userChanged();
    void coverChanged();
    void popViewShowedChanged();

protected:
    void viewWillAppear(bool animated) override;
    FeedEntry::Listing listingShown() const override { return FeedEntry::Listing::OwnProfile; }

private:
    void setPopViewShowed(bool showed);
    void uploadCover();
    void receivedCover(const JSONFetcher &reply);

    RequestSlot *coverUpload_;
    PhotoAttachment *coverPhoto_;
    ButtonRotation *moreTurn_;
    bool popViewShowed_ = false;
};
