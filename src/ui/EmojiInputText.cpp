#include "EmojiInputText.h"

#include "EmojiMapping.h"

#include <QList>

#include <algorithm>

void EmojiInputText::setText(const QString &text)
{
    text_ = text;
    display_ = EmojiMapping::displayText(text_);
}

void EmojiInputText::append(const QString &text)
{
    setText(text_ + text);
}

void EmojiInputText::removeLastCharacter()
{
    if (text_.isEmpty())
        return;
    qsizetype cut = text_.size() - 1;
    if (cut > 0 && text_.at(cut).isLowSurrogate() && text_.at(cut - 1).isHighSurrogate())
        --cut;
    setText(text_.left(cut));
}

QList<qsizetype> EmojiInputText::displayOffsets() const
{
    QList<qsizetype> offsets;
    offsets.reserve(text_.size() + 1);
    qsizetype offset = 0;
    for (QChar character : text_) {
        offsets.append(offset);
        const QString emoji = character.category() == QChar::Other_PrivateUse
                                  ? EmojiMapping::standardEmoji(character)
                                  : QString();
        offset += emoji.isEmpty() ? 1 : emoji.size();
    }
    offsets.append(offset);
    return offsets;
}

void EmojiInputText::applyDisplayEdit(const QString &shown)
{
    if (shown == display_)
        return;
    // The edit lies between what both texts share at the start and at the end.
    const qsizetype limit = std::min(shown.size(), display_.size());
    // Both are counted in whole code points: emoji sharing a high surrogate must not
    // pass for one that is partly kept.
    qsizetype prefix = 0;
    while (prefix < limit && shown.at(prefix) == display_.at(prefix))
        ++prefix;
    if (prefix > 0 && display_.at(prefix - 1).isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix
           && shown.at(shown.size() - 1 - suffix) == display_.at(display_.size() - 1 - suffix))
        ++suffix;
    if (suffix > 0 && display_.at(display_.size() - suffix).isLowSurrogate())
        --suffix;

    // Widened to whole characters of the text: an emoji the edit touched is replaced.
    const QList<qsizetype> offsets = displayOffsets();
    const qsizetype keptHead =
        std::upper_bound(offsets.begin(), offsets.end(), prefix) - offsets.begin() - 1;
    const qsizetype tailStart =
        std::lower_bound(offsets.begin(), offsets.end(), display_.size() - suffix)
        - offsets.begin();
    const qsizetype shownHead = offsets[keptHead];
    const qsizetype shownTail = display_.size() - offsets[tailStart];
    text_ = text_.left(keptHead) + shown.mid(shownHead, shown.size() - shownHead - shownTail)
            + text_.mid(tailStart);
    display_ = EmojiMapping::displayText(text_);
}
