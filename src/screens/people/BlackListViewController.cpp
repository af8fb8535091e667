#include "BlackListViewController.h"

#include "UserRows.h"
#include "model/User.h"

BlackListViewController::BlackListViewController(AppContext &context, QObject *parent)
    : BLKLoadMoreTableViewController(context, parent), editor_(new RelationEditor(context, this))
{
    setQuery(makeQuery<User>(UserRows::request(context, QStringLiteral("my_blacklist.php"),
                                               QStringLiteral("blacklists"))));
    connect(editor_, &RelationEditor::busyChanged, this, &ViewController::busyChanged);
}

void BlackListViewController::deleteRow(int row)
{
    if (editor_->isEditing())
        editor_->confirmDeletion(query(), row, kUnblock);
}

void BlackListViewController::loadMore()
{
    if (!editor_->busy())
        BLKLoadMoreTableViewController::loadMore();
}
