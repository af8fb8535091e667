#include "SettingsViewController.h"

#include "SignOutRequest.h"
#include "VersionNumber.h"
#include "model/CityList.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/DeviceInfo.h"
#include "platform/JsonVariant.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "ui/Router.h"
#include "ui/SDImageCache.h"

SettingsViewController::SettingsViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), updateRequest_(new RequestSlot(context, this))
{
    connect(updateRequest_, &RequestSlot::busyChanged, this, [this] {
        emit checkingUpdateChanged();
        emit busyChanged();
    });
}

void SettingsViewController::viewDidLoad()
{
    const SettingsStore &settings = context().settings();
    const auto name = CityList::shiWithShiIndexShengIndex(
        int(settings.integer(SettingsKeys::shi)), int(settings.integer(SettingsKeys::sheng)));
    setCityName(name.value_or(QString()));
}

void SettingsViewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    emit microblogChanged();
}

QString SettingsViewController::sinaLabel() const
{
    return sinaSignedIn() ? QStringLiteral("注销新浪微博") : QStringLiteral("登录新浪微博");
}

QString SettingsViewController::qqLabel() const
{
    return qqSignedIn() ? QStringLiteral("注销腾讯微博") : QStringLiteral("登录腾讯微博");
}

bool SettingsViewController::busy() const
{
    return updateRequest_->busy() || SignOutRequest::running(context());
}

void SettingsViewController::setCityName(const QString &name)
{
    locationText_ = QStringLiteral("当前：%1").arg(name);
    emit locationTextChanged();
}

void SettingsViewController::editInfo()
{
    context().router().openUserInfoEdit();
}

void SettingsViewController::privacySetting()
{
    context().router().openPrivacySettings();
}

void SettingsViewController::manageBlackList()
{
    context().router().openBlackList();
}

void SettingsViewController::switchCity()
{
    context().router().openRegionChoice(
        this, [this](const std::optional<QString> &cityName) { locateDidFinished(cityName); });
}

void SettingsViewController::locateDidFinished(const std::optional<QString> &cityName)
{
    if (cityName)
        setCityName(*cityName);
    context().router().closeRegionChoice();
}

void SettingsViewController::changePassword()
{
    context().router().openChangePassword();
}

void SettingsViewController::logoff()
{
    context().alerts().showActionSheet(kSignOutTitle, kCancelButton, AlertPresenter::kOkButton, {},
                                       this, [this](int button) {
                                           if (button == 0)
                                               signOut();
                                       });
}

void SettingsViewController::signOut()
{
    SignOutRequest *request = SignOutRequest::start(context());
    if (!request)
        return;
    // The screen may go before the answer; the request does not go with it.
    connect(request, &QObject::destroyed, this, &ViewController::busyChanged);
    emit busyChanged();
}

void SettingsViewController::bugReport()
{
    context().router().openBugReport();
}

void SettingsViewController::customReview()
{
    context().urlOpener().openReviewPage();
}

void SettingsViewController::clearCache()
{
    SDImageCache &cache = context().imageCache();
    cache.clearMemory();
    cache.clearDisk();
    cache.cleanDisk();
    cache.afterDiskWork(this, [this] { context().alerts().showAutoHiddenNotice(kCacheCleared); });
}

void SettingsViewController::checkUpdate()
{
    updateRequest_->post(kVersionScript, {},
                         [this](const JSONFetcher &reply) { versionArrived(reply); });
}

void SettingsViewController::versionArrived(const JSONFetcher &reply)
{
    const QString offered = JsonVariant::toQString(reply.reply()["version"].toText());
    if (!VersionNumber::isNewer(offered, DeviceInfo::shortVersion())) {
        context().alerts().showCommonAlert(kLatestTitle, QString());
        return;
    }
    context().alerts().showAlert(kNewVersionTitle.arg(offered), kNewVersionMessage, kCancelButton,
                                 {kUpdateButton}, 0, this, [this](int button) {
                                     if (button == 1)
                                         context().urlOpener().openStorePage();
                                 });
}

void SettingsViewController::aboutUs()
{
    context().router().openAboutUs();
}
