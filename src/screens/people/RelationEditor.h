#pragma once
// The edit mode of a list of related users (follows, fans, the blacklist): the edit
// button's quarter turn, and deleting a row's relation after a confirmation. A row goes
// only once the server confirms; one deletion runs at a time, and none while its list
// is loading.

#include "ui/ButtonRotation.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class AppContext;
class PagedQuery;
class RequestSlot;

class RelationEditor : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the relation list controllers")
    Q_PROPERTY(bool editing READ isEditing NOTIFY editingChanged)
    Q_PROPERTY(ButtonRotation *editButton READ editButton CONSTANT)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
public:
    // How a relation is undone: the confirmation's button and the script told the "uid".
    struct Deletion {
        QString confirmation;
        QString script;
    };

    static inline const QString kCancel = QStringLiteral("取消");

    RelationEditor(AppContext &context, QObject *owner);

    bool isEditing() const { return editing_; }
    ButtonRotation *editButton() const { return editButton_; }
    // A deletion is on its way.
    bool busy() const;

    // Enters or leaves edit mode.
    void edit();
    // Asks to confirm undoing the relation with the user at `row` of `list`; confirmed,
    // the request goes, and the reply removes that user's row from `list`, wherever it
    // then is.
    void confirmDeletion(PagedQuery *list, int row, const Deletion &deletion);

signals:
    void editingChanged();
    void busyChanged();

private:
    bool refused(const PagedQuery *list) const;
    void remove(PagedQuery *list, const QString &userKey, const QString &script);

    AppContext &context_;
    QObject *owner_;
    ButtonRotation *editButton_;
    RequestSlot *slot_;
    bool editing_ = false;
};
