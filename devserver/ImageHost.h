#pragma once
// Serves "/560/KEY.jpg" and its scaled variants "/560/KEY.jpg!100", "!160", "!200".

#include "HttpMessage.h"

namespace nuvora::devserver {

class ImageStore;

class ImageHost {
public:
    static constexpr const char *kPrefix = "/560/";

    explicit ImageHost(ImageStore &images) : images_(images) {}

    HttpResponse handle(const HttpRequest &request) const;

private:
    ImageStore &images_;
};

} // namespace nuvora::devserver
