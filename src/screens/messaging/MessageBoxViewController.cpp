#include "MessageBoxViewController.h"

#include "MessageBoxRow.h"
#include "chat/ChatMessenger.h"
#include "chat/Database.h"
#include "model/User.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/ButtonRotation.h"
#include "ui/RecordListModel.h"
#include "ui/Router.h"

#include <QtMath>

MessageBoxViewController::MessageBoxViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), dataSource_(RecordListModel::of<MessageBoxRow>(this)),
      editButton_(new ButtonRotation(this))
{
}

void MessageBoxViewController::viewDidLoad()
{
    context().notifications().addObserver(this, NotificationNames::message,
                                          [this](const QVariant &) { reload(); });
    // The store opens after the chat login; until then it lists nothing.
    connect(&context().messenger(), &ChatMessenger::storeOpened, this,
            &MessageBoxViewController::reload);
}

void MessageBoxViewController::viewWillAppear(bool animated)
{
    Q_UNUSED(animated)
    reload();
}

void MessageBoxViewController::reload()
{
    // The stored times carry no year; the store's order puts December below January.
    const QList<MessageBox> boxes = MessageBox::sortedNewestFirst(
        context().messageStore().messageBoxesByDate(), context().clock().now());
    QVariantList rows;
    rows.reserve(boxes.size());
    for (const MessageBox &box : boxes)
        rows.append(QVariant::fromValue(MessageBoxRow(box)));
    dataSource_->setRecords(std::move(rows));
}

std::optional<MessageBox> MessageBoxViewController::boxAt(int row) const
{
    const std::optional<MessageBoxRow> found = dataSource_->recordAt<MessageBoxRow>(row);
    return found ? std::optional<MessageBox>(found->box) : std::nullopt;
}

User MessageBoxViewController::userOf(const MessageBox &box)
{
    User user;
    user.userId = box.senderuid;
    user.nickname = box.nickname;
    user.avatar = box.avatar;
    return user;
}

void MessageBoxViewController::selectRow(int row)
{
    const std::optional<MessageBox> box = boxAt(row);
    if (!box || editing_)
        return;
    Database &store = context().messageStore();
    store.resetUnreadCount(box->senderuid);
    store.markConversationRead(box->senderuid);
    context().router().openChat(userOf(*box));
}

void MessageBoxViewController::cellAvatarButtonTapped(int row)
{
    if (const std::optional<MessageBox> box = boxAt(row))
        context().router().openUserHome(userOf(*box));
}

void MessageBoxViewController::edit()
{
    editing_ = !editing_;
    if (editing_)
        editButton_->transformBtnWithAngle(M_PI / 2);
    else
        editButton_->transformtoOriginalBtn();
    emit editingChanged();
}

void MessageBoxViewController::commitDelete(int row)
{
    const std::optional<MessageBox> box = boxAt(row);
    if (!box)
        return;
    // The messages stay and show again when a chat with the user opens.
    context().messageStore().deleteMessageBox(box->senderuid);
    dataSource_->removeAt(row);
}

void MessageBoxViewController::newSession()
{
    context().router().openFollowListForChat();
}
