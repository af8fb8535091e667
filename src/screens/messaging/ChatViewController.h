#pragma once
// The one-to-one conversation: the latest messages with one user as bubbles, new
// ones from that user as they are stored, an input line with its own emoji
// keyboard, sending, and a drop-down menu to the user's page, the chat log and the
// blacklist.

#include "model/ChatMessage.h"
#include "model/User.h"
#include "platform/ViewController.h"
#include "ui/ButtonRotation.h"
#include "ui/Composer.h"
#include "ui/PagedStoreModel.h"

#include <QList>
#include <QSet>
#include <QtQml/qqmlregistration.h>

class ClockTimer;
class RequestSlot;

class ChatViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(PagedStoreModel *dataSource READ dataSource CONSTANT)
    Q_PROPERTY(Composer *composer READ composer CONSTANT)
    Q_PROPERTY(bool popViewShowed READ popViewShowed NOTIFY popViewChanged)
    Q_PROPERTY(double popViewY READ popViewY NOTIFY popViewChanged)
    Q_PROPERTY(double popViewHeight READ popViewHeight CONSTANT)
    Q_PROPERTY(int popViewAnimationMs READ popViewAnimationMs CONSTANT)
    Q_PROPERTY(ButtonRotation *moreButton READ moreButton CONSTANT)
public:
    static constexpr double kPopViewTop = 40;
    static constexpr double kPopViewHeight = 64;
    static constexpr int kPopViewAnimationMs = 200;
    static constexpr int kPopViewFirstShowMs = 3000;
    static inline const QString kBlacklistScript = QStringLiteral("home_blacklist.php");

    ChatViewController(AppContext &context, const User &user, QObject *parent = nullptr);
    ~ChatViewController() override;

    const User &user() const { return user_; }
    QString title() const { return user_.nickname; }
    PagedStoreModel *dataSource() const { return dataSource_; }
    Composer *composer() const { return composer_; }
    bool popViewShowed() const { return popViewShowed_; }
    double popViewY() const { return popViewShowed_ ? kPopViewTop : kPopViewTop - kPopViewHeight; }
    double popViewHeight() const { return kPopViewHeight; }
    int popViewAnimationMs() const { return kPopViewAnimationMs; }
    ButtonRotation *moreButton() const { return moreButton_; }
    bool isBlacklisting() const;
    bool busy() const override { return isBlacklisting(); }

    // The view's actions.
    Q_INVOKABLE void more();
    Q_INVOKABLE void checkUserHomePage();
    Q_INVOKABLE void checkChatLog();
    Q_INVOKABLE void addToBlackList();
    Q_INVOKABLE void showActionSheet();

    // Sends what the input line holds, as the Return key and both send keys do.
    void sendChatMessage();

    // The latest messages, oldest first.
    void loadChatLog();
    void dismissChatLogViewController();

signals:
    void popViewChanged();
    // The view scrolls its table to the last row.
    void scrollToLastRow();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    void receiveStoredMessages(const QList<ChatMessage> &messages);
    void messagesNotWritten(const QList<qint64> &localIds);
    void sendText(const Composer::Draft &draft);
    void showPopView(bool shown);
    void sendBlacklistRequest();
    void scrollToLastRowIfAny();
    void refuseSending(const QString &message);

    User user_;
    PagedStoreModel *dataSource_;
    Composer *composer_;
    bool popViewShowed_ = false;
    ButtonRotation *moreButton_;
    ClockTimer *popViewTimer_;
    RequestSlot *blacklistRequest_;
    // Messages this screen sent, to tell when one of them did not go out.
    QSet<qint64> sentIds_;
};
