#include "ChatRow.h"

#include "model/User.h"
#include "ui/EmojiMapping.h"
#include "ui/TextMetrics.h"

namespace {
// The bubble reaches 20 points beyond the label on either side, 10 above and 11 below.
constexpr double kBubbleSidePadding = 20;
constexpr double kBubbleTopPadding = 10;
constexpr double kBubbleExtraWidth = 40;
constexpr double kBubbleExtraHeight = 21;
constexpr double kAvatarSize = 40;
constexpr double kAvatarGap = 8;
// The avatar's bottom sits this far above the bubble's.
constexpr double kAvatarRaise = 3;
// The row holds the text and this much around it.
constexpr double kRowExtraHeight = 55;
} // namespace

ChatRow::ChatRow(const ChatMessage &message, const User &partner, ReceivedLabel receivedLabel)
    : message(message), received(message.senderuid == partner.userId),
      text(EmojiMapping::displayText(message.message))
{
    const double maxWidth = received ? receivedLabel.maxWidth : kSentLabelMaxWidth;
    const QSizeF fitted = TextMetrics::sizeToFit(text, kFontPixelSize, maxWidth);
    const double bubbleWidth = fitted.width() + kBubbleExtraWidth;
    const double bubbleHeight = fitted.height() + kBubbleExtraHeight;
    const double bubbleY = kLabelY - kBubbleTopPadding;
    if (received) {
        labelFrame = QRectF(receivedLabel.x, kLabelY, fitted.width(), fitted.height());
        bubbleFrame =
            QRectF(receivedLabel.x - kBubbleSidePadding, bubbleY, bubbleWidth, bubbleHeight);
        avatar = partner.avatar;
        avatarFrame =
            QRectF(bubbleFrame.x() - kAvatarGap - kAvatarSize,
                   bubbleFrame.bottom() - kAvatarRaise - kAvatarSize, kAvatarSize, kAvatarSize);
    } else {
        labelFrame =
            QRectF(kSentLabelRight - fitted.width(), kLabelY, fitted.width(), fitted.height());
        bubbleFrame = QRectF(kSentBubbleRight - bubbleWidth, bubbleY, bubbleWidth, bubbleHeight);
    }
    // Laid out at the full width the height is the same as fitted.
    rowHeight = fitted.height() + kRowExtraHeight;
}
