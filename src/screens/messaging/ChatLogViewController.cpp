#include "ChatLogViewController.h"

#include "ChatRow.h"
#include "chat/Database.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/PagedStoreModel.h"

ChatLogViewController::ChatLogViewController(AppContext &context, const User &user, QObject *parent)
    : ViewController(context, parent), user_(user)
{
    dataSource_ = PagedStoreModel::of<ChatRow>(
        Database::kPageSize,
        [this](int offset, int) {
            QVariantList rows;
            for (const ChatMessage &message : this->context().messageStore().conversationPage(
                     user_.userId, offset, newestLocalId_))
                rows.append(QVariant::fromValue(ChatRow(message, user_, ChatRow::kChatLogLabel)));
            return rows;
        },
        this);
}

void ChatLogViewController::setDelegate(QObject *owner,
                                        std::function<void()> dismissChatLogViewController)
{
    delegateOwner_ = owner;
    dismiss_ = std::move(dismissChatLogViewController);
}

void ChatLogViewController::viewDidLoad()
{
    newestLocalId_ = context().messageStore().newestLocalId(user_.userId);
    currentPage_ = 0;
    loadPage();
}

void ChatLogViewController::loadPage()
{
    const int rows = dataSource_->showPage(currentPage_);
    loadPreviousEnabled_ = rows >= dataSource_->pageSize();
    emit pageChanged();
    if (rows > 0)
        emit scrollToLastRow();
}

void ChatLogViewController::previousPage()
{
    if (!loadPreviousEnabled_)
        return;
    ++currentPage_;
    loadPage();
}

void ChatLogViewController::nextPage()
{
    if (--currentPage_ < 0) {
        currentPage_ = 0;
        return;
    }
    loadPage();
}

void ChatLogViewController::clearLog()
{
    context().alerts().showActionSheet(QString(), QStringLiteral("取消"),
                                       QStringLiteral("清除聊天记录"), {}, this, [this](int index) {
                                           if (index != 0)
                                               return;
                                           context().messageStore().clearConversation(user_.userId);
                                           loadPage();
                                       });
}

void ChatLogViewController::back()
{
    if (delegateOwner_ && dismiss_)
        dismiss_();
}
