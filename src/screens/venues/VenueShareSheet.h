#pragma once
// The sheet that offers to share a venue to one of the two microblog services.

#include <functional>

class AppContext;
class QObject;

namespace VenueShareSheet {

// Shows the sheet; `chosen` gets 0 (the first service) or 1 (the second), and runs only
// while `owner` lives. Cancelling does nothing.
void offer(AppContext &context, QObject *owner, std::function<void(int service)> chosen);

} // namespace VenueShareSheet
