#pragma once
// The emoji keyboard: four pages of 28 keys in 4 rows of 7, scrolled sideways, with
// a page indicator, a delete key and a send key. Keys carry private-use emoji; each
// shows the standard emoji it stands for. Comment and posting screens reuse it.

#include <QChar>
#include <QObject>
#include <QRectF>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <array>

// Told of the keyboard's keys; each operation is optional.
class EmojiViewDelegate {
public:
    virtual ~EmojiViewDelegate() = default;
    virtual void emojiViewDidSelect(const QString &emoji) { Q_UNUSED(emoji) }
    virtual void emojiViewShouldDelete() {}
    virtual void emojiViewShouldSend() {}
};

class EmojiView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the screens that show it")
    Q_PROPERTY(int pageCount READ pageCount CONSTANT)
    Q_PROPERTY(double pageWidth READ pageWidth CONSTANT)
    Q_PROPERTY(double height READ height CONSTANT)
    Q_PROPERTY(double contentWidth READ contentWidth CONSTANT)
    Q_PROPERTY(QVariantList keys READ keys CONSTANT)
    Q_PROPERTY(double contentOffsetX READ contentOffsetX WRITE setContentOffsetX NOTIFY
                   contentOffsetXChanged)
    Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)
public:
    static constexpr int kPageCount = 4;
    static constexpr int kColumns = 7;
    static constexpr int kRows = 4;
    static constexpr int kKeysPerPage = kColumns * kRows;
    static constexpr double kPageWidth = 320;
    static constexpr double kHeight = 216;
    static constexpr double kKeyWidth = 45;
    static constexpr double kKeyHeight = 43;
    static constexpr double kLeftMargin = 2.5;

    // The keys' characters, page by page.
    static const std::array<char16_t, kPageCount * kKeysPerPage> &emoji();
    // Key `index` of page `page`, both from 0, in the scrolled content.
    static QRectF keyFrame(int page, int index);

    // `delegate` is not owned; it must outlive the keyboard or be cleared first.
    explicit EmojiView(EmojiViewDelegate *delegate, QObject *parent = nullptr);

    int pageCount() const { return kPageCount; }
    double pageWidth() const { return kPageWidth; }
    double height() const { return kHeight; }
    double contentWidth() const { return kPageWidth * kPageCount; }
    // Each key: "title" (its character), "shown" (its emoji) and its frame.
    QVariantList keys() const;
    double contentOffsetX() const { return contentOffsetX_; }
    void setContentOffsetX(double offset);
    int currentPage() const;

    // The key at `index` of all keys, counted page by page.
    Q_INVOKABLE void selectKey(int index);
    Q_INVOKABLE void deleteKey();
    Q_INVOKABLE void sendKey();

signals:
    void contentOffsetXChanged();
    void currentPageChanged();

private:
    EmojiViewDelegate *delegate_;
    double contentOffsetX_ = 0;
};
