#pragma once
// Another user's home page: cover, avatar, counters, signature and newest photos, laid
// out first from the user handed over and again from the server's "home.php" reply;
// follow, unfollow and greeting (one request at a time, each answered by an alert with
// the server's text), chat, the detailed profile, and the ways on to the user's
// timeline, friends, favourites, albums and single photos.

#include "UserHomeLayout.h"
#include "model/Picture.h"
#include "model/User.h"
#include "platform/ViewController.h"
#include "ui/RecordListModel.h"

#include <QtQml/qqmlregistration.h>

class JSONFetcher;
class RequestSlot;

class UserHomeViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title NOTIFY userChanged)
    Q_PROPERTY(QString cover READ cover NOTIFY userChanged)
    Q_PROPERTY(QString avatar READ avatar NOTIFY userChanged)
    Q_PROPERTY(bool avatarRejected READ avatarRejected NOTIFY userChanged)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY userChanged)
    Q_PROPERTY(QString fansText READ fansText NOTIFY userChanged)
    Q_PROPERTY(QString signature READ signature NOTIFY userChanged)
    Q_PROPERTY(bool leerShown READ leerShown NOTIFY userChanged)
    Q_PROPERTY(bool followed READ followed NOTIFY followedChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(double signatureX READ signatureX CONSTANT)
    Q_PROPERTY(double signatureY READ signatureY CONSTANT)
    Q_PROPERTY(double signatureWidth READ signatureWidth NOTIFY layoutChanged)
    Q_PROPERTY(double signatureHeight READ signatureHeight NOTIFY layoutChanged)
    Q_PROPERTY(int signatureFontSize READ signatureFontSize CONSTANT)
    Q_PROPERTY(double signatureButtonY READ signatureButtonY CONSTANT)
    Q_PROPERTY(double signatureButtonHeight READ signatureButtonHeight NOTIFY layoutChanged)
    Q_PROPERTY(double photoBlockX READ photoBlockX CONSTANT)
    Q_PROPERTY(double photoBlockY READ photoBlockY NOTIFY layoutChanged)
    Q_PROPERTY(double photoBlockWidth READ photoBlockWidth CONSTANT)
    Q_PROPERTY(double photoBlockHeight READ photoBlockHeight NOTIFY layoutChanged)
    Q_PROPERTY(double photoBackgroundY READ photoBackgroundY CONSTANT)
    Q_PROPERTY(double photoBackgroundHeight READ photoBackgroundHeight NOTIFY layoutChanged)
    Q_PROPERTY(RecordListModel *photoTiles READ photoTiles CONSTANT)
    Q_PROPERTY(double linksY READ linksY NOTIFY layoutChanged)
    Q_PROPERTY(double contentHeight READ contentHeight NOTIFY layoutChanged)
public:
    static inline const QString kHomeScript = QStringLiteral("home.php");
    static inline const QString kFollowScript = QStringLiteral("home_follow_post.php");
    static inline const QString kUnfollowScript = QStringLiteral("my_follow_del.php");
    static inline const QString kHiScript = QStringLiteral("home_hi.php");
    static inline const QString kEmptySignature = QStringLiteral("ta什么都没有说");
    // Three rows of three tiles hold eight photos and the albums tile.
    static constexpr int kMaxPhotos = 8;

    UserHomeViewController(AppContext &context, User user, QObject *parent = nullptr);
    ~UserHomeViewController() override;

    const User &user() const { return user_; }
    const QList<Picture> &photos() const { return photos_; }
    const UserHomeLayout &layout() const { return layout_; }

    QString title() const { return user_.nickname; }
    QString cover() const { return user_.bander; }
    QString avatar() const { return user_.avatar; }
    bool avatarRejected() const { return user_.avatarRejected(); }
    QString subtitle() const;
    QString fansText() const;
    QString signature() const;
    // A man's page offers the leer, anybody else's the whistle.
    bool leerShown() const { return user_.gender == 1; }
    bool followed() const { return followed_; }
    bool loading() const;
    bool actionBusy() const;
    bool busy() const override { return actionBusy(); }

    double signatureX() const { return UserHomeLayout::kSignatureX; }
    double signatureY() const { return UserHomeLayout::kSignatureY; }
    double signatureWidth() const { return layout_.signatureSize.width(); }
    double signatureHeight() const { return layout_.signatureSize.height(); }
    int signatureFontSize() const { return UserHomeLayout::kSignatureFontSize; }
    double signatureButtonY() const { return UserHomeLayout::kSignatureButtonY; }
    double signatureButtonHeight() const { return layout_.signatureButtonHeight(); }
    double photoBlockX() const { return UserHomeLayout::kPhotoBlockX; }
    double photoBlockY() const { return layout_.photoBlockY(); }
    double photoBlockWidth() const { return UserHomeLayout::kPhotoBlockWidth; }
    double photoBlockHeight() const { return layout_.photoBlockHeight(); }
    double photoBackgroundY() const { return UserHomeLayout::kPhotoBackgroundY; }
    double photoBackgroundHeight() const { return layout_.photoBackgroundHeight(); }
    RecordListModel *photoTiles() const { return photoTiles_; }
    double linksY() const { return layout_.linksY(); }
    double contentHeight() const { return layout_.contentHeight(); }

    Q_INVOKABLE void follow();
    Q_INVOKABLE void unfollow();
    Q_INVOKABLE void hi();
    Q_INVOKABLE void chat();
    Q_INVOKABLE void avatarButtonTapped();
    Q_INVOKABLE void gotoUserTimeLine();
    Q_INVOKABLE void gotoUserFriendList();
    Q_INVOKABLE void gotoFavorList();
    Q_INVOKABLE void gotoAlbums();
    // A tile of the photo block: a photo's comments, or the albums after the last photo.
    Q_INVOKABLE void photoTileTapped(int tile);

    void receivedHomeResponse(const JSONFetcher &reply);

signals:
    void userChanged();
    void followedChanged();
    void loadingChanged();
    void layoutChanged();

protected:
    void viewDidLoad() override;

private:
    void fetchHome();
    void followOwnPosts();
    void refreshUserInfo();
    void setFollowed(bool followed);
    // A follow or unfollow of the user's own succeeded.
    void followingChanged(bool followed);
    // Follow, unfollow and greeting: the server's text either way; `succeeded` on success.
    void postAction(const QString &script, std::function<void()> succeeded);

    User user_;
    QList<Picture> photos_;
    UserHomeLayout layout_;
    bool followed_ = false;
    RecordListModel *photoTiles_;
    RequestSlot *fetcher_;
    RequestSlot *actionFetcher_;
};
