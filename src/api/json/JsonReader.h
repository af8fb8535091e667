#pragma once
// The one JSON reader of the client: UTF-8 bytes in, a value tree out, or an
// English error text. Only an object or an array is accepted as the document.

#include "JsonError.h"
#include "JsonValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvora::json {

class JsonReader {
public:
    static constexpr unsigned kDefaultMaxDepth = 32;

    unsigned maxDepth = kDefaultMaxDepth;

    // `data == nullptr` is the missing input ("Input was 'nil'").
    std::optional<Value> objectWithData(const char *data, size_t size);
    std::optional<Value> objectWithData(std::string_view bytes)
    {
        return objectWithData(bytes.data() ? bytes.data() : "", bytes.size());
    }
    std::optional<Value> objectWithString(std::string_view text) { return objectWithData(text); }
    std::optional<Value> objectWithStringError(std::string_view text, JsonError *error);

    // The text of the last failure; empty after a success.
    const std::string &error() const { return error_; }

private:
    std::string error_;
};

// Decodes with a fresh reader; on failure logs "-JSONValue failed. Error is: %@"
// to standard error and yields nothing.
std::optional<Value> JSONValue(std::string_view text);

} // namespace nuvora::json
