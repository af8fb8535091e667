#include "Composer.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Keyboard.h"

namespace {
const QString kReplyBlank = QStringLiteral(" ");
} // namespace

QString Composer::Draft::content() const
{
    return reply ? QStringLiteral("回复%1: %2").arg(reply->nickname, text) : text;
}

Composer::Composer(AppContext &context, QObject *parent)
    : QObject(parent), context_(context), layout_(new InputBarLayout(this))
{
}

void Composer::setLimit(qsizetype maxUnits, const QString &title, TooLongMessage message)
{
    maxUnits_ = maxUnits;
    tooLongTitle_ = title;
    tooLongMessage_ = std::move(message);
}

void Composer::setBlankText(BlankText blank, const QString &refusal)
{
    blank_ = blank;
    blankRefusal_ = refusal;
}

QString Composer::replyTip() const
{
    return reply_ ? QStringLiteral("回复%1: ").arg(reply_->nickname) : QString();
}

void Composer::followKeyboard(bool follow)
{
    Keyboard &keyboard = context_.keyboard();
    disconnect(&keyboard, nullptr, this, nullptr);
    if (!follow)
        return;
    connect(&keyboard, &Keyboard::willShow, this, &Composer::keyboardWillShow);
    connect(&keyboard, &Keyboard::willHide, this, &Composer::restoreViews);
}

void Composer::send()
{
    if (busy_ || !send_)
        return;
    const QString text = trims_ ? input_.text().trimmed() : input_.text();
    // Only blanks and line breaks would be an empty bubble; a text is sent as typed.
    if (text.trimmed().isEmpty() && blank_ != BlankText::Sent) {
        if (blank_ == BlankText::Refused)
            context_.alerts().showCommonAlert(blankRefusal_, QString());
        return;
    }
    if (maxUnits_ >= 0 && text.size() > maxUnits_) {
        // The text stays for the user to shorten.
        context_.alerts().showCommonAlert(tooLongTitle_, tooLongMessage_(text.size() - maxUnits_));
        return;
    }
    setBusy(true);
    send_(Draft{text, reply_});
}

void Composer::sendSucceeded()
{
    setBusy(false);
    cancelReply();
    setText(QString());
}

void Composer::sendFailed()
{
    setBusy(false);
}

void Composer::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    emit busyChanged();
}

void Composer::enterReply(const Reply &reply)
{
    reply_ = reply;
    emit replyChanged();
    // What was typed before stays, after the blank that holds the reply mode.
    const QString typed = input_.text();
    setText(typed.startsWith(kReplyBlank) ? typed : kReplyBlank + typed);
    emit inputFocusRequested();
}

void Composer::cancelReply()
{
    if (!reply_)
        return;
    reply_.reset();
    emit replyChanged();
}

void Composer::setText(const QString &text)
{
    input_.setText(text);
    textUpdated();
}

void Composer::textUpdated()
{
    emit textChanged();
    if (reply_ && !input_.text().startsWith(kReplyBlank))
        cancelReply();
}

void Composer::textEdited(const QString &shown)
{
    input_.applyDisplayEdit(shown);
    textUpdated();
}

void Composer::emojiViewDidSelect(const QString &emoji)
{
    input_.append(emoji);
    textUpdated();
}

void Composer::emojiViewShouldDelete()
{
    input_.removeLastCharacter();
    textUpdated();
}

void Composer::emojiViewShouldSend()
{
    send();
}

void Composer::keyboardWillShow(double height)
{
    layout_->setEmojiButtonVisible(true);
    raise(height);
}

void Composer::raise(double height)
{
    layout_->raise(height);
    emit keyboardMoved();
}

void Composer::restoreViews()
{
    emit keyboardMoved();
    layout_->lower();
}

void Composer::dismissKeyboard()
{
    if (!layout_->tapClosesKeyboard())
        return;
    emit inputResignRequested();
    restoreViews();
}

void Composer::pickEmoji()
{
    layout_->setEmojiButtonVisible(false);
    emit inputResignRequested();
    if (!emojiView_) {
        emojiView_ = new EmojiView(this, this);
        emit emojiViewChanged();
    }
    raise(EmojiView::kHeight);
}

void Composer::switchToKeyboard()
{
    layout_->setEmojiButtonVisible(true);
    restoreViews();
    emit inputFocusRequested();
}
