#pragma once
// Calling a venue: the number offered is the first piece of its telephone text when
// that reads as a number; a sheet asks before dialling, and where nothing can dial (a
// desktop), the number is shown and copied so that it can be dialled by hand.

#include <QString>
#include <optional>

class AppContext;
class QObject;

namespace TelephoneCall {

inline const QString kSheetTitle = QStringLiteral("是否需要为您拨打%1");
inline const QString kCancelButton = QStringLiteral("取消");
inline const QString kDialButton = QStringLiteral("拨打");
inline const QString kNoDialer = QStringLiteral("本机无法拨打电话，号码已复制");

// The number to dial in a telephone text: its first blank-separated piece, made of
// digits with an optional leading "+" and "-", "(", ")"; none otherwise.
std::optional<QString> dialableNumber(const QString &telephoneText);

// Shows the sheet offering to dial the number of `telephoneText`; its answer reaches
// nothing once `owner` is gone. False, and nothing shown, when the text offers no number.
bool offer(AppContext &context, QObject *owner, const QString &telephoneText);

} // namespace TelephoneCall
