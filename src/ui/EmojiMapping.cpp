#include "EmojiMapping.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    char16_t character;
    char32_t codes[4];
};

constexpr Entry kTable[] = {
#include "EmojiTable.inc"
};

const Entry *find(QChar character)
{
    const auto found = std::lower_bound(
        std::begin(kTable), std::end(kTable), character.unicode(),
        [](const Entry &entry, char16_t wanted) { return entry.character < wanted; });
    return found != std::end(kTable) && found->character == character.unicode() ? found : nullptr;
}

} // namespace

namespace EmojiMapping {

QString standardEmoji(QChar character)
{
    const Entry *entry = find(character);
    if (!entry)
        return {};
    QString emoji;
    for (char32_t code : entry->codes) {
        if (code)
            emoji += QString::fromUcs4(&code, 1);
    }
    return emoji;
}

QString displayText(const QString &text)
{
    QString shown;
    shown.reserve(text.size() * 2);
    for (QChar character : text) {
        const QString emoji =
            character.category() == QChar::Other_PrivateUse ? standardEmoji(character) : QString();
        if (emoji.isEmpty())
            shown += character;
        else
            shown += emoji;
    }
    return shown;
}

} // namespace EmojiMapping
