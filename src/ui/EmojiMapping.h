#pragma once
// The emoji keyboard's characters are a carrier's private-use characters, which no
// desktop font draws. Stored and sent text keeps them; shown, each stands for the
// standard emoji Unicode's own mapping table gives for it.

#include <QString>

namespace EmojiMapping {

// The standard emoji a private-use character stands for; empty for any other.
QString standardEmoji(QChar character);
// `text` as shown: every mapped private-use character replaced by its emoji.
QString displayText(const QString &text);

} // namespace EmojiMapping
