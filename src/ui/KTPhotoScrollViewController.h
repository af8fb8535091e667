#pragma once
// The full-screen photo viewer: a horizontally paged strip of zoomable photos with a
// 20-point gutter between pages, a title "n/count", previous and next buttons, and
// bars that fade out on their own. Only the current page and its neighbours are kept.
// The view reports the strip's offset and the gestures; the controller decides pages,
// zoom, paging at a zoomed photo's edge, the bars and the taps' timing.

#include "KTPhotoBrowserDataSource.h"
#include "KTPhotoView.h"
#include "platform/ViewController.h"

#include <QList>
#include <QPointF>
#include <QQmlListProperty>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <vector>

class ClockTimer;

class KTPhotoScrollViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title NOTIFY indexChanged)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY indexChanged)
    Q_PROPERTY(int photoCount READ photoCount CONSTANT)
    Q_PROPERTY(bool previousEnabled READ previousEnabled NOTIFY indexChanged)
    Q_PROPERTY(bool nextEnabled READ nextEnabled NOTIFY indexChanged)
    Q_PROPERTY(bool chromeHidden READ isChromeHidden NOTIFY chromeChanged)
    Q_PROPERTY(int chromeFadeMs READ chromeFadeMs CONSTANT)
    Q_PROPERTY(double stripX READ stripX CONSTANT)
    Q_PROPERTY(double stripWidth READ stripWidth NOTIFY layoutChanged)
    Q_PROPERTY(double stripHeight READ stripHeight NOTIFY layoutChanged)
    Q_PROPERTY(double contentWidth READ contentWidth NOTIFY layoutChanged)
    Q_PROPERTY(double scrollTargetX READ scrollTargetX NOTIFY scrollTargetChanged)
    Q_PROPERTY(bool scrollAnimated READ scrollAnimated NOTIFY scrollTargetChanged)
    Q_PROPERTY(int scrollAnimationMs READ scrollAnimationMs CONSTANT)
    Q_PROPERTY(QQmlListProperty<KTPhotoView> photoViews READ photoViewList NOTIFY photoViewsChanged)
public:
    static constexpr double kGutter = 20;
    static constexpr int kChromeHideMs = 5000;
    static constexpr int kChromeFadeMs = 400;
    static constexpr int kTapDelayMs = 500;
    static constexpr int kScrollAnimationMs = 300;
    // The content area below the status bar until the view reports its size.
    static constexpr double kDefaultWidth = 320;
    static constexpr double kDefaultHeight = 460;
    // A release this fast (points per second) turns the page even when moved little.
    static constexpr double kFlickVelocity = 300;

    KTPhotoScrollViewController(AppContext &context,
                                std::unique_ptr<KTPhotoBrowserDataSource> dataSource,
                                int startWithIndex, QObject *parent = nullptr);
    ~KTPhotoScrollViewController() override;

    bool followsOrientation() const override { return true; }

    QString title() const;
    int currentIndex() const { return currentIndex_; }
    int photoCount() const { return photoCount_; }
    bool previousEnabled() const { return photoCount_ > 0 && currentIndex_ > 0; }
    bool nextEnabled() const { return currentIndex_ < photoCount_ - 1; }
    bool isChromeHidden() const { return chromeHidden_; }
    int chromeFadeMs() const { return kChromeFadeMs; }
    bool isChromeHideTimerActive() const;

    double stripX() const { return -kGutter; }
    double stripWidth() const { return viewWidth_ + 2 * kGutter; }
    double stripHeight() const { return viewHeight_; }
    double contentWidth() const { return std::max(photoCount_, 1) * stripWidth(); }
    double scrollTargetX() const { return scrollTargetX_; }
    bool scrollAnimated() const { return scrollAnimated_; }
    int scrollAnimationMs() const { return kScrollAnimationMs; }
    // The strip's offset as the view last reported it.
    double contentOffsetX() const { return contentOffsetX_; }

    // The page of photo `index` when it is loaded.
    KTPhotoView *photoViewAt(int index) const;
    QQmlListProperty<KTPhotoView> photoViewList();
    QList<int> loadedIndexes() const;

    int firstVisiblePageIndexBeforeRotation() const { return firstVisiblePageIndexBeforeRotation_; }
    double percentScrolledIntoFirstVisiblePage() const
    {
        return percentScrolledIntoFirstVisiblePage_;
    }

    Q_INVOKABLE void nextPhoto();
    Q_INVOKABLE void previousPhoto();
    Q_INVOKABLE void toggleChromeDisplay();
    Q_INVOKABLE void hideChrome();
    Q_INVOKABLE void showChrome();
    void scrollToIndex(int index, bool animated = true);
    void setCurrentIndex(int index);

    // The view's size (a window resized stands in for a turned phone): the page, how far
    // into it the strip was scrolled and each page's zoom are kept.
    Q_INVOKABLE void setViewSize(double width, double height);
    // The strip moved (dragged, or animated towards `scrollTargetX`).
    Q_INVOKABLE void scrollViewDidScroll(double offsetX);
    // Gestures, in the view's coordinates.
    Q_INVOKABLE void scrollViewWillBeginDragging();
    Q_INVOKABLE void dragBy(double dx, double dy);
    Q_INVOKABLE void scrollViewDidEndDragging(double velocityX);
    Q_INVOKABLE void photoTapped(double x, double y);
    Q_INVOKABLE void pinchBy(double factor, double x, double y);
    Q_INVOKABLE void wheelBy(double angleDelta, double x, double y);

signals:
    void indexChanged();
    void chromeChanged();
    void layoutChanged();
    void scrollTargetChanged();
    void photoViewsChanged();

protected:
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    QRectF frameForPage(int index) const;
    void loadPhoto(int index);
    void unloadPhoto(int index);
    bool isPageVisible(int index) const;
    // The page under the middle of the view, and a view point in that page's terms.
    int centredPage() const;
    QPointF pagePoint(int page, double x, double y) const;
    void setScrollTarget(double x, bool animated);
    void startChromeHideTimer();
    int clampedIndex(int index) const { return std::clamp(index, 0, std::max(photoCount_ - 1, 0)); }

    std::unique_ptr<KTPhotoBrowserDataSource> dataSource_;
    int startWithIndex_;
    int photoCount_;
    int currentIndex_ = 0;
    std::vector<KTPhotoView *> photoViews_;
    // The loaded pages in order, as the view lists them.
    QList<KTPhotoView *> loadedViews_;
    bool chromeHidden_ = false;
    ClockTimer *chromeHideTimer_;
    ClockTimer *tapTimer_;
    double viewWidth_ = kDefaultWidth;
    double viewHeight_ = kDefaultHeight;
    double contentOffsetX_ = 0;
    double scrollTargetX_ = 0;
    bool scrollAnimated_ = false;
    int dragStartPage_ = 0;
    int firstVisiblePageIndexBeforeRotation_ = 0;
    double percentScrolledIntoFirstVisiblePage_ = 0;
};
