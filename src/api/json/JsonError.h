#pragma once
// The error record the codec's "...Error" calls fill: domain, code 0, description.

#include <string>

namespace nuvora::json {

struct JsonError {
    std::string domain; // "nuvora.json.reader" or "nuvora.json.writer"
    int code = 0;
    std::string description;
};

} // namespace nuvora::json
