#pragma once
// The footer of a paged table: whether more can be loaded, and a spinner while it loads.

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class LoadMoreFooterView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the list controllers")
    Q_PROPERTY(QString infoText READ infoText NOTIFY changed)
    Q_PROPERTY(bool loading READ loading NOTIFY changed)
public:
    static constexpr double kHeight = 44;
    static inline const QString kLoadingText = QStringLiteral("加载中...");
    static inline const QString kMoreText = QStringLiteral("上拉加载更多");
    static inline const QString kAllLoadedText = QStringLiteral("已加载完全部");

    using QObject::QObject;

    QString infoText() const { return infoText_; }
    bool loading() const { return loading_; }

    void startLoading();
    void stopLoading(bool canLoadMore);

signals:
    void changed();

private:
    QString infoText_ = kMoreText;
    bool loading_ = false;
};
