#pragma once
// The conversation list: one row per conversation, newest first, with the unread
// count; a row opens the chat, its avatar the user's page; rows can be closed in
// edit mode, which only drops the summary; a button starts a new conversation.

#include "platform/ViewController.h"
#include "ui/ButtonRotation.h"
#include "ui/RecordListModel.h"

#include <QtQml/qqmlregistration.h>

#include <optional>

struct MessageBox;
struct User;

class MessageBoxViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(RecordListModel *dataSource READ dataSource CONSTANT)
    Q_PROPERTY(bool editing READ isEditing NOTIFY editingChanged)
    Q_PROPERTY(ButtonRotation *editButton READ editButton CONSTANT)
    Q_PROPERTY(QString deleteConfirmationTitle READ deleteConfirmationTitle CONSTANT)
public:
    explicit MessageBoxViewController(AppContext &context, QObject *parent = nullptr);

    RecordListModel *dataSource() const { return dataSource_; }
    bool isEditing() const { return editing_; }
    ButtonRotation *editButton() const { return editButton_; }
    QString deleteConfirmationTitle() const { return QStringLiteral("关闭"); }

    Q_INVOKABLE void edit();
    Q_INVOKABLE void newSession();
    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void cellAvatarButtonTapped(int row);
    // The row's confirmation button in edit mode.
    Q_INVOKABLE void commitDelete(int row);

    // The summaries again from the store.
    void reload();

signals:
    void editingChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    std::optional<MessageBox> boxAt(int row) const;
    static User userOf(const MessageBox &box);

    RecordListModel *dataSource_;
    ButtonRotation *editButton_;
    bool editing_ = false;
};
