#pragma once
// The lower half of a screen with a message table and an input bar: where the
// table ends, the bar sits and the emoji keyboard rests while a keyboard is up or
// down, which button of the pair shows, and whether a tap on the table closes the
// keyboard. The view animates every change over animationMs.

#include <QObject>
#include <QtQml/qqmlregistration.h>

class InputBarLayout : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the screen controllers")
    Q_PROPERTY(double tableHeight READ tableHeight NOTIFY layoutChanged)
    Q_PROPERTY(double inputBarY READ inputBarY NOTIFY layoutChanged)
    Q_PROPERTY(double inputBarHeight READ inputBarHeight CONSTANT)
    Q_PROPERTY(double emojiKeyboardY READ emojiKeyboardY NOTIFY layoutChanged)
    Q_PROPERTY(bool emojiButtonVisible READ emojiButtonVisible NOTIFY layoutChanged)
    Q_PROPERTY(bool keyboardButtonVisible READ keyboardButtonVisible NOTIFY layoutChanged)
    Q_PROPERTY(bool tapClosesKeyboard READ tapClosesKeyboard NOTIFY layoutChanged)
    Q_PROPERTY(int animationMs READ animationMs CONSTANT)
public:
    // Below the navigation bar: 460 points of content less its 44.
    static constexpr double kContentHeight = 416;
    static constexpr double kTableHeight = 379;
    // The bar's top overlaps the table's bottom by this much.
    static constexpr double kInputBarOverlap = 6;
    static constexpr int kAnimationMs = 250;

    using QObject::QObject;

    double tableHeight() const { return kTableHeight - keyboardHeight_; }
    double inputBarY() const { return tableHeight() - kInputBarOverlap; }
    double inputBarHeight() const { return kContentHeight - kTableHeight + kInputBarOverlap; }
    // Out of sight below the screen until a keyboard is raised.
    double emojiKeyboardY() const;
    bool emojiButtonVisible() const { return emojiButtonVisible_; }
    bool keyboardButtonVisible() const { return !emojiButtonVisible_; }
    bool tapClosesKeyboard() const { return raised_; }
    bool isRaised() const { return raised_; }
    int animationMs() const { return kAnimationMs; }

    // A keyboard of `height` (the system's, or the emoji keyboard's) comes up.
    void raise(double height);
    // `restoreViews`: everything back down.
    void lower();
    // Which of the pair shows: the emoji button, or the one back to the keyboard.
    void setEmojiButtonVisible(bool visible);

signals:
    void layoutChanged();

private:
    double keyboardHeight_ = 0;
    bool raised_ = false;
    bool emojiButtonVisible_ = true;
};
