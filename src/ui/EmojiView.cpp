#include "EmojiView.h"

#include "EmojiMapping.h"

#include <QVariantMap>

#include <cmath>

const std::array<char16_t, EmojiView::kPageCount * EmojiView::kKeysPerPage> &EmojiView::emoji()
{
    static constexpr std::array<char16_t, kPageCount *kKeysPerPage> keys = {
        // page 1
        0xE415, 0xE056, 0xE057, 0xE414, 0xE405, 0xE106, 0xE418, 0xE417, 0xE40D, 0xE40A, 0xE404,
        0xE105, 0xE409, 0xE40E, 0xE402, 0xE108, 0xE403, 0xE058, 0xE407, 0xE401, 0xE40F, 0xE40B,
        0xE406, 0xE413, 0xE411, 0xE412, 0xE410, 0xE107,
        // page 2
        0xE059, 0xE416, 0xE408, 0xE40C, 0xE11A, 0xE10C, 0xE32C, 0xE32A, 0xE32D, 0xE328, 0xE32B,
        0xE022, 0xE023, 0xE327, 0xE329, 0xE32E, 0xE32F, 0xE335, 0xE334, 0xE021, 0xE336, 0xE13C,
        0xE337, 0xE020, 0xE330, 0xE331, 0xE326, 0xE03E,
        // page 3
        0xE11D, 0xE05A, 0xE00E, 0xE421, 0xE420, 0xE00D, 0xE010, 0xE011, 0xE41E, 0xE012, 0xE422,
        0xE22E, 0xE22F, 0xE231, 0xE230, 0xE427, 0xE41D, 0xE00F, 0xE41F, 0xE14C, 0xE201, 0xE115,
        0xE428, 0xE51F, 0xE429, 0xE424, 0xE423, 0xE253,
        // page 4
        0xE426, 0xE111, 0xE425, 0xE31E, 0xE31F, 0xE31D, 0xE001, 0xE002, 0xE005, 0xE004, 0xE51A,
        0xE519, 0xE518, 0xE515, 0xE516, 0xE517, 0xE51B, 0xE152, 0xE04E, 0xE51C, 0xE51E, 0xE11C,
        0xE536, 0xE003, 0xE41C, 0xE41B, 0xE419, 0xE41A};
    return keys;
}

QRectF EmojiView::keyFrame(int page, int index)
{
    return QRectF((index % kColumns) * kKeyWidth + kLeftMargin + kPageWidth * page,
                  (index / kColumns) * kKeyHeight, kKeyWidth, kKeyHeight);
}

EmojiView::EmojiView(EmojiViewDelegate *delegate, QObject *parent)
    : QObject(parent), delegate_(delegate)
{
}

QVariantList EmojiView::keys() const
{
    QVariantList keys;
    for (int i = 0; i < int(emoji().size()); ++i) {
        const QString title(QChar(emoji()[size_t(i)]));
        keys.append(
            QVariantMap{{QStringLiteral("title"), title},
                        {QStringLiteral("shown"), EmojiMapping::displayText(title)},
                        {QStringLiteral("frame"), keyFrame(i / kKeysPerPage, i % kKeysPerPage)}});
    }
    return keys;
}

void EmojiView::setContentOffsetX(double offset)
{
    if (offset == contentOffsetX_)
        return;
    const int page = currentPage();
    contentOffsetX_ = offset;
    emit contentOffsetXChanged();
    if (currentPage() != page)
        emit currentPageChanged();
}

int EmojiView::currentPage() const
{
    return int(std::floor(contentOffsetX_ / kPageWidth));
}

void EmojiView::selectKey(int index)
{
    if (delegate_ && index >= 0 && index < int(emoji().size()))
        delegate_->emojiViewDidSelect(QString(QChar(emoji()[size_t(index)])));
}

void EmojiView::deleteKey()
{
    if (delegate_)
        delegate_->emojiViewShouldDelete();
}

void EmojiView::sendKey()
{
    if (delegate_)
        delegate_->emojiViewShouldSend();
}
