#pragma once
// Calling a venue: the numbers offered are the pieces of its telephone text that read as
// numbers, when the first does; a sheet asks before dialling (and which number, when
// there are several), and where nothing can dial (a desktop), the number is shown and
// copied so that it can be dialled by hand.

#include <QString>
#include <QStringList>
#include <optional>

class AppContext;
class QObject;

namespace TelephoneCall {

inline const QString kSheetTitle = QStringLiteral("是否需要为您拨打%1");
inline const QString kCancelButton = QStringLiteral("取消");
inline const QString kDialButton = QStringLiteral("拨打");
inline const QString kChooseTitle = QStringLiteral("请选择要拨打的号码");
inline const QString kDialNumberButton = QStringLiteral("拨打 %1");
inline const QString kNoDialer = QStringLiteral("本机无法拨打电话，号码已复制");

// The number to dial in a telephone text: its first blank-separated piece, made of
// digits with an optional leading "+" and "-", "(", ")"; none otherwise.
std::optional<QString> dialableNumber(const QString &telephoneText);
// That number, then every further piece that reads as one, each once.
QStringList dialableNumbers(const QString &telephoneText);

// Shows the sheet offering to dial the numbers of `telephoneText`; its answer reaches
// nothing once `owner` is gone. False, and nothing shown, when the text offers no number.
bool offer(AppContext &context, QObject *owner, const QString &telephoneText);

} // namespace TelephoneCall
