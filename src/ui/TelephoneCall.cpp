#include "TelephoneCall.h"

#include "ExternalAddress.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/UrlOpener.h"

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
    if (!context.urlOpener().openTelephone(number))
        ExternalAddress::showAndCopy(context, number, kNoDialer);
}

} // namespace

std::optional<QString> dialableNumber(const QString &telephoneText)
{
    const QStringList numbers = dialableNumbers(telephoneText);
    if (numbers.isEmpty())
        return std::nullopt;
    return numbers.first();
}

QStringList dialableNumbers(const QString &telephoneText)
{
    // trimmed() also drops the ideographic space (U+3000) a Chinese keyboard types.
    const QString text = telephoneText.trimmed();
    QStringList numbers;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !text.at(end).isSpace())
            ++end;
        const QString piece = text.mid(start, end - start);
        if (isNumberPiece(piece)) {
            if (!numbers.contains(piece))
                numbers << piece;
        } else if (numbers.isEmpty()) {
            break; // a text that does not start with a number offers none
        }
        start = end;
        while (start < text.size() && text.at(start).isSpace())
            ++start;
    }
    return numbers;
}

bool offer(AppContext &context, QObject *owner, const QString &telephoneText)
{
    const QStringList numbers = dialableNumbers(telephoneText);
    if (numbers.isEmpty())
        return false;
    AppContext *where = &context;
    // The first button (the destructive one alone, or the first number) comes first.
    auto dialChosen = [where, numbers](int index) {
        if (index >= 0 && index < numbers.size())
            dial(*where, numbers.at(index));
    };
    if (numbers.size() == 1) {
        context.alerts().showActionSheet(kSheetTitle.arg(numbers.first()), kCancelButton,
                                         kDialButton, {}, owner, dialChosen);
        return true;
    }
    QStringList buttons;
    for (const QString &number : numbers)
        buttons << kDialNumberButton.arg(number);
    context.alerts().showActionSheet(kChooseTitle, kCancelButton, {}, buttons, owner, dialChosen);
    return true;
}

} // namespace TelephoneCall
