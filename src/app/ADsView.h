#pragma once
// The rotating advertisement banner of the club and party lists: n pages plus an extra
// one repeating the first, advanced every 8 s (3 s after the user dragged it), wrapping
// around at both ends.

#include "model/Advertisement.h"

#include <QObject>
#include <QRectF>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

class ADsView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the list screens")
    Q_PROPERTY(int pages READ pages CONSTANT)
    Q_PROPERTY(QStringList pageImages READ pageImages CONSTANT)
    Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)
    Q_PROPERTY(double pageWidth READ pageWidth CONSTANT)
    Q_PROPERTY(double scrollHeight READ scrollHeight CONSTANT)
    Q_PROPERTY(QRectF pageControlFrame READ pageControlFrame CONSTANT)
public:
    static constexpr double kPageWidth = 320;
    static constexpr double kScrollHeight = 110;
    static constexpr QRectF kPageControlFrame{88, 83, 145, 36};
    static constexpr int kAutoAdvanceMs = 8000;
    static constexpr int kAfterDragMs = 3000;

    explicit ADsView(std::vector<AdItem> items, QObject *parent = nullptr);

    int pages() const { return int(items_.size()); }
    // One image address per scroll page: the items, then the first item again.
    QStringList pageImages() const;
    int currentPage() const { return currentPage_; }
    double pageWidth() const { return kPageWidth; }
    double scrollHeight() const { return kScrollHeight; }
    QRectF pageControlFrame() const { return kPageControlFrame; }
    double contentOffsetX() const { return offsetX_; }
    bool timerRunning() const { return timer_.isActive(); }
    int timerInterval() const { return timer_.interval(); }

    void setTimerIntervals(int autoAdvanceMs, int afterDragMs);

    // Timer step: on to the next item, from the last back to the first.
    Q_INVOKABLE void animateADs();
    // The page indicator was changed by the user.
    Q_INVOKABLE void changePage(int page);
    // The tapped page's button; the extra page reports item 0.
    Q_INVOKABLE void adButtonTapped(int page);
    // Scroll-area events reported by the view.
    Q_INVOKABLE void scrollViewDidScroll(double x);
    Q_INVOKABLE void scrollViewWillBeginDragging();
    Q_INVOKABLE void scrollViewDidEndDragging();
    Q_INVOKABLE void scrollViewWillBeginDecelerating();

signals:
    void currentPageChanged();
    // The view scrolls to `x`, animated or at once.
    void scrollRequested(double x, bool animated);
    void clickWhichADButton(int index);

private:
    void scrollTo(double x, bool animated);
    void setCurrentPage(int page);
    void startTimer(int milliseconds);

    std::vector<AdItem> items_;
    int currentPage_ = 0;
    double offsetX_ = 0;
    QTimer timer_;
    int autoAdvanceMs_ = kAutoAdvanceMs;
    int afterDragMs_ = kAfterDragMs;
};
