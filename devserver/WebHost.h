#pragma once
// The service's web host: the start-up configuration document naming this
// server's API and chat ports, and the small password and about pages.

#include "HttpMessage.h"

namespace nuvora::devserver {

class WebHost {
public:
    WebHost(quint16 httpPort, quint16 chatPort) : httpPort_(httpPort), chatPort_(chatPort) {}

    HttpResponse handle(const HttpRequest &request) const;

private:
    quint16 httpPort_;
    quint16 chatPort_;
};

} // namespace nuvora::devserver
