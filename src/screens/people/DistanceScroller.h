#pragma once
// The distance bubble beside a user list's scroll thumb: while the list is dragged it
// rides on the thumb and names the distance of the row under it; once the list rests
// it fades away. The list answers which row lies where and that row's distance.

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class Clock;
class ClockTimer;
class TableScroll;

class DistanceScrollerDelegate {
public:
    virtual ~DistanceScrollerDelegate() = default;
    virtual TableScroll *tableViewForDistanceScroller() = 0;
    // The row at `contentY` (0 is the top of row 0); -1 where there is none (the bar
    // above the rows, the footer, an empty list).
    virtual int rowAtContentY(double contentY) const = 0;
    virtual QString distanceForCell(int row) const = 0;
};

class DistanceScroller : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the nearby list")
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(bool shown READ shown NOTIFY shownChanged)
    Q_PROPERTY(double thumbY READ thumbY NOTIFY thumbChanged)
    Q_PROPERTY(double thumbHeight READ thumbHeight NOTIFY thumbChanged)
    Q_PROPERTY(double centerY READ centerY NOTIFY thumbChanged)
    Q_PROPERTY(bool thumbShown READ thumbShown NOTIFY thumbChanged)
    Q_PROPERTY(double width READ width CONSTANT)
    Q_PROPERTY(double imageWidth READ imageWidth CONSTANT)
    Q_PROPERTY(double labelHeight READ labelHeight CONSTANT)
    Q_PROPERTY(double indicatorWidth READ indicatorWidth CONSTANT)
    Q_PROPERTY(double hiddenShift READ hiddenShift CONSTANT)
    Q_PROPERTY(int showMs READ showMs CONSTANT)
    Q_PROPERTY(int hideMs READ hideMs CONSTANT)
public:
    static constexpr double kWidth = 320;
    static constexpr double kImageWidth = 58;
    static constexpr double kLabelHeight = 18;
    static constexpr double kIndicatorWidth = 7;
    static constexpr double kMinimumThumbHeight = 36;
    static constexpr double kHiddenShift = 10;
    static constexpr int kShowMs = 200;
    static constexpr int kHideDelayMs = 1000;
    static constexpr int kHideMs = 300;

    DistanceScroller(DistanceScrollerDelegate &delegate, Clock &clock, QObject *parent = nullptr);

    QString text() const { return text_; }
    // Opaque and in place while shown; transparent and shifted right otherwise. With no
    // row under it (the list pulled down over its bar, or empty) it names nothing, and
    // an empty bubble is not shown.
    bool shown() const { return shown_ && !text_.isEmpty(); }
    // The scroll thumb, in the table's visible frame.
    double thumbY() const { return thumbY_; }
    double thumbHeight() const { return thumbHeight_; }
    double centerY() const { return thumbY_ + thumbHeight_ / 2; }
    bool thumbShown() const { return thumbShown_; }
    double width() const { return kWidth; }
    double imageWidth() const { return kImageWidth; }
    double labelHeight() const { return kLabelHeight; }
    double indicatorWidth() const { return kIndicatorWidth; }
    double hiddenShift() const { return kHiddenShift; }
    int showMs() const { return kShowMs; }
    int hideMs() const { return kHideMs; }

    // The table's scroll events.
    void scrollViewWillBeginDragging();
    void scrollViewDidScroll();
    void scrollViewDidEndDecelerating();

signals:
    void textChanged();
    void shownChanged();
    void thumbChanged();

private:
    void follow();
    void setShown(bool shown);

    DistanceScrollerDelegate &delegate_;
    ClockTimer *hideTimer_;
    QString text_;
    bool shown_ = false;
    bool thumbShown_ = false;
    double thumbY_ = 0;
    double thumbHeight_ = 0;
};
