#include "NetworkAccess.h"

NetworkAccess::NetworkAccess(QObject *parent) : QObject(parent)
{
    // The request layer asks for gzip itself and inflates with its own size cap.
    manager_.setAutoDeleteReplies(false);
    manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}
