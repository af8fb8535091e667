#include "InputBarLayout.h"

#include "EmojiView.h"

double InputBarLayout::emojiKeyboardY() const
{
    return raised_ ? kContentHeight - EmojiView::kHeight : kContentHeight;
}

void InputBarLayout::raise(double height)
{
    keyboardHeight_ = height;
    raised_ = true;
    emit layoutChanged();
}

void InputBarLayout::lower()
{
    keyboardHeight_ = 0;
    raised_ = false;
    emit layoutChanged();
}

void InputBarLayout::setEmojiButtonVisible(bool visible)
{
    if (visible == emojiButtonVisible_)
        return;
    emojiButtonVisible_ = visible;
    emit layoutChanged();
}
