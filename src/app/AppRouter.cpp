#include "AppRouter.h"

#include "LaunchingViewController.h"
#include "LoginViewController.h"
#include "MainViewController.h"
#include "RegisterStepOneViewController.h"
#include "RegisterStepThreeViewController.h"
#include "RegisterStepTwoViewController.h"
#include "model/Session.h"
#include "model/User.h"
#include "platform/AppContext.h"
#include "platform/NavigationController.h"
#include "screens/messaging/ChatLogViewController.h"
#include "screens/messaging/ChatViewController.h"
#include "screens/messaging/MessageBoxViewController.h"
#include "screens/people/LocationViewController.h"

AppRouter::AppRouter(AppContext &context) : context_(context)
{
}

AppRouter &AppRouter::install(AppContext &context)
{
    AppRouter &router = context.own(std::make_unique<AppRouter>(context));
    context.setRouter(&router);
    return router;
}

void AppRouter::push(ViewController *screen)
{
    context_.navigation().pushViewController(screen, true);
}

void AppRouter::replaceStack(ViewController *screen)
{
    context_.navigation().setViewControllers({screen}, true);
}

void AppRouter::openLaunchScreen()
{
    context_.navigation().setViewControllers({new LaunchingViewController(context_)}, false);
}

void AppRouter::openSignIn()
{
    replaceStack(new LoginViewController(context_));
}

void AppRouter::openHub()
{
    replaceStack(new MainViewController(context_));
}

void AppRouter::openRegistration()
{
    push(new RegisterStepOneViewController(context_));
}

void AppRouter::openRegistrationAvatarStep()
{
    push(new RegisterStepTwoViewController(context_));
}

void AppRouter::openRegistrationProfileStep(const QByteArray &avatarJpeg)
{
    push(new RegisterStepThreeViewController(context_, avatarJpeg));
}

void AppRouter::openRegionChoice(QObject *owner, RegionChosen chosen)
{
    auto *screen = new LocationViewController(context_);
    screen->setDelegate(owner, std::move(chosen));
    context_.navigation().presentViewController(screen, true);
}

void AppRouter::closeRegionChoice()
{
    if (qobject_cast<LocationViewController *>(context_.navigation().modalViewController()))
        context_.navigation().dismissViewController(true);
}

ViewController *AppRouter::makeHubSectionScreen(HubSection section)
{
    switch (section) {
    case HubSection::Conversations:
        return new MessageBoxViewController(context_);
    default:
        return nullptr;
    }
}

void AppRouter::openReminderList()
{
}

void AppRouter::openUserHome(const User &user)
{
    Q_UNUSED(user)
}

void AppRouter::openChat(const User &user)
{
    // Nobody chats with themselves.
    if (user.userId == context_.session().userId())
        return;
    push(new ChatViewController(context_, user));
}

void AppRouter::openPhotoViewer(const QStringList &addresses, int index)
{
    Q_UNUSED(addresses)
    Q_UNUSED(index)
}

void AppRouter::openPartyWithId(int partyId)
{
    Q_UNUSED(partyId)
}

void AppRouter::openChatLog(const User &user, QObject *owner, std::function<void()> dismiss)
{
    auto *screen = new ChatLogViewController(context_, user);
    screen->setDelegate(owner, std::move(dismiss));
    context_.navigation().presentViewController(screen, true);
}

void AppRouter::closeChatLog()
{
    if (qobject_cast<ChatLogViewController *>(context_.navigation().modalViewController()))
        context_.navigation().dismissViewController(true);
}

void AppRouter::openFollowListForChat()
{
}
