#pragma once
// One paged server list: its request, its rows, the page number or cursor, whether
// more may exist, and whether a request is out. A screen holds one per list (one per
// tab). A reply applies to the page it was asked for; reloading cancels the request in
// flight; a failed load-more keeps the page number; a later page skips records already
// listed, and rows of kinds the screen does not show, while `canLoadMore` and the cursor
// follow the reply's own list. New parameters (a filter, a search) start paging afresh.

#include "RecordListModel.h"
#include "api/json/JsonValue.h"

#include <QObject>
#include <QSet>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

class AppContext;
class JSONFetcher;
class RequestSlot;

class PagedQuery : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the list controllers")
    Q_PROPERTY(RecordListModel *model READ model CONSTANT)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(bool canLoadMore READ canLoadMore NOTIFY canLoadMoreChanged)
public:
    enum class Paging {
        ByPage,   // "page" from 1
        ByCursor, // a cursor parameter from "0", then read from the last element
    };

    struct Request {
        QString script;
        QString replyKey;
        // Builds one row from an object element of the reply's list.
        std::function<QVariant(const nuvora::json::Value &element)> makeRecord;
        // The identity of a row, for skipping repeats across pages; empty never repeats.
        std::function<QString(const QVariant &record)> keyOf;
        // Whether an element becomes a row; a list without it shows every object.
        std::function<bool(const nuvora::json::Value &element)> accepts;
        Paging paging = Paging::ByPage;
        QString cursorParameter = QStringLiteral("feedid");
        // Cursor lists: where the next page starts, read from the reply's last element.
        std::function<QString(const nuvora::json::Value &lastElement)> cursorOf;
        // A reply with fewer elements ends paging.
        int fullPageSize = 1;
        // The screen's own parameters (filters), read whenever a request goes out.
        std::function<QVariantMap()> parameters;
    };

    // The request for rows of `Record`, built from each element by `make` and known by
    // their `recordKey()`.
    template <class Record, class Make>
    static Request listOf(QString script, QString replyKey, Make make)
    {
        Request request;
        request.script = std::move(script);
        request.replyKey = std::move(replyKey);
        request.makeRecord = [make](const nuvora::json::Value &element) {
            return QVariant::fromValue<Record>(make(element));
        };
        request.keyOf = [](const QVariant &record) { return record.value<Record>().recordKey(); };
        return request;
    }

    // A feed: entries paged by the "feedid" of the "feed" object inside each element.
    template <class Record, class Make>
    static Request feedOf(QString script, QString replyKey, Make make)
    {
        Request request = listOf<Record>(std::move(script), std::move(replyKey), std::move(make));
        request.paging = Paging::ByCursor;
        request.cursorOf = feedCursorOf;
        return request;
    }
    static QString feedCursorOf(const nuvora::json::Value &lastElement);

    PagedQuery(AppContext &context, QMetaType recordType, Request request,
               QObject *parent = nullptr);
    template <class Record>
    static PagedQuery *of(AppContext &context, Request request, QObject *parent)
    {
        return new PagedQuery(context, QMetaType::fromType<Record>(), std::move(request), parent);
    }
    ~PagedQuery() override;

    RecordListModel *model() const { return model_; }
    bool busy() const;
    bool canLoadMore() const { return canLoadMore_; }
    // The page of the rows shown (1 before the first reply); cursor lists: the cursor.
    int page() const { return page_; }
    QString cursor() const { return cursor_; }
    const Request &request() const { return request_; }

    // Asks for the first page again, dropping a request in flight. When the screen's
    // parameters changed since the rows shown were asked for, those rows go at once.
    void reload();
    // Asks for the next page; false when a request is out or paging has ended. Until a
    // first page of the current parameters has arrived, that page is asked for.
    bool loadMore();
    // Drops the request in flight.
    void cancel();
    // The row whose record has `key`; -1 when none has.
    int rowOf(const QString &key) const;
    // Removes the row whose record has `key` (a deleted comment, photo or relation).
    bool removeRecord(const QString &key);
    // Puts `record` in place of the row with its key (a record changed on its page).
    bool replaceRecord(const QVariant &record);

    // Shortens the requests' time-out (tests).
    void setTimeoutInterval(double seconds);

signals:
    void busyChanged();
    void canLoadMoreChanged();
    // A reply was handled, successful or not; the screen's header and footer settle.
    void finished(bool succeeded);

private:
    void fetch(bool firstPage);
    void apply(const nuvora::json::Value &reply, bool firstPage, int sentPage,
               const QString &sentCursor);
    void setCanLoadMore(bool canLoadMore);
    // Forgets the rows and paging of parameters no longer asked for.
    void startAfresh();

    Request request_;
    RecordListModel *model_;
    RequestSlot *slot_;
    QSet<QString> keys_;
    int page_ = 1;
    QString cursor_ = QStringLiteral("0");
    bool canLoadMore_ = true;
    // The parameters the rows shown were asked with; none before a first page arrived.
    std::optional<QVariantMap> shownParameters_;
};
