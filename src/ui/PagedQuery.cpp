#include "PagedQuery.h"

#include "RequestSlot.h"
#include "api/JSONFetcher.h"
#include "model/JsonFields.h"

namespace json = nuvora::json;

namespace {
const QString kFirstCursor = QStringLiteral("0");
}

PagedQuery::PagedQuery(AppContext &context, QMetaType recordType, Request request, QObject *parent)
    : QObject(parent), request_(std::move(request)), model_(new RecordListModel(recordType, this)),
      slot_(new RequestSlot(context, this))
{
    connect(slot_, &RequestSlot::busyChanged, this, &PagedQuery::busyChanged);
}

PagedQuery::~PagedQuery() = default;

QString PagedQuery::feedCursorOf(const json::Value &lastElement)
{
    return JsonFields::text(JsonFields::child(lastElement, "feed"), "feedid");
}

bool PagedQuery::busy() const
{
    return slot_->busy();
}

void PagedQuery::setTimeoutInterval(double seconds)
{
    slot_->setTimeoutInterval(seconds);
}

void PagedQuery::reload()
{
    slot_->cancel();
    fetch(true);
}

bool PagedQuery::loadMore()
{
    if (busy() || !canLoadMore_)
        return false;
    fetch(false);
    return true;
}

void PagedQuery::cancel()
{
    slot_->cancel();
}

void PagedQuery::startAfresh()
{
    shownParameters_.reset();
    keys_.clear();
    page_ = 1;
    cursor_ = kFirstCursor;
    model_->clear();
    setCanLoadMore(true);
}

void PagedQuery::fetch(bool firstPage)
{
    QVariantMap parameters = request_.parameters ? request_.parameters() : QVariantMap();
    if (shownParameters_ && *shownParameters_ != parameters)
        startAfresh();
    // A later page of rows never shown would be read as a continuation of other rows.
    if (!shownParameters_)
        firstPage = true;
    const QVariantMap sentParameters = parameters;
    const int sentPage = firstPage ? 1 : page_ + 1;
    const QString sentCursor = firstPage ? kFirstCursor : cursor_;
    if (request_.paging == Paging::ByPage)
        parameters.insert(QStringLiteral("page"), QString::number(sentPage));
    else
        parameters.insert(request_.cursorParameter, sentCursor);
    slot_->post(
        request_.script, parameters,
        [this, firstPage, sentPage, sentCursor, sentParameters](const JSONFetcher &reply) {
            if (firstPage)
                shownParameters_ = sentParameters;
            apply(reply.reply(), firstPage, sentPage, sentCursor);
            emit finished(true);
        },
        [this](const JSONFetcher &reply) {
            slot_->alertFailure(reply);
            emit finished(false);
        });
}

void PagedQuery::apply(const json::Value &reply, bool firstPage, int sentPage,
                       const QString &sentCursor)
{
    const json::Value &list = reply[request_.replyKey.toStdString()];
    const json::Array empty;
    const json::Array &elements = list.isArray() ? list.asArray() : empty;

    if (firstPage)
        keys_.clear();
    QVariantList rows;
    rows.reserve(qsizetype(elements.size()));
    for (const json::Value &element : elements) {
        if (!element.isObject() || (request_.accepts && !request_.accepts(element)))
            continue;
        QVariant record = request_.makeRecord(element);
        const QString key = request_.keyOf ? request_.keyOf(record) : QString();
        // Pages ordered by a moving position or by changing counts overlap.
        if (!key.isEmpty() && keys_.contains(key))
            continue;
        if (!key.isEmpty())
            keys_.insert(key);
        rows.append(std::move(record));
    }
    if (firstPage)
        model_->setRecords(std::move(rows));
    else
        model_->append(rows);

    bool more = int(elements.size()) >= std::max(1, request_.fullPageSize);
    if (request_.paging == Paging::ByPage) {
        page_ = sentPage;
    } else {
        // The last element that names a cursor, whether or not it became a row: a page
        // of kinds the screen does not show still moves the list on.
        QString next;
        for (auto it = elements.rbegin(); request_.cursorOf && it != elements.rend(); ++it) {
            if (it->isObject() && !(next = request_.cursorOf(*it)).isEmpty())
                break;
        }
        if (firstPage)
            cursor_ = kFirstCursor;
        // A cursor that does not move would ask for the same page for ever.
        if (next.isEmpty() || next == sentCursor)
            more = false;
        else
            cursor_ = next;
    }
    setCanLoadMore(more);
}

void PagedQuery::setCanLoadMore(bool canLoadMore)
{
    if (canLoadMore == canLoadMore_)
        return;
    canLoadMore_ = canLoadMore;
    emit canLoadMoreChanged();
}

int PagedQuery::rowOf(const QString &key) const
{
    if (key.isEmpty() || !request_.keyOf)
        return -1;
    const QVariantList &records = model_->records();
    for (int row = 0; row < records.size(); ++row) {
        if (request_.keyOf(records.at(row)) == key)
            return row;
    }
    return -1;
}

bool PagedQuery::removeRecord(const QString &key)
{
    const int row = rowOf(key);
    if (row < 0)
        return false;
    model_->removeAt(row);
    keys_.remove(key);
    return true;
}

bool PagedQuery::replaceRecord(const QVariant &record)
{
    const int row = request_.keyOf ? rowOf(request_.keyOf(record)) : -1;
    if (row < 0)
        return false;
    model_->replace(row, record);
    return true;
}
