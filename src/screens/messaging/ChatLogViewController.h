#pragma once
// The whole stored conversation with one user, shown modally a page of 20 at a
// time, with paging to older and newer pages and clearing. The pages stay put while
// messages arrive: they cover the messages stored when the log opened.

#include "model/User.h"
#include "platform/ViewController.h"
#include "ui/PagedStoreModel.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include <functional>

class ChatLogViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(PagedStoreModel *dataSource READ dataSource CONSTANT)
    Q_PROPERTY(int currentPage READ currentPage NOTIFY pageChanged)
    Q_PROPERTY(bool loadPreviousEnabled READ loadPreviousEnabled NOTIFY pageChanged)
public:
    ChatLogViewController(AppContext &context, const User &user, QObject *parent = nullptr);

    // `dismissChatLogViewController` of the screen that presented the log; runs only
    // while `owner` lives.
    void setDelegate(QObject *owner, std::function<void()> dismissChatLogViewController);

    QString title() const { return QStringLiteral("聊天记录"); }
    PagedStoreModel *dataSource() const { return dataSource_; }
    int currentPage() const { return currentPage_; }
    bool loadPreviousEnabled() const { return loadPreviousEnabled_; }

    // Older messages.
    Q_INVOKABLE void previousPage();
    // Newer messages.
    Q_INVOKABLE void nextPage();
    Q_INVOKABLE void clearLog();
    // Asks the presenting screen to close the log (instead of popping).
    Q_INVOKABLE void back();

signals:
    void pageChanged();
    // The view scrolls its table to the last row.
    void scrollToLastRow();

protected:
    void viewDidLoad() override;

private:
    void loadPage();

    User user_;
    PagedStoreModel *dataSource_;
    int currentPage_ = 0;
    bool loadPreviousEnabled_ = false;
    // The newest message of the conversation when the log opened.
    qint64 newestLocalId_ = 0;
    QPointer<QObject> delegateOwner_;
    std::function<void()> dismiss_;
};
