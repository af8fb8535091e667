#pragma once
// The lists of a screen with tabs behind a filter bar: one PagedQuery per tab, and the
// bar's other buttons (a search), each told apart by its tag. A tab shown for the first
// time loads; a tab shown before keeps its rows and page.

#include "PagedQuery.h"

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <vector>

class TabbedQueries : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the list controllers")
    // The bar's buttons in order: {title, tag, isTab}.
    Q_PROPERTY(QVariantList buttons READ buttons CONSTANT)
    Q_PROPERTY(int shownTag READ shownTag NOTIFY shownChanged)
    Q_PROPERTY(PagedQuery *shown READ shown NOTIFY shownChanged)
    // What the shown list says while it has no rows.
    Q_PROPERTY(QString emptyText READ emptyText NOTIFY shownChanged)
    Q_PROPERTY(double barHeight READ barHeight CONSTANT)
    // The screen's title naming the tab shown ("夜店 · 附近"): the bar hides, the title
    // stays.
    Q_PROPERTY(QString title READ title NOTIFY shownChanged)
public:
    // The bar's height: what the table's filter-bar inset reveals above row 0.
    static constexpr double kBarHeight = 60;

    // `show` puts a query in the screen's table (the first tab added, then each switch).
    TabbedQueries(const QString &screenTitle, std::function<void(PagedQuery *)> show,
                  QObject *parent);

    void addTab(const QString &title, int tag, PagedQuery *query, const QString &emptyText = {});
    // A button of the bar that opens something else; its press is reported by `pressed`.
    void addButton(const QString &title, int tag);

    QVariantList buttons() const;
    double barHeight() const { return kBarHeight; }
    int shownTag() const;
    PagedQuery *shown() const;
    QString emptyText() const;
    QString title() const;
    PagedQuery *query(int tag) const;

    // A press of the button with `tag`: a tab shows its list, another button reports.
    Q_INVOKABLE void press(int tag);
    // Asks for the first page of the list shown again.
    Q_INVOKABLE void refresh();
    // Loads the list shown unless it has rows or is loading (the screen coming back).
    void loadShownIfEmpty();

signals:
    void shownChanged();
    void pressed(int tag);

private:
    struct Button {
        QString title;
        int tag;
        PagedQuery *query; // none for a button that is not a tab
        QString emptyText;
    };
    const Button *find(int tag) const;

    QString screenTitle_;
    std::function<void(PagedQuery *)> show_;
    std::vector<Button> buttons_;
    int shownTag_ = -1;
};
