#pragma once
// The text of an input line that takes keyboard emoji: the text itself (what is
// stored and sent, private-use emoji and all) and what the line shows, with the
// shown text's edits carried back into the text.

#include <QString>

class EmojiInputText {
public:
    const QString &text() const { return text_; }
    const QString &displayText() const { return display_; }
    bool isEmpty() const { return text_.isEmpty(); }

    void setText(const QString &text);
    void append(const QString &text);
    // Removes the last character: both halves of a surrogate pair, one unit otherwise.
    void removeLastCharacter();
    // The line shows `shown` after the user edited it. The text changes by the same
    // edit: what the edit left alone keeps its private-use emoji, and what it
    // brought in is taken as typed.
    void applyDisplayEdit(const QString &shown);

private:
    // Where each character of the text starts in the shown text, and its end.
    QList<qsizetype> displayOffsets() const;

    QString text_;
    QString display_;
};
