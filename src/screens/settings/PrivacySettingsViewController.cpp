#include "PrivacySettingsViewController.h"

#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"

namespace {

// The server's value for a switch: 0 allows, 1 refuses.
int valueOf(bool on)
{
    return on ? 0 : 1;
}

} // namespace

PrivacySettingsViewController::PrivacySettingsViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), request_(new RequestSlot(context, this))
{
    connect(request_, &RequestSlot::busyChanged, this, &ViewController::busyChanged);
}

void PrivacySettingsViewController::viewDidLoad()
{
    if (const auto &user = context().session().defaultUser()) {
        strangerMessage_ = user->ischat == 0;
        moodComment_ = user->defaultmoodremark == 0;
        pictureComment_ = user->defaultphotoremark == 0;
        emit switchesChanged();
    }
}

void PrivacySettingsViewController::setSwitch(bool &member, bool on)
{
    if (member == on)
        return;
    member = on;
    emit switchesChanged();
}

void PrivacySettingsViewController::setStrangerMessage(bool on)
{
    setSwitch(strangerMessage_, on);
}

void PrivacySettingsViewController::setMoodComment(bool on)
{
    setSwitch(moodComment_, on);
}

void PrivacySettingsViewController::setPictureComment(bool on)
{
    setSwitch(pictureComment_, on);
}

void PrivacySettingsViewController::submitPrivacySettings()
{
    const int ischat = valueOf(strangerMessage_);
    const int photo = valueOf(pictureComment_);
    const int mood = valueOf(moodComment_);
    request_->post(kScript,
                   {{QStringLiteral("ischat"), QString::number(ischat)},
                    {QStringLiteral("defaultphotoremark"), QString::number(photo)},
                    {QStringLiteral("defaultmoodremark"), QString::number(mood)}},
                   [this, ischat, photo, mood](const JSONFetcher &reply) {
                       nuvora::json::Object changes;
                       changes.set("ischat", ischat);
                       changes.set("defaultmoodremark", mood);
                       changes.set("defaultphotoremark", photo);
                       context().session().updateDefaultUser(context().settings(), changes);
                       context().alerts().showAlert(reply.message(), QString(),
                                                    AlertPresenter::kOkButton, {}, 0, this,
                                                    [this](int) { back(); });
                   });
}
