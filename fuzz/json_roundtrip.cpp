// Decode, encode, decode again: whatever the reader accepts, the writer must write,
// and reading that text back must give an equal value; writing it again must give
// the same text.

#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace nuvora::json;
    const std::optional<Value> first =
        JsonReader().objectWithData(reinterpret_cast<const char *>(data), size);
    if (!first)
        return 0;
    JsonWriter writer;
    const std::optional<std::string> text = writer.dataWithObject(*first);
    if (!text)
        std::abort();
    const std::optional<Value> second = JsonReader().objectWithString(*text);
    if (!second || !(*second == *first))
        std::abort();
    if (writer.dataWithObject(*second) != text)
        std::abort();
    return 0;
}
