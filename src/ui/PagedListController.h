#pragma once
// A list screen that pages server data into a RecordListModel. A derived screen names
// its script, reply key and record type (and, if it has them, its own parameters);
// paging by page number or by feed cursor, refresh, load-more, the in-flight guard
// and the failure alert are done here.

#include "BLKTableViewController.h"
#include "RecordListModel.h"
#include "api/JSONFetcher.h"
#include "api/json/JsonValue.h"

#include <QPointer>
#include <QTimer>
#include <QVariantMap>
#include <functional>

class PagedListController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of list screens")
    Q_PROPERTY(RecordListModel *records READ records CONSTANT)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
public:
    enum class Paging {
        ByPage,       // "page" from 1
        ByFeedCursor, // "feedid" from "0", then the last entry's id
    };

    struct ListRequest {
        QString script;
        QString replyKey;
        Paging paging = Paging::ByPage;
        // A reply with fewer elements ends paging (1: any element keeps it open).
        int fullPageSize = 1;
        std::function<QVariant(const nuvora::json::Value &element)> makeRecord;
    };

    // Paging of the lists that reveal a filter bar instead of refreshing by pulling.
    static constexpr int kFilterBarFirstShowMs = 2000;
    static constexpr int kFilterBarPulledShowMs = 10000;
    static constexpr double kFilterBarInset = 60;

    PagedListController(AppContext &context, ListRequest request, QObject *parent = nullptr);
    ~PagedListController() override;

    RecordListModel *records() const { return records_; }
    bool busy() const { return fetcher_ != nullptr; }
    QString feedCursor() const { return feedCursor_; }

    // Asks for the page the cursor points at, unless a list request is in flight.
    void fetch();
    void refresh() override;
    void loadMore() override;

    // The nearby-users, club and party lists keep a bar of filters above row 0: it shows
    // at load and whenever the list is pulled, and their own buttons reload.
    void setRevealsFilterBar(bool reveals) { revealsFilterBar_ = reveals; }
    void setFilterBarTimings(int firstShowMs, int pulledShowMs);

signals:
    void busyChanged();
    // A page arrived and was applied (tests and derived screens).
    void listUpdated();

protected:
    void viewDidLoad() override;
    // The screen's own parameters, added to the paging parameter.
    virtual QVariantMap parameters() const { return {}; }
    bool isFirstPage() const;

private:
    void receivedListResponse(JSONFetcher *fetcher);
    void scheduleRefreshCompleted(int milliseconds);

    ListRequest request_;
    RecordListModel *records_;
    QPointer<JSONFetcher> fetcher_;
    QString feedCursor_ = QStringLiteral("0");
    bool revealsFilterBar_ = false;
    QTimer filterBarTimer_;
    int filterBarFirstShowMs_ = kFilterBarFirstShowMs;
    int filterBarPulledShowMs_ = kFilterBarPulledShowMs;
};
