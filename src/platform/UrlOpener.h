#pragma once
// Opens web, telephone and application store addresses with the system's
// handlers. Tests switch the handlers off and read what would have opened.

#include <QList>
#include <QObject>
#include <QUrl>

class UrlOpener : public QObject {
    Q_OBJECT
public:
    // The client's page in the application store.
    static inline const QUrl kStorePage =
        QUrl(QStringLiteral("https://store.nuvora.cn/app/nuvora"));

    using QObject::QObject;

    void open(const QUrl &url);
    // Opens an address the server named only when it is an http or https page.
    void openWebPage(const QUrl &url);
    void openTelephone(const QString &number);
    void openStorePage() { open(kStorePage); }

    void setOpensExternally(bool external) { opensExternally_ = external; }
    const QList<QUrl> &opened() const { return opened_; }

signals:
    void urlOpened(const QUrl &url);

private:
    bool opensExternally_ = true;
    QList<QUrl> opened_;
};
