#include "AlertPresenter.h"

#include <QTimer>

AlertPresenter::AlertPresenter(QObject *parent) : QObject(parent), noticeTimer_(new QTimer(this))
{
    noticeTimer_->setSingleShot(true);
    connect(noticeTimer_, &QTimer::timeout, this, [this] {
        // The text stays while the notice fades out; the next notice replaces it.
        noticeVisible_ = false;
        emit noticeChanged();
    });
}

void AlertPresenter::showCommonAlert(const QString &title, const QString &message)
{
    Alert alert;
    alert.title = title;
    alert.message = message;
    alert.buttons = {kOkButton};
    alert.cancelButtonIndex = 0;
    push(std::move(alert));
}

void AlertPresenter::showAlert(const QString &title, const QString &message,
                               const QString &cancelButton, const QStringList &otherButtons,
                               int tag, QObject *owner, Callback callback)
{
    Alert alert;
    alert.title = title;
    alert.message = message;
    if (!cancelButton.isEmpty()) {
        alert.buttons.append(cancelButton);
        alert.cancelButtonIndex = 0;
    }
    alert.buttons.append(otherButtons);
    alert.tag = tag;
    alert.owner = owner;
    alert.callback = std::move(callback);
    push(std::move(alert));
}

void AlertPresenter::showActionSheet(const QString &title, const QString &cancelButton,
                                     const QString &destructiveButton,
                                     const QStringList &otherButtons, QObject *owner,
                                     Callback callback)
{
    Alert alert;
    alert.actionSheet = true;
    alert.title = title;
    if (!destructiveButton.isEmpty()) {
        alert.buttons.append(destructiveButton);
        alert.destructiveButtonIndex = 0;
    }
    alert.buttons.append(otherButtons);
    if (!cancelButton.isEmpty()) {
        alert.cancelButtonIndex = int(alert.buttons.size());
        alert.buttons.append(cancelButton);
    }
    alert.owner = owner;
    alert.callback = std::move(callback);
    push(std::move(alert));
}

void AlertPresenter::push(Alert alert)
{
    alerts_.push_back(std::move(alert));
    emit alertChanged();
}

void AlertPresenter::answer(int buttonIndex)
{
    if (alerts_.empty() || buttonIndex < 0 || buttonIndex >= alerts_.back().buttons.size())
        return;
    Alert alert = std::move(alerts_.back());
    alerts_.pop_back();
    emit alertChanged();
    if (alert.callback && alert.owner)
        alert.callback(buttonIndex);
}

void AlertPresenter::showAutoHiddenNotice(const QString &text)
{
    noticeText_ = text;
    noticeVisible_ = true;
    noticeTimer_->start(noticeMilliseconds_);
    emit noticeChanged();
}

QStringList AlertPresenter::alertButtons() const
{
    return currentAlert() ? currentAlert()->buttons : QStringList();
}

bool AlertPresenter::dismissByBackKey()
{
    const Alert *alert = currentAlert();
    if (!alert)
        return false;
    if (alert->cancelButtonIndex >= 0)
        answer(alert->cancelButtonIndex);
    else if (alert->buttons.size() == 1)
        answer(0);
    else
        return false;
    return true;
}

int AlertPresenter::cancelButtonIndex() const
{
    return currentAlert() ? currentAlert()->cancelButtonIndex : -1;
}

int AlertPresenter::destructiveButtonIndex() const
{
    return currentAlert() ? currentAlert()->destructiveButtonIndex : -1;
}
