#include "JsonWriter.h"

#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_map>

namespace nuvora::json {

struct JsonWriter::StringCache {
    std::unordered_map<std::string, std::string> encoded;
};

namespace {

bool needsEscape(unsigned char c)
{
    return c < 0x20 || c == '"' || c == '\\';
}

// Appends the quoted, escaped form of text.
void encodeString(std::string &out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    size_t plainStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!needsEscape(c))
            continue;
        out.append(text, plainStart, i - plainStart);
        plainStart = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\r':
            out += "\\r";
            break;
        default: {
            const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
            out.append(escape, sizeof escape);
            break;
        }
        }
    }
    out.append(text, plainStart, text.size() - plainStart);
    out += '"';
}

template <typename Integer> void appendInteger(std::string &out, Integer value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

bool isDigitString(const std::string &digits)
{
    return digits.find_first_not_of("0123456789") == std::string::npos;
}

// One document being written.
class Emitter {
public:
    Emitter(const JsonWriter &settings, std::unordered_map<std::string, std::string> &cache)
        : settings_(settings), cache_(cache)
    {
    }

    bool write(const Value &value, unsigned depth);
    std::string out;
    std::string error;

private:
    bool writeArray(const Array &array, unsigned depth);
    bool writeObject(const Object &object, unsigned depth);
    template <typename Members> bool writeMembers(const Members &members, unsigned depth);
    bool writeNumber(const Value &value);
    void writeString(const std::string &text);
    void newLine(unsigned depth);

    bool fail(std::string text)
    {
        error = std::move(text);
        return false;
    }

    const JsonWriter &settings_;
    std::unordered_map<std::string, std::string> &cache_;
};

bool Emitter::write(const Value &value, unsigned depth)
{
    switch (value.kind()) {
    case Value::Kind::Array:
        return writeArray(value.asArray(), depth);
    case Value::Kind::Object:
        return writeObject(value.asObject(), depth);
    case Value::Kind::String:
        writeString(value.asString());
        return true;
    case Value::Kind::Null:
        out += "null";
        return true;
    case Value::Kind::Boolean:
        out += value.asBool() ? "true" : "false";
        return true;
    default:
        return writeNumber(value);
    }
}

bool Emitter::writeArray(const Array &array, unsigned depth)
{
    if (depth >= settings_.maxDepth)
        return fail("Nested too deep");
    out += '[';
    bool first = true;
    for (const Value &element : array) {
        if (!first)
            out += ',';
        first = false;
        newLine(depth + 1);
        if (!write(element, depth + 1))
            return false;
    }
    newLine(depth);
    out += ']';
    return true;
}

const Object::Member &memberOf(const Object::Member &member)
{
    return member;
}

const Object::Member &memberOf(const Object::Member *member)
{
    return *member;
}

bool Emitter::writeObject(const Object &object, unsigned depth)
{
    if (depth >= settings_.maxDepth)
        return fail("Nested too deep");
    out += '{';
    if (settings_.sortKeys) {
        std::vector<const Object::Member *> sorted;
        sorted.reserve(object.size());
        for (const Object::Member &member : object)
            sorted.push_back(&member);
        std::sort(
            sorted.begin(), sorted.end(),
            [](const Object::Member *a, const Object::Member *b) { return a->first < b->first; });
        if (!writeMembers(sorted, depth))
            return false;
    } else if (!writeMembers(object, depth)) {
        return false;
    }
    newLine(depth);
    out += '}';
    return true;
}

template <typename Members> bool Emitter::writeMembers(const Members &members, unsigned depth)
{
    bool first = true;
    for (const auto &entry : members) {
        const Object::Member &member = memberOf(entry);
        if (!first)
            out += ',';
        first = false;
        newLine(depth + 1);
        writeString(member.first);
        out += settings_.humanReadable ? ": " : ":";
        if (!write(member.second, depth + 1))
            return false;
    }
    return true;
}

bool Emitter::writeNumber(const Value &value)
{
    switch (value.kind()) {
    case Value::Kind::Unsigned:
        appendInteger(out, value.asUnsigned());
        return true;
    case Value::Kind::Signed:
        appendInteger(out, value.asSigned());
        return true;
    case Value::Kind::Decimal:
        if (!isDigitString(value.asDecimal().digits))
            return fail("JSON serialisation not supported for malformed decimal");
        value.asDecimal().appendTo(out);
        return true;
    case Value::Kind::Double: {
        const double real = value.asDouble();
        if (std::isnan(real))
            return fail("NaN is not a valid number in JSON");
        if (std::isinf(real))
            return fail(real > 0 ? "+Infinity is not a valid number in JSON"
                                 : "-Infinity is not a valid number in JSON");
        appendDouble(out, real);
        return true;
    }
    default:
        return fail("Not valid type for JSON");
    }
}

// A string without bytes to escape is its own encoding and is copied as it is;
// the encoding of any other string is made once per writer and reused.
void Emitter::writeString(const std::string &text)
{
    const auto firstEscape = std::find_if(text.begin(), text.end(), [](char c) {
        return needsEscape(static_cast<unsigned char>(c));
    });
    if (firstEscape == text.end()) {
        out += '"';
        out += text;
        out += '"';
        return;
    }
    auto [entry, inserted] = cache_.try_emplace(text);
    if (inserted)
        encodeString(entry->second, text);
    out += entry->second;
}

void Emitter::newLine(unsigned depth)
{
    if (!settings_.humanReadable)
        return;
    out += '\n';
    out.append(size_t(depth) * 2, ' ');
}

} // namespace

JsonWriter::JsonWriter() : cache_(std::make_unique<StringCache>())
{
}

JsonWriter::~JsonWriter() = default;

std::optional<std::string> JsonWriter::dataWithObject(const Value &value)
{
    if (!value.isArray() && !value.isObject()) {
        error_ = "Not valid type for JSON";
        return std::nullopt;
    }
    Emitter emitter(*this, cache_->encoded);
    if (!emitter.write(value, 0)) {
        error_ = std::move(emitter.error);
        return std::nullopt;
    }
    error_.clear();
    return std::move(emitter.out);
}

std::optional<std::string> JsonWriter::stringWithObjectError(const Value &value, JsonError *error)
{
    std::optional<std::string> text = stringWithObject(value);
    if (!text && error)
        *error = JsonError{"nuvora.json.writer", 0, error_};
    return text;
}

std::optional<std::string> JSONRepresentation(const Value &value)
{
    JsonWriter writer;
    std::optional<std::string> text = writer.dataWithObject(value);
    if (!text)
        std::fprintf(stderr, "-JSONRepresentation failed. Error is: %s\n", writer.error().c_str());
    return text;
}

} // namespace nuvora::json
