#include "NumberText.h"

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
        const size_t e = text.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
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
