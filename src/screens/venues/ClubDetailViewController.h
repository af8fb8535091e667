#pragma once
// One club's page: its picture, name, tags, fans, address, telephone and description,
// the strips of its fans and its photos; from it the user likes or stops liking the
// club, calls it, sees it on the map, opens its album, board, fans and the sharing sheet.

#include "VenueDetailViewController.h"
#include "model/Club.h"

#include <QtQml/qqmlregistration.h>

class ClubDetailViewController : public VenueDetailViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(Club club READ club NOTIFY clubChanged)
    Q_PROPERTY(bool hasLocation READ hasLocation NOTIFY clubChanged)
public:
    static inline const QString kFavoredNotice = QStringLiteral("夜店已喜欢");
    static inline const QString kUnfavoredNotice = QStringLiteral("夜店已取消喜欢");
    // The description label's top; below the description come the photos and the board.
    static constexpr double kDescriptionY = 434;
    static constexpr double kBottomBlockHeight = 128;

    ClubDetailViewController(AppContext &context, Club club, QObject *parent = nullptr);

    const Club &club() const { return club_; }
    // Whether the club has a position to show on the map.
    bool hasLocation() const { return club_.hasPosition(); }

    Q_INVOKABLE void showLocation();

signals:
    void clubChanged();

protected:
    void viewDidLoad() override;
    int venueId() const override { return club_.clid; }
    QString tel() const override { return club_.tel; }
    QString description() const override { return club_.content; }
    void setFavoredFlag(bool favored) override { toggle(club_.isfavor, club_.favor, favored); }
    void announceChange() override;
    bool takeRecord(const nuvora::json::Value &reply) override;
    void openBoard() override;
    void openFans() override;
    void openAlbum() override;
    void openShare(int service) override;

private:
    Club club_;
};
