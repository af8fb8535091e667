#pragma once
// Publishing to the feed: a text of at most 260 units, posted as a mood, or with a photo
// attached, uploaded as a photo with the text as its caption. A success is confirmed
// once, and nothing more goes out until the composer closes.

#include "screens/photos/ComposerFormViewController.h"
#include "ui/PhotoAttachment.h"

#include <QtQml/qqmlregistration.h>

class ActivityPublicViewController : public ComposerFormViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(PhotoAttachment *photo READ photo CONSTANT)
public:
    static constexpr int kMaxText = 260;
    static inline const QString kEmptyTitle = QStringLiteral("至少说点什么吧~");
    static inline const QString kMoodScript = QStringLiteral("my_mood_post.php");
    static inline const QString kPhotoScript = QStringLiteral("my_photo_upload.php");

    explicit ActivityPublicViewController(AppContext &context, QObject *parent = nullptr);

    PhotoAttachment *photo() const { return photo_; }
    bool busy() const override;

    // The source sheet; cancelling it, or the picker, keeps the form as it was.
    Q_INVOKABLE void pickImage();

protected:
    void commit(const Composer::Draft &draft) override;

private:
    void published(const JSONFetcher &reply, const QString &notification);

    PhotoAttachment *photo_;
    bool published_ = false;
};
