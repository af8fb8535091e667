#include "TabbedQueries.h"

#include <algorithm>

TabbedQueries::TabbedQueries(const QString &screenTitle, std::function<void(PagedQuery *)> show,
                             QObject *parent)
    : QObject(parent), screenTitle_(screenTitle), show_(std::move(show))
{
}

void TabbedQueries::addTab(const QString &title, int tag, PagedQuery *query,
                           const QString &emptyText)
{
    buttons_.push_back({title, tag, query, emptyText});
    if (shownTag_ == -1) {
        shownTag_ = tag;
        show_(query);
    }
}

void TabbedQueries::addButton(const QString &title, int tag)
{
    buttons_.push_back({title, tag, nullptr, {}});
}

QVariantList TabbedQueries::buttons() const
{
    QVariantList list;
    for (const Button &button : buttons_) {
        list.append(QVariantMap{{QStringLiteral("title"), button.title},
                                {QStringLiteral("tag"), button.tag},
                                {QStringLiteral("isTab"), button.query != nullptr}});
    }
    return list;
}

const TabbedQueries::Button *TabbedQueries::find(int tag) const
{
    const auto it = std::find_if(buttons_.begin(), buttons_.end(),
                                 [tag](const Button &button) { return button.tag == tag; });
    return it == buttons_.end() ? nullptr : &*it;
}

int TabbedQueries::shownTag() const
{
    return shownTag_;
}

PagedQuery *TabbedQueries::shown() const
{
    return query(shownTag_);
}

QString TabbedQueries::emptyText() const
{
    const Button *button = find(shownTag_);
    return button ? button->emptyText : QString();
}

QString TabbedQueries::title() const
{
    const Button *button = find(shownTag_);
    return button ? QStringLiteral("%1 · %2").arg(screenTitle_, button->title) : screenTitle_;
}

PagedQuery *TabbedQueries::query(int tag) const
{
    const Button *button = find(tag);
    return button ? button->query : nullptr;
}

void TabbedQueries::press(int tag)
{
    const Button *button = find(tag);
    if (!button)
        return;
    if (!button->query) {
        emit pressed(tag);
        return;
    }
    if (tag == shownTag_)
        return;
    shownTag_ = tag;
    show_(button->query);
    emit shownChanged();
    loadShownIfEmpty();
}

void TabbedQueries::refresh()
{
    if (PagedQuery *query = shown())
        query->reload();
}

void TabbedQueries::loadShownIfEmpty()
{
    PagedQuery *query = shown();
    if (query && query->model()->count() == 0 && !query->busy())
        query->reload();
}
