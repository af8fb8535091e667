#pragma once
// The privacy switches: messages from strangers, comments on moods and on photos. Each
// switch is on when the signed-in user allows it ("0"); a saved change is kept in the
// stored user as well, so that it holds after a restart.

#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class PrivacySettingsViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(
        bool strangerMessage READ strangerMessage WRITE setStrangerMessage NOTIFY switchesChanged)
    Q_PROPERTY(bool moodComment READ moodComment WRITE setMoodComment NOTIFY switchesChanged)
    Q_PROPERTY(
        bool pictureComment READ pictureComment WRITE setPictureComment NOTIFY switchesChanged)
public:
    static inline const QString kScript = QStringLiteral("my_info_privacy.php");

    explicit PrivacySettingsViewController(AppContext &context, QObject *parent = nullptr);

    bool strangerMessage() const { return strangerMessage_; }
    void setStrangerMessage(bool on);
    bool moodComment() const { return moodComment_; }
    void setMoodComment(bool on);
    bool pictureComment() const { return pictureComment_; }
    void setPictureComment(bool on);
    bool busy() const override { return request_->busy(); }

    Q_INVOKABLE void submitPrivacySettings();

signals:
    void switchesChanged();

protected:
    void viewDidLoad() override;

private:
    void setSwitch(bool &member, bool on);

    RequestSlot *request_;
    bool strangerMessage_ = true;
    bool moodComment_ = true;
    bool pictureComment_ = true;
};
