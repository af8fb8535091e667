#pragma once
// Feedback to the operator: a multi-line text, sent unless empty. A success is thanked for
// and closes the form; a failure shows nothing and keeps the text for another try.

#include "screens/photos/ComposerFormViewController.h"

#include <QtQml/qqmlregistration.h>

class BugReportViewController : public ComposerFormViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
public:
    static inline const QString kScript = QStringLiteral("yijian.php");
    static inline const QString kThanksTitle = QStringLiteral("提交成功!");
    static inline const QString kThanksMessage =
        QStringLiteral("非常感谢您的建议,我们会不断根据建议完善产品!");

    explicit BugReportViewController(AppContext &context, QObject *parent = nullptr);

protected:
    void commit(const Composer::Draft &draft) override;
};
