#pragma once
// The about page: the operator's "/m/about.php" from the web host, shown as limited rich
// text (see StyledTextFilter) with the indicator running while it loads. Its links open
// in the system's browser.

#include "platform/ViewController.h"

#include <QPointer>
#include <QtQml/qqmlregistration.h>

class HTTPFetcher;

class AboutUsViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString pageText READ pageText NOTIFY pageChanged)
    Q_PROPERTY(bool loadFailed READ loadFailed NOTIFY pageChanged)
public:
    static inline const QString kPath = QStringLiteral("/m/about.php");

    explicit AboutUsViewController(AppContext &context, QObject *parent = nullptr);
    ~AboutUsViewController() override;

    // The page as StyledText; empty until it has loaded.
    QString pageText() const { return pageText_; }
    bool loadFailed() const { return loadFailed_; }
    bool busy() const override { return fetcher_ != nullptr; }
    // The page's address on the configured web host.
    QUrl pageUrl() const;

    // A link of the page was tapped.
    Q_INVOKABLE void openLink(const QString &link);

signals:
    void pageChanged();

protected:
    void viewDidLoad() override;

private:
    void loaded(HTTPFetcher *fetcher);

    QPointer<HTTPFetcher> fetcher_;
    QString pageText_;
    bool loadFailed_ = false;
};
