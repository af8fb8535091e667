#include "ChatViewController.h"

#include "ChatRow.h"
#include "chat/ChatMessenger.h"
#include "chat/Database.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/ClockTimer.h"
#include "ui/ButtonRotation.h"
#include "ui/PagedStoreModel.h"
#include "ui/RequestSlot.h"
#include "ui/Router.h"

#include <QtMath>

namespace {
const QString kCannotSend = QStringLiteral("无法发送");
const QString kTooLong = QStringLiteral("您发送的消息太长");
const QString kNoConnection = QStringLiteral("网络连接异常,请稍后再试");
const QString kCancel = QStringLiteral("取消");
const QString kBlacklistButton = QStringLiteral("加入黑名单");
const QString kChatLogButton = QStringLiteral("查看消息记录");
} // namespace

ChatViewController::ChatViewController(AppContext &context, const User &user, QObject *parent)
    : ViewController(context, parent), user_(user), composer_(new Composer(context, this)),
      moreButton_(new ButtonRotation(this)), popViewTimer_(new ClockTimer(context.clock(), this)),
      blacklistRequest_(new RequestSlot(context, this))
{
    dataSource_ = PagedStoreModel::of<ChatRow>(
        Database::kPageSize,
        [this](int offset, int) {
            QVariantList rows;
            for (const ChatMessage &message :
                 this->context().messageStore().conversationPage(user_.userId, offset))
                rows.append(
                    QVariant::fromValue(ChatRow(message, user_, ChatRow::kChatScreenLabel)));
            return rows;
        },
        this);
    composer_->setLimit(ChatMessenger::kMaxMessageLength, kCannotSend,
                        [](qsizetype) { return kTooLong; });
    // A message goes as typed, blanks and all.
    composer_->setTrimsText(false);
    composer_->setSend([this](const Composer::Draft &draft) { sendText(draft); });
    connect(composer_, &Composer::keyboardMoved, this, &ChatViewController::scrollToLastRowIfAny);
    connect(popViewTimer_, &ClockTimer::timeout, this, [this] { showPopView(false); });
    connect(blacklistRequest_, &RequestSlot::busyChanged, this, &ChatViewController::busyChanged);
}

ChatViewController::~ChatViewController() = default;

bool ChatViewController::isBlacklisting() const
{
    return blacklistRequest_->busy();
}

void ChatViewController::viewDidLoad()
{
    loadChatLog();
    ChatMessenger &messenger = context().messenger();
    connect(&messenger, &ChatMessenger::messagesStored, this,
            &ChatViewController::receiveStoredMessages);
    connect(&messenger, &ChatMessenger::messagesNotWritten, this,
            &ChatViewController::messagesNotWritten);
    // The store opens after the chat login; what it holds may be new to the screen.
    connect(&messenger, &ChatMessenger::storeOpened, this, &ChatViewController::loadChatLog);
    showPopView(true);
    popViewTimer_->start(kPopViewFirstShowMs);
}

void ChatViewController::viewWillAppear(bool animated)
{
    Q_UNUSED(animated)
    composer_->followKeyboard(true);
}

void ChatViewController::viewWillDisappear(bool animated)
{
    Q_UNUSED(animated)
    Database &store = context().messageStore();
    store.resetUnreadCount(user_.userId);
    store.markConversationRead(user_.userId);
    composer_->followKeyboard(false);
}

void ChatViewController::loadChatLog()
{
    dataSource_->showPage(0);
    scrollToLastRowIfAny();
}

void ChatViewController::scrollToLastRowIfAny()
{
    if (dataSource_->count() > 0)
        emit scrollToLastRow();
}

void ChatViewController::receiveStoredMessages(const QList<ChatMessage> &messages)
{
    QVariantList rows;
    for (const ChatMessage &message : messages) {
        if (message.senderuid == user_.userId)
            rows.append(QVariant::fromValue(ChatRow(message, user_, ChatRow::kChatScreenLabel)));
    }
    if (rows.isEmpty())
        return;
    dataSource_->appendLive(rows);
    emit scrollToLastRow();
}

void ChatViewController::messagesNotWritten(const QList<qint64> &localIds)
{
    for (qint64 id : localIds) {
        if (sentIds_.contains(id)) {
            context().alerts().showCommonAlert(kCannotSend, kNoConnection);
            return;
        }
    }
}

void ChatViewController::sendChatMessage()
{
    composer_->send();
}

void ChatViewController::sendText(const Composer::Draft &draft)
{
    const ChatMessenger::Outcome outcome = context().messenger().send(user_, draft.content());
    switch (outcome.result) {
    case ChatMessenger::SendResult::TooLong:
        refuseSending(kTooLong);
        return;
    case ChatMessenger::SendResult::NotConnected:
    case ChatMessenger::SendResult::NotStored:
        refuseSending(kNoConnection);
        return;
    case ChatMessenger::SendResult::Sent:
        break;
    }
    sentIds_.insert(outcome.message.localmsgid);
    dataSource_->appendLive(
        {QVariant::fromValue(ChatRow(outcome.message, user_, ChatRow::kChatScreenLabel))});
    emit scrollToLastRow();
    composer_->sendSucceeded();
}

// The text stays for another try.
void ChatViewController::refuseSending(const QString &message)
{
    context().alerts().showCommonAlert(kCannotSend, message);
    composer_->sendFailed();
}

void ChatViewController::more()
{
    // Once the user handles the menu, it no longer hides by itself.
    popViewTimer_->stop();
    showPopView(!popViewShowed_);
}

void ChatViewController::showPopView(bool shown)
{
    if (shown)
        moreButton_->transformBtnWithAngle(M_PI / 4);
    else
        moreButton_->transformtoOriginalBtn();
    if (shown == popViewShowed_)
        return;
    popViewShowed_ = shown;
    emit popViewChanged();
}

void ChatViewController::checkUserHomePage()
{
    context().router().openUserHome(user_);
}

void ChatViewController::checkChatLog()
{
    context().router().openChatLog(user_, this, [this] { dismissChatLogViewController(); });
}

void ChatViewController::dismissChatLogViewController()
{
    // The log may have cleared the conversation.
    loadChatLog();
    context().router().closeChatLog();
}

void ChatViewController::addToBlackList()
{
    context().alerts().showActionSheet(QStringLiteral("是否将对方加入黑名单"), kCancel,
                                       kBlacklistButton, {}, this, [this](int index) {
                                           if (index == 0)
                                               sendBlacklistRequest();
                                       });
}

void ChatViewController::showActionSheet()
{
    context().alerts().showActionSheet(QString(), kCancel, QString(),
                                       {kChatLogButton, kBlacklistButton}, this, [this](int index) {
                                           if (index == 0)
                                               checkChatLog();
                                           else if (index == 1)
                                               sendBlacklistRequest();
                                       });
}

void ChatViewController::sendBlacklistRequest()
{
    blacklistRequest_->post(kBlacklistScript,
                            {{QStringLiteral("uid"), QString::number(user_.userId)}},
                            [this](const JSONFetcher &) {
                                context().alerts().showCommonAlert(
                                    QStringLiteral("成功加入黑名单"),
                                    QStringLiteral("你可以在系统设置里面管理黑名单列表"));
                            });
}
