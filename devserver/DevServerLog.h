#pragma once
// The stand-in server's logging category.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDevServer)
