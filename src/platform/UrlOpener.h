#pragma once
// Opens web, telephone and application store addresses with the system's
// handlers. Tests switch the handlers off and read what would have opened.

#include <QList>
#include <QObject>
#include <QSet>
#include <QUrl>

class UrlOpener : public QObject {
    Q_OBJECT
public:
    // The client's page in the application store.
    static inline const QUrl kStorePage =
        QUrl(QStringLiteral("https://store.nuvora.cn/app/nuvora"));
    // Where users rate and review the client in that store.
    static inline const QUrl kReviewPage =
        QUrl(QStringLiteral("https://store.nuvora.cn/app/nuvora/reviews"));

    using QObject::QObject;

    // False when no handler took the address.
    bool open(const QUrl &url);
    // Opens an address the server named only when it is an http or https page.
    bool openWebPage(const QUrl &url);
    // Dials `number` (a checked telephone number); false when nothing can dial.
    bool openTelephone(const QString &number);
    void openStorePage() { open(kStorePage); }
    void openReviewPage() { open(kReviewPage); }

    void setOpensExternally(bool external) { opensExternally_ = external; }
    // Tests: addresses of these schemes find no handler while handlers are off.
    void setSchemesWithoutHandler(const QSet<QString> &schemes) { unhandled_ = schemes; }
    const QList<QUrl> &opened() const { return opened_; }

signals:
    void urlOpened(const QUrl &url);

private:
    bool opensExternally_ = true;
    QSet<QString> unhandled_;
    QList<QUrl> opened_;
};
