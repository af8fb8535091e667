// Feeds the reader arbitrary bytes. Beyond not crashing or reading out of bounds
// (the sanitizers watch that), a read must either give a container document with
// no error text, or nothing with one.

#include "api/json/JsonReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace nuvora::json;
    JsonReader reader;
    const std::optional<Value> value =
        reader.objectWithData(reinterpret_cast<const char *>(data), size);
    if (value && (!reader.error().empty() || !(value->isArray() || value->isObject())))
        std::abort();
    if (!value && reader.error().empty())
        std::abort();
    return 0;
}
