#include "JsonValue.h"

#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <unordered_map>

namespace nuvora::json {

namespace {

// Digits without leading zeros and with trailing zeros folded into the exponent,
// so that equal values compare equal. Zero is the empty digit string.
struct NormalisedDecimal {
    std::string_view digits;
    int64_t exponent;
};

NormalisedDecimal normalise(const Decimal &d)
{
    std::string_view digits = d.digits;
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return {{}, 0};
    digits.remove_prefix(first);
    const size_t last = digits.find_last_not_of('0');
    const auto trailing = static_cast<int64_t>(digits.size() - last - 1);
    digits.remove_suffix(trailing);
    return {digits, saturatingAdd(d.exponent, trailing)};
}

} // namespace

double Decimal::toDouble() const
{
    const NormalisedDecimal n = normalise(*this);
    if (n.digits.empty())
        return negative ? -0.0 : 0.0;
    std::string text(n.digits);
    text += 'e';
    text += std::to_string(n.exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large when the first digit stands at least at the units (e.g. 400 digits
        // without an exponent), else too small.
        const int64_t point = saturatingAdd(static_cast<int64_t>(n.digits.size()), n.exponent);
        value = point > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string Decimal::toString() const
{
    std::string text;
    appendTo(text);
    return text;
}

void Decimal::appendTo(std::string &text) const
{
    const NormalisedDecimal n = normalise(*this);
    if (n.digits.empty()) {
        text += '0';
        return;
    }
    if (negative)
        text += '-';
    const auto count = static_cast<int64_t>(n.digits.size());
    // The decimal point sits after `point` digits.
    const int64_t point = saturatingAdd(count, n.exponent);
    if (point > 0 && point <= 21) {
        if (point >= count) {
            text += n.digits;
            text.append(static_cast<size_t>(point - count), '0');
        } else {
            text += n.digits.substr(0, static_cast<size_t>(point));
            text += '.';
            text += n.digits.substr(static_cast<size_t>(point));
        }
    } else if (point <= 0 && point > -6) {
        text += "0.";
        text.append(static_cast<size_t>(-point), '0');
        text += n.digits;
    } else {
        text += n.digits[0];
        if (count > 1) {
            text += '.';
            text += n.digits.substr(1);
        }
        const int64_t exponent = point - 1;
        text += exponent < 0 ? "e-" : "e+";
        text += std::to_string(exponent < 0 ? -exponent : exponent);
    }
}

int64_t Decimal::toInteger() const
{
    const NormalisedDecimal n = normalise(*this);
    const int64_t point = saturatingAdd(static_cast<int64_t>(n.digits.size()), n.exponent);
    if (n.digits.empty() || point <= 0)
        return 0;
    const int64_t limit =
        negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    if (point > 19)
        return limit;
    uint64_t magnitude = 0;
    for (int64_t i = 0; i < point; ++i) {
        const auto index = static_cast<size_t>(i);
        const unsigned digit = index < n.digits.size() ? unsigned(n.digits[index] - '0') : 0;
        magnitude = magnitude * 10 + digit;
    }
    return saturatingFromMagnitude(magnitude, negative);
}

bool Decimal::operator==(const Decimal &other) const
{
    const NormalisedDecimal a = normalise(*this);
    const NormalisedDecimal b = normalise(other);
    if (a.digits.empty() || b.digits.empty())
        return a.digits.empty() && b.digits.empty();
    return negative == other.negative && a.digits == b.digits && a.exponent == b.exponent;
}

// --- Object -----------------------------------------------------------------

void Object::set(std::string key, Value value)
{
    if (Value *existing = find(key))
        *existing = std::move(value);
    else
        members_.emplace_back(std::move(key), std::move(value));
}

const Value *Object::find(std::string_view key) const
{
    for (const Member &member : members_) {
        if (member.first == key)
            return &member.second;
    }
    return nullptr;
}

Value *Object::find(std::string_view key)
{
    return const_cast<Value *>(std::as_const(*this).find(key));
}

bool Object::remove(std::string_view key)
{
    const auto it = std::find_if(members_.begin(), members_.end(),
                                 [key](const Member &member) { return member.first == key; });
    if (it == members_.end())
        return false;
    members_.erase(it);
    return true;
}

namespace {

constexpr size_t kScanLimit = 32;

bool hasRepeatedKey(const std::vector<Object::Member> &members)
{
    for (size_t i = 1; i < members.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (members[j].first == members[i].first)
                return true;
        }
    }
    return false;
}

// Index of the first member with each member's key, for folding repeated keys.
std::vector<size_t> firstOccurrences(const std::vector<Object::Member> &members)
{
    std::vector<size_t> first(members.size());
    std::unordered_map<std::string_view, size_t> seen;
    seen.reserve(members.size());
    for (size_t i = 0; i < members.size(); ++i)
        first[i] = seen.try_emplace(members[i].first, i).first->second;
    return first;
}

} // namespace

Object Object::adopt(std::vector<Member> members)
{
    Object object;
    if (members.size() <= kScanLimit && !hasRepeatedKey(members)) {
        object.members_ = std::move(members);
        return object;
    }
    const std::vector<size_t> first = firstOccurrences(members);
    // Where each first occurrence ends up once repeats are folded away.
    std::vector<size_t> slot(members.size());
    size_t out = 0;
    for (size_t i = 0; i < members.size(); ++i) {
        if (first[i] != i) {
            members[slot[first[i]]].second = std::move(members[i].second);
            continue;
        }
        if (out != i)
            members[out] = std::move(members[i]);
        slot[i] = out++;
    }
    members.erase(members.begin() + std::ptrdiff_t(out), members.end());
    object.members_ = std::move(members);
    return object;
}

bool Object::operator==(const Object &other) const
{
    if (members_.size() != other.members_.size())
        return false;
    for (const Member &member : members_) {
        const Value *counterpart = other.find(member.first);
        if (!counterpart || !(*counterpart == member.second))
            return false;
    }
    return true;
}

// --- Value ------------------------------------------------------------------

Value::Value(json::Decimal d) : kind_(Kind::Decimal)
{
    u_.decimal = new json::Decimal(std::move(d));
}

Value::Value(std::string s) : kind_(Kind::String)
{
    u_.string = new std::string(std::move(s));
}

Value::Value(json::Array a) : kind_(Kind::Array)
{
    u_.array = new json::Array(std::move(a));
}

Value::Value(json::Object o) : kind_(Kind::Object)
{
    u_.object = new json::Object(std::move(o));
}

Value::Value(const Value &other) : kind_(Kind::Null)
{
    copyFrom(other);
}

Value &Value::operator=(const Value &other)
{
    if (this != &other) {
        Value copy(other);
        destroy();
        moveFrom(std::move(copy));
    }
    return *this;
}

Value &Value::operator=(Value &&other) noexcept
{
    if (this != &other) {
        destroy();
        moveFrom(std::move(other));
    }
    return *this;
}

void Value::destroy() noexcept
{
    switch (kind_) {
    case Kind::Decimal:
        delete u_.decimal;
        break;
    case Kind::String:
        delete u_.string;
        break;
    case Kind::Array:
        delete u_.array;
        break;
    case Kind::Object:
        delete u_.object;
        break;
    default:
        break;
    }
    kind_ = Kind::Null;
    u_ = {};
}

void Value::copyFrom(const Value &other)
{
    switch (other.kind_) {
    case Kind::Decimal:
        u_.decimal = new json::Decimal(*other.u_.decimal);
        break;
    case Kind::String:
        u_.string = new std::string(*other.u_.string);
        break;
    case Kind::Array:
        u_.array = new json::Array(*other.u_.array);
        break;
    case Kind::Object:
        u_.object = new json::Object(*other.u_.object);
        break;
    default:
        u_ = other.u_;
        break;
    }
    kind_ = other.kind_;
}

void Value::moveFrom(Value &&other) noexcept
{
    kind_ = other.kind_;
    u_ = other.u_;
    other.kind_ = Kind::Null;
    other.u_ = {};
}

namespace {
const json::Decimal kNoDecimal;
const std::string kNoString;
const json::Array kNoArray;
const json::Object kNoObject;
const Value kNull;
} // namespace

const json::Decimal &Value::asDecimal() const
{
    return kind_ == Kind::Decimal ? *u_.decimal : kNoDecimal;
}

const std::string &Value::asString() const
{
    return kind_ == Kind::String ? *u_.string : kNoString;
}

const json::Array &Value::asArray() const
{
    return kind_ == Kind::Array ? *u_.array : kNoArray;
}

const json::Object &Value::asObject() const
{
    return kind_ == Kind::Object ? *u_.object : kNoObject;
}

json::Array &Value::asArray()
{
    return *u_.array;
}

json::Object &Value::asObject()
{
    return *u_.object;
}

int64_t Value::toInteger() const
{
    switch (kind_) {
    case Kind::Boolean:
        return u_.boolean ? 1 : 0;
    case Kind::Unsigned:
        return saturatingFromMagnitude(u_.uinteger, false);
    case Kind::Signed:
        return u_.integer;
    case Kind::Decimal:
        return u_.decimal->toInteger();
    case Kind::Double:
        return truncateToInteger(u_.real);
    case Kind::String:
        return integerOfText(*u_.string);
    default:
        return 0;
    }
}

double Value::toDouble() const
{
    switch (kind_) {
    case Kind::Boolean:
        return u_.boolean ? 1.0 : 0.0;
    case Kind::Unsigned:
        return static_cast<double>(u_.uinteger);
    case Kind::Signed:
        return static_cast<double>(u_.integer);
    case Kind::Decimal:
        return u_.decimal->toDouble();
    case Kind::Double:
        return u_.real;
    case Kind::String:
        return doubleOfText(*u_.string);
    default:
        return 0.0;
    }
}

std::string Value::toText() const
{
    switch (kind_) {
    case Kind::String:
        return *u_.string;
    case Kind::Boolean:
        return u_.boolean ? "true" : "false";
    case Kind::Unsigned:
        return std::to_string(u_.uinteger);
    case Kind::Signed:
        return std::to_string(u_.integer);
    case Kind::Decimal:
        return u_.decimal->toString();
    case Kind::Double:
        return formatDouble(u_.real);
    default:
        return {};
    }
}

const Value &Value::operator[](std::string_view key) const
{
    const Value *value = find(key);
    return value ? *value : kNull;
}

const Value *Value::find(std::string_view key) const
{
    return kind_ == Kind::Object ? u_.object->find(key) : nullptr;
}

namespace {

bool isExactNumber(Value::Kind kind)
{
    return kind == Value::Kind::Unsigned || kind == Value::Kind::Signed
           || kind == Value::Kind::Decimal;
}

Decimal exactDecimalOf(const Value &value)
{
    switch (value.kind()) {
    case Value::Kind::Unsigned:
        return Decimal{std::to_string(value.asUnsigned()), 0, false};
    case Value::Kind::Signed: {
        const int64_t n = value.asSigned();
        const uint64_t magnitude = n < 0 ? uint64_t(0) - uint64_t(n) : uint64_t(n);
        return Decimal{std::to_string(magnitude), 0, n < 0};
    }
    default:
        return value.asDecimal();
    }
}

} // namespace

bool Value::operator==(const Value &other) const
{
    // Exact numbers compare by value: a decoded 42 is unsigned where a 42 built in
    // code is signed, and a decimal 1.0 is written as 1 and read back as an integer.
    if (kind_ != other.kind_ && isExactNumber(kind_) && isExactNumber(other.kind_))
        return exactDecimalOf(*this) == exactDecimalOf(other);
    if (kind_ != other.kind_)
        return false;
    switch (kind_) {
    case Kind::Null:
        return true;
    case Kind::Boolean:
        return u_.boolean == other.u_.boolean;
    case Kind::Unsigned:
        return u_.uinteger == other.u_.uinteger;
    case Kind::Signed:
        return u_.integer == other.u_.integer;
    case Kind::Double:
        return u_.real == other.u_.real;
    case Kind::Decimal:
        return *u_.decimal == *other.u_.decimal;
    case Kind::String:
        return *u_.string == *other.u_.string;
    case Kind::Array:
        return *u_.array == *other.u_.array;
    case Kind::Object:
        return *u_.object == *other.u_.object;
    }
    return false;
}

} // namespace nuvora::json
