#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcNet, "nuvora.net")
Q_LOGGING_CATEGORY(lcChat, "nuvora.chat")
Q_LOGGING_CATEGORY(lcStore, "nuvora.store")
Q_LOGGING_CATEGORY(lcUi, "nuvora.ui")
Q_LOGGING_CATEGORY(lcPlatform, "nuvora.platform")
