#pragma once
// One club's page: its picture, name, tags, fans, address, telephone and description,
// the strips of its fans and its photos; from it the user likes or stops liking the
// club, calls it, sees it on the map, opens its album, board, fans and the sharing sheet.

#include "model/Club.h"
#include "model/Picture.h"
#include "model/User.h"
#include "platform/ViewController.h"
#include "ui/RequestSlot.h"
#include "ui/TileStrip.h"

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
    Q_PROPERTY(double descriptionX READ descriptionX CONSTANT)
    Q_PROPERTY(double descriptionY READ descriptionY CONSTANT)
    Q_PROPERTY(double descriptionWidth READ descriptionWidth CONSTANT)
    Q_PROPERTY(int descriptionFontSize READ descriptionFontSize CONSTANT)
    Q_PROPERTY(double descriptionHeight READ descriptionHeight NOTIFY clubChanged)
    Q_PROPERTY(double descriptionPanelY READ descriptionPanelY CONSTANT)
    Q_PROPERTY(double descriptionPanelHeight READ descriptionPanelHeight NOTIFY clubChanged)
    Q_PROPERTY(double bottomBlockY READ bottomBlockY NOTIFY clubChanged)
    Q_PROPERTY(double bottomBlockHeight READ bottomBlockHeight CONSTANT)
    Q_PROPERTY(double contentWidth READ contentWidth CONSTANT)
    Q_PROPERTY(double contentHeight READ contentHeight NOTIFY clubChanged)
public:
    static inline const QString kFavoredNotice = QStringLiteral("夜店已喜欢");
    static inline const QString kUnfavoredNotice = QStringLiteral("夜店已取消喜欢");
    // The description sizes the page: its label's frame, the panel under it (the label's
    // height + 13), and the block below, 8 points under the panel.
    static constexpr double kDescriptionX = 18;
    static constexpr double kDescriptionY = 434;
    static constexpr double kDescriptionWidth = 285;
    static constexpr int kDescriptionFontSize = 14;
    static constexpr double kDescriptionPanelY = 428;
    static constexpr double kDescriptionPanelPadding = 13;
    static constexpr double kBottomBlockGap = 8;
    static constexpr double kBottomBlockHeight = 128;
    static constexpr double kContentBottomMargin = 20;
    static constexpr double kContentWidth = 320;

    ClubDetailViewController(AppContext &context, Club club, QObject *parent = nullptr);

    const Club &club() const { return club_; }
    const std::vector<User> &favorUserList() const { return favorUserList_; }
    const std::vector<Picture> &photoList() const { return photoList_; }

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
    TileStrip *fansStrip() const { return fansStrip_; }
    TileStrip *photoStrip() const { return photoStrip_; }

    double descriptionX() const { return kDescriptionX; }
    double descriptionY() const { return kDescriptionY; }
    double descriptionWidth() const { return kDescriptionWidth; }
    int descriptionFontSize() const { return kDescriptionFontSize; }
    double descriptionHeight() const { return descriptionHeight_; }
    double descriptionPanelY() const { return kDescriptionPanelY; }
    double descriptionPanelHeight() const { return descriptionHeight_ + kDescriptionPanelPadding; }
    double bottomBlockY() const
    {
        return kDescriptionPanelY + descriptionPanelHeight() + kBottomBlockGap;
    }
    double bottomBlockHeight() const { return kBottomBlockHeight; }
    double contentWidth() const { return kContentWidth; }
    double contentHeight() const
    {
        return bottomBlockY() + kBottomBlockHeight + kContentBottomMargin;
    }

    Q_INVOKABLE void favor();
    Q_INVOKABLE void cancelFavor();
    Q_INVOKABLE void makeACall();
    Q_INVOKABLE void showLocation();
    Q_INVOKABLE void gotoDiscuss();
    Q_INVOKABLE void gotoFavorUserList();
    Q_INVOKABLE void gotoClubAlbums();
    Q_INVOKABLE void weiboShare();
    void photoButtonTapped(int index);
    void userAvatarButtonTapped(int index);

    void receivedClubShowResponse(const JSONFetcher &reply);

signals:
    void clubChanged();
    void loadingChanged();
    void actingChanged();

protected:
    void viewDidLoad() override;

private:
    void displayClubInfo();
    void displayFavorUsers();
    void displayClubPhotos();
    void setFavored(bool favored);

    Club club_;
    std::vector<User> favorUserList_;
    std::vector<Picture> photoList_;
    double descriptionHeight_ = 0;
    RequestSlot *loadRequest_;
    RequestSlot *actionRequest_;
    TileStrip *fansStrip_;
    TileStrip *photoStrip_;
};
