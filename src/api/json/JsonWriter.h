#pragma once
// The one JSON writer of the client: a value tree in, compact UTF-8 text out, or
// an English error text. Only an object or an array is written as a document.

#include "JsonError.h"
#include "JsonValue.h"

#include <memory>
#include <optional>
#include <string>

namespace nuvora::json {

class JsonWriter {
public:
    static constexpr unsigned kDefaultMaxDepth = 32;

    unsigned maxDepth = kDefaultMaxDepth;
    bool sortKeys = false;
    bool humanReadable = false;

    JsonWriter();
    ~JsonWriter();
    JsonWriter(const JsonWriter &) = delete;
    JsonWriter &operator=(const JsonWriter &) = delete;

    std::optional<std::string> dataWithObject(const Value &value);
    std::optional<std::string> stringWithObject(const Value &value)
    {
        return dataWithObject(value);
    }
    std::optional<std::string> stringWithObjectError(const Value &value, JsonError *error);

    // The text of the last failure; empty after a success.
    const std::string &error() const { return error_; }

private:
    struct StringCache;
    std::string error_;
    // The encoding of each distinct string that needed escaping, kept for the
    // writer's life; any other string is its own encoding.
    std::unique_ptr<StringCache> cache_;
};

// Encodes with a fresh writer; on failure logs
// "-JSONRepresentation failed. Error is: %@" to standard error and yields nothing.
std::optional<std::string> JSONRepresentation(const Value &value);

} // namespace nuvora::json
