#pragma once
// The layout of a venue's page below its fixed top part: the description label sized
// to its text, the panel under it (the label's height + 13), the block below it 8
// points under the panel, and the scrolling height that ends 20 points below that.

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class VenuePageLayout : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the venue pages")
    Q_PROPERTY(double descriptionX READ descriptionX CONSTANT)
    Q_PROPERTY(double descriptionY READ descriptionY CONSTANT)
    Q_PROPERTY(double descriptionWidth READ descriptionWidth CONSTANT)
    Q_PROPERTY(int descriptionFontSize READ descriptionFontSize CONSTANT)
    Q_PROPERTY(double descriptionHeight READ descriptionHeight NOTIFY changed)
    Q_PROPERTY(double descriptionPanelY READ descriptionPanelY CONSTANT)
    Q_PROPERTY(double descriptionPanelHeight READ descriptionPanelHeight NOTIFY changed)
    Q_PROPERTY(double bottomBlockY READ bottomBlockY NOTIFY changed)
    Q_PROPERTY(double bottomBlockHeight READ bottomBlockHeight CONSTANT)
    Q_PROPERTY(double contentWidth READ contentWidth CONSTANT)
    Q_PROPERTY(double contentHeight READ contentHeight NOTIFY changed)
public:
    static constexpr double kDescriptionX = 18;
    static constexpr double kDescriptionWidth = 285;
    static constexpr int kDescriptionFontSize = 14;
    // The panel starts above the label, so that its text sits inside the panel.
    static constexpr double kPanelAboveLabel = 6;
    static constexpr double kDescriptionPanelPadding = 13;
    static constexpr double kBottomBlockGap = 8;
    static constexpr double kContentBottomMargin = 20;
    static constexpr double kContentWidth = 320;

    // `descriptionY`: where the page puts its description label; `bottomBlockHeight`:
    // the height of what follows the description.
    VenuePageLayout(double descriptionY, double bottomBlockHeight, QObject *parent = nullptr);

    double descriptionX() const { return kDescriptionX; }
    double descriptionY() const { return descriptionY_; }
    double descriptionWidth() const { return kDescriptionWidth; }
    int descriptionFontSize() const { return kDescriptionFontSize; }
    double descriptionHeight() const { return descriptionHeight_; }
    double descriptionPanelY() const { return descriptionY_ - kPanelAboveLabel; }
    double descriptionPanelHeight() const { return descriptionHeight_ + kDescriptionPanelPadding; }
    double bottomBlockY() const
    {
        return descriptionPanelY() + descriptionPanelHeight() + kBottomBlockGap;
    }
    double bottomBlockHeight() const { return bottomBlockHeight_; }
    double contentWidth() const { return kContentWidth; }
    double contentHeight() const
    {
        return bottomBlockY() + bottomBlockHeight_ + kContentBottomMargin;
    }

    // Sizes the description label to fit `description`.
    void setDescription(const QString &description);

signals:
    void changed();

private:
    double descriptionY_;
    double bottomBlockHeight_;
    double descriptionHeight_ = 0;
};
