#pragma once
// The page of one photo: the owner's header, the full-size photo with its caption and
// the like button, and the comments below (the comment page's share). Liking and no
// longer liking it reach the albums and lists that show the photo.

#include "CommentPageViewController.h"
#include "model/Picture.h"

class PictureCommentViewController : public CommentPageViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(Picture picture READ picture NOTIFY pictureChanged)
    // The photo's height at the page's width; 0 until the photo has arrived.
    Q_PROPERTY(double imageHeight READ imageHeight NOTIFY imageHeightChanged)
public:
    static constexpr double kImageWidth = 294;
    static inline const QString kShowScript = QStringLiteral("photo_show.php");
    static inline const QString kHomeScript = QStringLiteral("home.php");
    static inline const QString kZanScript = QStringLiteral("photo_zan_post.php");
    static inline const QString kCancelZanScript = QStringLiteral("photo_zan_out.php");
    static inline const QString kImageFailed = QStringLiteral("图片加载失败");

    PictureCommentViewController(AppContext &context, const User &owner, const Picture &picture,
                                 QObject *parent = nullptr);
    ~PictureCommentViewController() override;

    const Picture &picture() const { return picture_; }
    double imageHeight() const { return imageHeight_; }

    Q_INVOKABLE void zan();
    Q_INVOKABLE void cancelZan();
    // The photo full screen, in the viewer.
    Q_INVOKABLE void showPhoto();

signals:
    void pictureChanged();
    void imageHeightChanged();

protected:
    void viewDidLoad() override;
    QString itemTime() const override { return picture_.time; }
    bool isClosedToComments() const override { return picture_.isRemark == 1; }
    void pushCommentForm() override;

private:
    void fetchOwner();
    void fetchLikeState();
    void downloadImage();
    void like(const QString &script, bool liked);

    Picture picture_;
    double imageHeight_ = 0;
    RequestSlot *ownerRequest_;
    RequestSlot *showRequest_;
};
