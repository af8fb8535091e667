#pragma once
// The signed-in user's follows and fans, a tab each, refreshed by pulling. A row opens
// the user's home page, or the chat with the user when the list was opened to start
// a conversation; in edit mode a row's relation can be undone.

#include "RelationEditor.h"
#include "ui/BLKTableViewController.h"
#include "ui/TabbedQueries.h"

#include <QtQml/qqmlregistration.h>

class FriendListViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(TabbedQueries *tabs READ tabs CONSTANT)
    Q_PROPERTY(RelationEditor *editor READ editor CONSTANT)
    Q_PROPERTY(bool shouldDirectChat READ shouldDirectChat CONSTANT)
public:
    static inline const RelationEditor::Deletion kUnfollow{QStringLiteral("取消关注"),
                                                           QStringLiteral("my_follow_del.php")};
    static inline const RelationEditor::Deletion kRemoveFan{QStringLiteral("删除粉丝"),
                                                            QStringLiteral("my_fans_del.php")};

    FriendListViewController(AppContext &context, bool shouldDirectChat, QObject *parent = nullptr);

    TabbedQueries *tabs() const { return tabs_; }
    RelationEditor *editor() const { return editor_; }
    bool shouldDirectChat() const { return shouldDirectChat_; }
    bool busy() const override { return editor_->busy(); }

    Q_INVOKABLE void edit() { editor_->edit(); }
    // A row: the chat or the home page; nothing in edit mode. Its avatar: the home page.
    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void cellAvatarButtonTapped(int row);
    // A row's delete control in edit mode: the confirmation of the tab's deletion.
    Q_INVOKABLE void deleteRow(int row);

private:
    TabbedQueries *tabs_;
    RelationEditor *editor_;
    bool shouldDirectChat_;
};
