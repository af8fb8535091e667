#pragma once
// Posting a mood: a text of at most 160 units, not empty, and the comment check box.
// The server's message confirms it, and the form closes.

#include "PostFormViewController.h"

#include <QtQml/qqmlregistration.h>

class MoodPostViewController : public PostFormViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
public:
    static constexpr int kMaxContent = 160;
    static inline const QString kScript = QStringLiteral("my_mood_post.php");
    static inline const QString kEmptyTitle = QStringLiteral("至少说点什么吧！");

    explicit MoodPostViewController(AppContext &context, QObject *parent = nullptr);

protected:
    void commit(const Composer::Draft &draft) override;
};
