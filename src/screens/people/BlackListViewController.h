#pragma once
// The users the signed-in user blocked, loading more at the bottom; in edit mode a row
// can be taken off the list. Selecting a row does nothing.

#include "RelationEditor.h"
#include "ui/BLKLoadMoreTableViewController.h"

#include <QtQml/qqmlregistration.h>

class BlackListViewController : public BLKLoadMoreTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(RelationEditor *editor READ editor CONSTANT)
public:
    static inline const RelationEditor::Deletion kUnblock{QStringLiteral("从黑名单移除"),
                                                          QStringLiteral("my_blacklist_del.php")};

    explicit BlackListViewController(AppContext &context, QObject *parent = nullptr);

    RelationEditor *editor() const { return editor_; }
    bool busy() const override { return editor_->busy(); }

    Q_INVOKABLE void edit() { editor_->edit(); }
    Q_INVOKABLE void deleteRow(int row);
    // No page goes out while a deletion runs: the pages behind it are about to move.
    void loadMore() override;

private:
    RelationEditor *editor_;
};
