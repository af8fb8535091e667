#include "MessageBoxRow.h"

#include "ui/EmojiMapping.h"

MessageBoxRow::MessageBoxRow(const MessageBox &box)
    : box(box), message(EmojiMapping::displayText(box.message)),
      subtitle(box.count
                   ? QStringLiteral("%1条新消息，%2").arg(QString::number(box.count), box.time)
                   : box.time),
      subtitleColor(box.count ? kUnreadColor : kReadColor)
{
}
