#pragma once
// The scroll state of a screen's one table, shared between its QML list and the list
// controller: the view writes the offset, drag state and sizes; the controller and the
// pull-down header set the insets, which the view animates over `insetAnimationMs`.

#include <QObject>
#include <QtQml/qqmlregistration.h>

class TableScroll : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the list controllers")
    // y of the content offset: negative while the content is pulled down past its top.
    Q_PROPERTY(double contentOffsetY READ contentOffsetY WRITE setContentOffsetY NOTIFY
                   contentOffsetYChanged)
    Q_PROPERTY(bool dragging READ dragging WRITE setDragging NOTIFY draggingChanged)
    Q_PROPERTY(double contentHeight READ contentHeight WRITE setContentHeight NOTIFY sizesChanged)
    Q_PROPERTY(double frameHeight READ frameHeight WRITE setFrameHeight NOTIFY sizesChanged)
    Q_PROPERTY(double footerHeight READ footerHeight WRITE setFooterHeight NOTIFY sizesChanged)
    Q_PROPERTY(double topInset READ topInset NOTIFY insetsChanged)
    Q_PROPERTY(int insetAnimationMs READ insetAnimationMs NOTIFY insetsChanged)
public:
    using QObject::QObject;

    double contentOffsetY() const { return contentOffsetY_; }
    bool dragging() const { return dragging_; }
    double contentHeight() const { return contentHeight_; }
    double frameHeight() const { return frameHeight_; }
    double footerHeight() const { return footerHeight_; }
    double topInset() const { return topInset_; }
    int insetAnimationMs() const { return insetAnimationMs_; }

    void setContentHeight(double height);
    void setFrameHeight(double height);
    void setFooterHeight(double height);
    // Every inset but the top one is always 0 in this client.
    void setTopInset(double inset, int animationMs = 0);

    // Called by the view (or tests) as the list moves.
    void setContentOffsetY(double y);
    void setDragging(bool dragging);

signals:
    void contentOffsetYChanged();
    void draggingChanged();
    void sizesChanged();
    void insetsChanged();

private:
    double contentOffsetY_ = 0;
    bool dragging_ = false;
    double contentHeight_ = 0;
    double frameHeight_ = 0;
    double footerHeight_ = 0;
    double topInset_ = 0;
    int insetAnimationMs_ = 0;
};
