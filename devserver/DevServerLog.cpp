#include "DevServerLog.h"

Q_LOGGING_CATEGORY(lcDevServer, "nuvora.devserver")
