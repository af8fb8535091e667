#pragma once
// UTF-8 validation and encoding for the codec.

#include <string>

namespace nuvora::json {

// True when [begin, end) is well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no truncated sequence.
bool isValidUtf8(const unsigned char *begin, const unsigned char *end);

void appendUtf8(std::string &text, char32_t codePoint);

} // namespace nuvora::json
