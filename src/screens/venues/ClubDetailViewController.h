#pragma once
// One club's page: its picture, name, tags, fans, address, telephone and description,
// the strips of its fans and its photos; from it the user likes or stops liking the
// club, calls it, sees it on the map, opens its album, board, fans and the sharing sheet.

#include "VenuePageLayout.h"
#include "VenueStrips.h"
#include "model/Club.h"
#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

#include <vector>

class ClubDetailViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString name READ name NOTIFY clubChanged)
    Q_PROPERTY(QString picture READ picture NOTIFY clubChanged)
    Q_PROPERTY(QString tags READ tags NOTIFY clubChanged)
    Q_PROPERTY(QString favorCount READ favorCount NOTIFY clubChanged)
    Q_PROPERTY(QString address READ address NOTIFY clubChanged)
    Q_PROPERTY(QString tel READ tel NOTIFY clubChanged)
    Q_PROPERTY(QString content READ content NOTIFY clubChanged)
    Q_PROPERTY(bool favored READ isFavored NOTIFY clubChanged)
    Q_PROPERTY(bool canCall READ canCall NOTIFY clubChanged)
    Q_PROPERTY(bool hasLocation READ hasLocation NOTIFY clubChanged)
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(bool acting READ isActing NOTIFY actingChanged)
    Q_PROPERTY(TileStrip *fansStrip READ fansStrip CONSTANT)
    Q_PROPERTY(TileStrip *photoStrip READ photoStrip CONSTANT)
    Q_PROPERTY(VenuePageLayout *layout READ layout CONSTANT)
public:
    static inline const QString kFavoredNotice = QStringLiteral("夜店已喜欢");
    static inline const QString kUnfavoredNotice = QStringLiteral("夜店已取消喜欢");
    // The description label's top; below the description come the photos and the board.
    static constexpr double kDescriptionY = 434;
    static constexpr double kBottomBlockHeight = 128;

    ClubDetailViewController(AppContext &context, Club club, QObject *parent = nullptr);

    const Club &club() const { return club_; }
    const std::vector<User> &favorUserList() const { return strips_->favorUserList(); }
    const std::vector<Picture> &photoList() const { return strips_->photoList(); }

    QString name() const { return club_.name; }
    QString picture() const { return club_.img_big; }
    QString tags() const { return club_.tags; }
    QString favorCount() const { return QString::number(club_.favor); }
    QString address() const { return club_.address; }
    QString tel() const { return club_.tel; }
    QString content() const { return club_.content; }
    bool isFavored() const { return club_.isfavor != 0; }
    // Whether the telephone text holds a number to dial.
    bool canCall() const;
    // Whether the club has a position to show on the map.
    bool hasLocation() const { return club_.hasPosition(); }
    bool isLoading() const { return loadRequest_->busy(); }
    bool isActing() const { return actionRequest_->busy(); }
    TileStrip *fansStrip() const { return strips_->fansStrip(); }
    TileStrip *photoStrip() const { return strips_->photoStrip(); }
    VenuePageLayout *layout() const { return layout_; }

    Q_INVOKABLE void favor();
    Q_INVOKABLE void cancelFavor();
    Q_INVOKABLE void makeACall();
    Q_INVOKABLE void showLocation();
    Q_INVOKABLE void gotoDiscuss();
    Q_INVOKABLE void gotoFavorUserList();
    Q_INVOKABLE void gotoClubAlbums();
    Q_INVOKABLE void weiboShare();

    void receivedClubShowResponse(const JSONFetcher &reply);

signals:
    void clubChanged();
    void loadingChanged();
    void actingChanged();

protected:
    void viewDidLoad() override;

private:
    void displayClubInfo();
    void setFavored(bool favored);

    Club club_;
    RequestSlot *loadRequest_;
    RequestSlot *actionRequest_;
    VenueStrips *strips_;
    VenuePageLayout *layout_;
};
