#pragma once
// The pull-down header above a table's first row: pulled beyond 65 points it offers to
// refresh, released at 40 points or more it asks its delegate to refresh and stays in
// view (top inset 60) until the screen reports the end of loading.

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>
#include <optional>

class SettingsStore;
class TableScroll;

// What the header asks its owning screen. A screen that does not answer a question
// leaves the default: nothing happens, not loading, no date.
class EGORefreshTableHeaderDelegate {
public:
    virtual ~EGORefreshTableHeaderDelegate() = default;
    virtual void egoRefreshTableHeaderDidTriggerRefresh() {}
    virtual bool egoRefreshTableHeaderDataSourceIsLoading() { return false; }
    virtual std::optional<QDateTime> egoRefreshTableHeaderDataSourceLastUpdated()
    {
        return std::nullopt;
    }
};

class EGORefreshTableHeaderView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the list controllers")
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
    Q_PROPERTY(QString lastUpdatedText READ lastUpdatedText NOTIFY lastUpdatedTextChanged)
    Q_PROPERTY(bool arrowTurned READ arrowTurned NOTIFY stateChanged)
    Q_PROPERTY(bool arrowAnimated READ arrowAnimated NOTIFY stateChanged)
    Q_PROPERTY(bool arrowVisible READ arrowVisible NOTIFY stateChanged)
    Q_PROPERTY(bool spinning READ spinning NOTIFY stateChanged)
    Q_PROPERTY(double height READ height NOTIFY heightChanged)
    Q_PROPERTY(double lastUpdatedLabelY READ lastUpdatedLabelY NOTIFY heightChanged)
    Q_PROPERTY(double statusLabelY READ statusLabelY NOTIFY heightChanged)
    Q_PROPERTY(double arrowY READ arrowY NOTIFY heightChanged)
    Q_PROPERTY(double spinnerY READ spinnerY NOTIFY heightChanged)
public:
    enum State { Pulling, Normal, Loading };
    Q_ENUM(State)

    static constexpr double kPullingThreshold = 65;
    static constexpr double kTriggerThreshold = 40;
    static constexpr double kLoadingInset = 60;
    static constexpr int kArrowFlipMs = 180;
    static constexpr int kShowInsetMs = 200;
    static constexpr int kHideInsetMs = 300;
    static inline const QString kLastRefreshKey = QStringLiteral("EGORefreshTableView_LastRefresh");

    // `height` is the table's visible height; the header sits at y = -height.
    EGORefreshTableHeaderView(double height, SettingsStore &settings, QObject *parent = nullptr);

    void setDelegate(EGORefreshTableHeaderDelegate *delegate) { delegate_ = delegate; }

    State state() const { return state_; }
    QString statusText() const;
    QString lastUpdatedText() const { return lastUpdatedText_; }
    bool arrowTurned() const { return state_ == Pulling; }
    bool arrowAnimated() const { return arrowAnimated_; }
    bool arrowVisible() const { return state_ != Loading; }
    bool spinning() const { return state_ == Loading; }
    double height() const { return height_; }
    void setHeight(double height);
    double lastUpdatedLabelY() const { return height_ - 30; }
    double statusLabelY() const { return height_ - 48; }
    double arrowY() const { return height_ - 65; }
    double spinnerY() const { return height_ - 38; }

    void setState(State state);
    void refreshLastUpdatedDate();

    void egoRefreshScrollViewDidScroll(TableScroll &scroll);
    void egoRefreshScrollViewDidEndDragging(TableScroll &scroll);
    void egoRefreshScrollViewDataSourceDidFinishedLoading(TableScroll &scroll);

signals:
    void stateChanged();
    void lastUpdatedTextChanged();
    void heightChanged();

private:
    bool delegateIsLoading() const;

    double height_;
    SettingsStore &settings_;
    EGORefreshTableHeaderDelegate *delegate_ = nullptr;
    State state_ = Normal;
    bool arrowAnimated_ = false;
    QString lastUpdatedText_;
};
