#include "RelationEditor.h"

#include "model/User.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/PagedQuery.h"
#include "ui/RequestSlot.h"

#include <numbers>

namespace {
// The sheet lists the confirmation (the destructive button) first, cancel last.
constexpr int kConfirmIndex = 0;
} // namespace

RelationEditor::RelationEditor(AppContext &context, QObject *owner)
    : QObject(owner), context_(context), owner_(owner), editButton_(new ButtonRotation(this)),
      slot_(new RequestSlot(context, owner))
{
    connect(slot_, &RequestSlot::busyChanged, this, &RelationEditor::busyChanged);
}

bool RelationEditor::busy() const
{
    return slot_->busy();
}

void RelationEditor::edit()
{
    editing_ = !editing_;
    if (editing_)
        editButton_->transformBtnWithAngle(std::numbers::pi / 2);
    else
        editButton_->transformtoOriginalBtn();
    emit editingChanged();
}

bool RelationEditor::refused(const PagedQuery *list) const
{
    // A page on its way would be read against rows that changed under it.
    return !list || busy() || list->busy();
}

void RelationEditor::confirmDeletion(PagedQuery *list, int row, const Deletion &deletion)
{
    if (refused(list))
        return;
    const std::optional<User> user = list->model()->recordAt<User>(row);
    if (!user || user->recordKey().isEmpty())
        return;
    QPointer<PagedQuery> target(list);
    const QString key = user->recordKey();
    context_.alerts().showActionSheet(user->nickname, kCancel, deletion.confirmation, {}, owner_,
                                      [this, target, key, script = deletion.script](int index) {
                                          // The list may have started loading, or another deletion
                                          // gone out, meanwhile.
                                          if (index == kConfirmIndex && !refused(target))
                                              remove(target, key, script);
                                      });
}

void RelationEditor::remove(PagedQuery *list, const QString &userKey, const QString &script)
{
    QPointer<PagedQuery> target(list);
    // A refusal keeps the row and shows the server's message in the common alert.
    slot_->post(script, {{QStringLiteral("uid"), userKey}}, [target, userKey](const JSONFetcher &) {
        if (target)
            target->removeRecord(userKey);
    });
}
