#pragma once
// The input bar of every screen that sends a text: the text with the emoji keyboard's
// characters, the switch between the system keyboard and the emoji keyboard, the
// length limit with the screen's own refusal, one send at a time through the screen's
// routine, the text kept when that fails, and the reply mode "回复%@: ".

#include "ui/EmojiInputText.h"
#include "ui/EmojiView.h"
#include "ui/InputBarLayout.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

class AppContext;

class Composer : public QObject, public EmojiViewDelegate {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the screen controllers")
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(InputBarLayout *layout READ layout CONSTANT)
    Q_PROPERTY(EmojiView *emojiView READ emojiView NOTIFY emojiViewChanged)
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)
    Q_PROPERTY(bool replying READ isReplying NOTIFY replyChanged)
    Q_PROPERTY(QString replyTip READ replyTip NOTIFY replyChanged)
public:
    // The one answered: the name in the tip and the id the screen sends with the reply.
    struct Reply {
        QString nickname;
        QString id;
    };

    // What goes out: the text (trimmed where the screen trims), and the reply it answers.
    struct Draft {
        QString text;
        std::optional<Reply> reply;
        // The text as posted: in reply mode preceded by "回复%@: ".
        QString content() const;
    };

    // Hands a draft to the screen, which answers with sendSucceeded or sendFailed,
    // at once or when its request comes back.
    using Send = std::function<void(const Draft &draft)>;
    // The refusal's message for a text `over` units longer than the limit.
    using TooLongMessage = std::function<QString(qsizetype over)>;

    Composer(AppContext &context, QObject *parent);

    void setSend(Send send) { send_ = std::move(send); }
    void setLimit(qsizetype maxUnits, const QString &title, TooLongMessage message);
    // Whether blanks and line breaks at both ends are dropped before sending.
    void setTrimsText(bool trims) { trims_ = trims; }
    // What a send of blanks only does: nothing (as a chat line), go out as an empty text
    // (a photo's optional caption), or show the screen's refusal, an alert of that title.
    enum class BlankText { Ignored, Sent, Refused };
    void setBlankText(BlankText blank, const QString &refusal = QString());

    // As shown, the standard emoji for the keyboard's characters.
    QString text() const { return input_.displayText(); }
    // As sent and stored, with the keyboard's own characters.
    const QString &textToSend() const { return input_.text(); }
    InputBarLayout *layout() const { return layout_; }
    EmojiView *emojiView() const { return emojiView_; }
    bool isBusy() const { return busy_; }
    bool isReplying() const { return reply_.has_value(); }
    QString replyTip() const;

    // Follows the system keyboard while the screen is visible.
    void followKeyboard(bool follow);

    // The screen's answer to the draft it was handed.
    void sendSucceeded();
    void sendFailed();

    // The line starts with one blank, put before what was typed: deleting it, or clearing
    // the line, leaves reply mode.
    void enterReply(const Reply &reply);

    // Gives the input the focus, as when the form has appeared.
    void focusInput() { emit inputFocusRequested(); }

    // The view's actions.
    Q_INVOKABLE void send();
    Q_INVOKABLE void textEdited(const QString &shown);
    Q_INVOKABLE void pickEmoji();
    Q_INVOKABLE void switchToKeyboard();
    // A tap beside the bar while a keyboard is up closes it.
    Q_INVOKABLE void dismissKeyboard();
    Q_INVOKABLE void cancelReply();

    void emojiViewDidSelect(const QString &emoji) override;
    void emojiViewShouldDelete() override;
    void emojiViewShouldSend() override;

signals:
    void textChanged();
    void emojiViewChanged();
    void busyChanged();
    void replyChanged();
    // A keyboard came up or is going down: a list above the bar shows its last row.
    void keyboardMoved();
    // The view gives the input line the focus, or takes it away.
    void inputFocusRequested();
    void inputResignRequested();

private:
    void setText(const QString &text);
    // After every change of the text: a line that lost its leading blank leaves reply mode.
    void textUpdated();
    void setBusy(bool busy);
    void keyboardWillShow(double height);
    void raise(double height);
    void restoreViews();

    AppContext &context_;
    InputBarLayout *layout_;
    EmojiView *emojiView_ = nullptr;
    EmojiInputText input_;
    Send send_;
    qsizetype maxUnits_ = -1;
    QString tooLongTitle_;
    TooLongMessage tooLongMessage_;
    bool trims_ = true;
    BlankText blank_ = BlankText::Ignored;
    QString blankRefusal_;
    bool busy_ = false;
    std::optional<Reply> reply_;
};
