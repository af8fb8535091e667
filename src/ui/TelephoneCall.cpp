#include "TelephoneCall.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/UrlOpener.h"

#include <QClipboard>
#include <QGuiApplication>

namespace TelephoneCall {

namespace {

bool isNumberPiece(const QString &piece)
{
    bool digits = false;
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const QChar c = piece.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits = true;
        else if (!(c == QLatin1Char('+') && i == 0) && c != QLatin1Char('-')
                 && c != QLatin1Char('(') && c != QLatin1Char(')'))
            return false;
    }
    return digits;
}

void dial(AppContext &context, const QString &number)
{
    if (context.urlOpener().openTelephone(number))
        return;
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        application->clipboard()->setText(number);
    context.alerts().showCommonAlert(number, kNoDialer);
}

} // namespace

std::optional<QString> dialableNumber(const QString &telephoneText)
{
    // trimmed() also drops the ideographic space (U+3000) a Chinese keyboard types.
    const QString text = telephoneText.trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text.at(end).isSpace())
        ++end;
    const QString first = text.left(end);
    if (!isNumberPiece(first))
        return std::nullopt;
    return first;
}

bool offer(AppContext &context, QObject *owner, const QString &telephoneText)
{
    const std::optional<QString> number = dialableNumber(telephoneText);
    if (!number)
        return false;
    AppContext *where = &context;
    context.alerts().showActionSheet(kSheetTitle.arg(*number), kCancelButton, kDialButton, {},
                                     owner, [where, dialled = *number](int index) {
                                         // The destructive button comes first.
                                         if (index == 0)
                                             dial(*where, dialled);
                                     });
    return true;
}

} // namespace TelephoneCall
