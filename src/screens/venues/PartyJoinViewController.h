#pragma once
// The sign-up form of a party: a contact name, a telephone and the number of people.
// The fields are checked in that order before anything is sent; the commit button
// gives way to the running indicator while the form is sent; success is confirmed by
// an alert whose dismissal closes the form, and a failure keeps what was typed.

#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QRegularExpression>
#include <QtQml/qqmlregistration.h>

class PartyJoinViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString tel READ tel WRITE setTel NOTIFY telChanged)
    Q_PROPERTY(QString count READ count WRITE setCount NOTIFY countChanged)
    Q_PROPERTY(QString focusedField READ focusedField NOTIFY focusedFieldChanged)
    Q_PROPERTY(QString telCharacters READ telCharacters CONSTANT)
    Q_PROPERTY(QString countCharacters READ countCharacters CONSTANT)
public:
    static inline const QString kNoName = QStringLiteral("请提供联系人姓名");
    static inline const QString kNoTel = QStringLiteral("请提供联系电话");
    static inline const QString kNoCount = QStringLiteral("请提供出席人数");
    static inline const QString kShortTel = QStringLiteral("联系电话至少需要7位数字");
    static inline const QString kCountRange = QStringLiteral("出席人数请填写1到99");
    static constexpr int kMinTelDigits = 7;
    static constexpr int kMaxCount = 99;
    static inline const QString kJoined = QStringLiteral("报名成功！");

    PartyJoinViewController(AppContext &context, int pid, QObject *parent = nullptr);

    int pid() const { return pid_; }
    QString name() const { return name_; }
    QString tel() const { return tel_; }
    QString count() const { return count_; }
    bool isSending() const { return request_->busy(); }
    bool busy() const override { return isSending(); }
    // The field holding the cursor: "name" once the form is shown.
    QString focusedField() const { return focusedField_; }
    // What the telephone and number fields accept, as regular expressions for the view.
    QString telCharacters() const;
    QString countCharacters() const;

    // Setters drop what the field does not accept.
    void setName(const QString &name);
    void setTel(const QString &tel);
    void setCount(const QString &count);

    Q_INVOKABLE void commit();

signals:
    void nameChanged();
    void telChanged();
    void countChanged();
    void focusedFieldChanged();

protected:
    void viewDidAppear(bool animated) override;

private:
    // The first field that fails its check, by its alert text; empty when all pass.
    QString firstFailure(const QString &name, const QString &tel, const QString &count) const;

    int pid_;
    QString name_;
    QString tel_;
    QString count_;
    QString focusedField_;
    RequestSlot *request_;
};
