#pragma once
// Shows alerts, action sheets and the auto-hiding notice. The newest alert is on
// top; a button reaches its owner as a callback with the button's index. The QML
// overlay binds to the top alert; tests read it and answer it.

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <vector>

class QTimer;

class AlertPresenter : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool alertVisible READ alertVisible NOTIFY alertChanged)
    Q_PROPERTY(bool actionSheet READ isActionSheet NOTIFY alertChanged)
    Q_PROPERTY(QString alertTitle READ alertTitle NOTIFY alertChanged)
    Q_PROPERTY(QString alertMessage READ alertMessage NOTIFY alertChanged)
    Q_PROPERTY(QStringList alertButtons READ alertButtons NOTIFY alertChanged)
    Q_PROPERTY(int cancelButtonIndex READ cancelButtonIndex NOTIFY alertChanged)
    Q_PROPERTY(int destructiveButtonIndex READ destructiveButtonIndex NOTIFY alertChanged)
    Q_PROPERTY(bool noticeVisible READ noticeVisible NOTIFY noticeChanged)
    Q_PROPERTY(QString noticeText READ noticeText NOTIFY noticeChanged)
public:
    using Callback = std::function<void(int buttonIndex)>;
    static constexpr int kNoticeMilliseconds = 1500;
    static inline const QString kOkButton = QStringLiteral("确定");

    struct Alert {
        bool actionSheet = false;
        QString title;
        QString message;
        QStringList buttons;
        int cancelButtonIndex = -1;
        int destructiveButtonIndex = -1;
        int tag = 0;
        QPointer<QObject> owner; // the callback runs only while it lives
        Callback callback;
    };

    explicit AlertPresenter(QObject *parent = nullptr);

    // The common alert: a title and a message (either may be empty) and "确定".
    void showCommonAlert(const QString &title, const QString &message);
    // Buttons in the order shown: the cancel button first, then the others.
    void showAlert(const QString &title, const QString &message, const QString &cancelButton,
                   const QStringList &otherButtons, int tag, QObject *owner, Callback callback);
    // Buttons in the order shown: the destructive one, the others, the cancel one last.
    void showActionSheet(const QString &title, const QString &cancelButton,
                         const QString &destructiveButton, const QStringList &otherButtons,
                         QObject *owner, Callback callback);
    // The notice `AutoHiddenAlertView`: the check-mark and a text, gone by itself.
    void showAutoHiddenNotice(const QString &text);

    const Alert *currentAlert() const { return alerts_.empty() ? nullptr : &alerts_.back(); }
    int alertCount() const { return int(alerts_.size()); }
    // Taps a button of the top alert: the alert goes, then its callback runs.
    Q_INVOKABLE void answer(int buttonIndex);
    // The back key's answer: the top alert's cancel button, or its only button; false,
    // and nothing answered, when no alert shows or it asks for a choice.
    Q_INVOKABLE bool dismissByBackKey();

    int noticeMilliseconds() const { return noticeMilliseconds_; }
    void setNoticeMilliseconds(int milliseconds) { noticeMilliseconds_ = milliseconds; }

    bool alertVisible() const { return !alerts_.empty(); }
    bool isActionSheet() const { return currentAlert() && currentAlert()->actionSheet; }
    QString alertTitle() const { return currentAlert() ? currentAlert()->title : QString(); }
    QString alertMessage() const { return currentAlert() ? currentAlert()->message : QString(); }
    QStringList alertButtons() const;
    int cancelButtonIndex() const;
    int destructiveButtonIndex() const;
    bool noticeVisible() const { return noticeVisible_; }
    QString noticeText() const { return noticeText_; }

signals:
    void alertChanged();
    void noticeChanged();

private:
    void push(Alert alert);

    std::vector<Alert> alerts_;
    QString noticeText_;
    bool noticeVisible_ = false;
    QTimer *noticeTimer_;
    int noticeMilliseconds_ = kNoticeMilliseconds;
};
