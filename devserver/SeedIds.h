#pragma once
// The seed's fixed ids are promised to tests and client developers; a seed
// that drifts says so in the log.

#include "DevServerLog.h"

namespace nuvora::devserver {

inline void expectSeedId(qint64 created, qint64 promised, const char *what)
{
    if (created != promised)
        qCWarning(lcDevServer) << "seed:" << what << "got id" << created << "instead of"
                               << promised;
}

} // namespace nuvora::devserver
