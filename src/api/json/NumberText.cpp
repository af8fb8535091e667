#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace nuvora::json {

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

// Leading white space and a '+' dropped, which std::from_chars does not accept.
std::string_view numberStart(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n\f\v");
    if (first == std::string_view::npos)
        return {};
    text.remove_prefix(first);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return text;
}

// Whether a number text that does not fit a double overflowed (its first significant
// digit stands at the units or higher) rather than underflowed.
bool isAtLeastOne(std::string_view text)
{
    size_t i = !text.empty() && text.front() == '-' ? 1 : 0;
    int64_t lead = 0; // power of ten of the first significant digit
    bool significant = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (significant)
            ++lead;
        else
            significant = text[i] != '0';
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (!significant) {
                --lead;
                significant = text[i] != '0';
            }
        }
    }
    if (!significant)
        return false;
    int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        // Far beyond any double's range; only the sign of the sum matters.
        constexpr int64_t kCap = int64_t(1) << 40;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min(kCap, exponent * 10 + (text[i] - '0'));
        if (negative)
            exponent = -exponent;
    }
    return saturatingAdd(lead, exponent) >= 0;
}

} // namespace

int64_t saturatingAdd(int64_t a, int64_t b)
{
    int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? kMax : kMin;
    return sum;
}

int64_t saturatingFromMagnitude(uint64_t magnitude, bool negative)
{
    if (negative)
        return magnitude >= uint64_t(kMax) + 1 ? kMin : -static_cast<int64_t>(magnitude);
    return magnitude > uint64_t(kMax) ? kMax : static_cast<int64_t>(magnitude);
}

int64_t truncateToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775808.0)
        return kMax;
    if (value < -9223372036854775808.0)
        return kMin;
    return static_cast<int64_t>(value);
}

int64_t integerOfText(std::string_view text)
{
    text = numberStart(text);
    const char *end = text.data() + text.size();
    int64_t integer = 0;
    const auto parsed = std::from_chars(text.data(), end, integer);
    if (parsed.ec == std::errc::result_out_of_range)
        return !text.empty() && text.front() == '-' ? kMin : kMax;
    if (parsed.ec != std::errc())
        return truncateToInteger(doubleOfText(text));
    if (parsed.ptr != end && (*parsed.ptr == '.' || *parsed.ptr == 'e' || *parsed.ptr == 'E'))
        return truncateToInteger(doubleOfText(text));
    return integer;
}

double doubleOfText(std::string_view text)
{
    text = numberStart(text);
    double value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow alike.
        const bool negative = !text.empty() && text.front() == '-';
        value = isAtLeastOne(text) ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return parsed.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

std::string formatDouble(double value)
{
    std::string text;
    appendDouble(text, value);
    return text;
}

void appendDouble(std::string &out, double value)
{
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out.append(buffer, result.ptr);
}

} // namespace nuvora::json
