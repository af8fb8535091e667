#pragma once
// Locale-independent number helpers shared by the value conversions and the writer.

#include <cstdint>
#include <string>
#include <string_view>

namespace nuvora::json {

int64_t saturatingAdd(int64_t a, int64_t b);
// The signed value of a magnitude and sign, clamped to the 64-bit range.
int64_t saturatingFromMagnitude(uint64_t magnitude, bool negative);
// Truncates toward zero and clamps; NaN is 0.
int64_t truncateToInteger(double value);

// The number at the start of text after leading white space ("42", " -7", "3.9");
// 0 when there is none.
int64_t integerOfText(std::string_view text);
double doubleOfText(std::string_view text);

// The "%.17g" text of a double, independent of the process locale.
std::string formatDouble(double value);
void appendDouble(std::string &out, double value);

} // namespace nuvora::json
