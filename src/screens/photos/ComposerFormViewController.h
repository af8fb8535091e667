#pragma once
// The base of the screens that post one text from a multi-line form with the emoji
// keyboard: the composer, the request the text goes out with, and the avatar beside it.
// A failure keeps the text; a confirmed success closes the form.

#include "platform/ViewController.h"
#include "ui/Composer.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class ComposerFormViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("the base of the form screens")
    Q_PROPERTY(Composer *composer READ composer CONSTANT)
    Q_PROPERTY(RequestSlot *request READ request CONSTANT)
    Q_PROPERTY(QString avatar READ avatar CONSTANT)
public:
    static inline const QString kTooLongTitle = QStringLiteral("无法发表");

    Composer *composer() const { return composer_; }
    RequestSlot *request() const { return request_; }
    // The address of the avatar shown beside the text.
    QString avatar() const { return avatar_; }
    bool busy() const override { return request_->busy(); }

    // The back button.
    Q_INVOKABLE virtual void goBack() { back(); }

protected:
    ComposerFormViewController(AppContext &context, const QString &avatar, QObject *parent);
    // The signed-in user's avatar, beside the user's own posts.
    static QString ownAvatar(AppContext &context);

    // A text longer than `maxUnits` UTF-16 units is refused, naming the excess.
    void limitLength(qsizetype maxUnits);

    // The composer's draft, to be sent; the screen answers the composer when it is done.
    virtual void commit(const Composer::Draft &draft) = 0;
    // Whether the text takes the focus once the form has appeared.
    virtual bool focusesTextOnAppear() const { return true; }

    void viewDidAppear(bool animated) override;

    // The composer is free again and the reply's message shows; the text stays.
    void commitFailed(const JSONFetcher &reply);
    // The reply's message confirms it; its one button "确定" closes the form.
    void confirmAndClose(const JSONFetcher &reply);

private:
    Composer *composer_;
    RequestSlot *request_;
    QString avatar_;
};
