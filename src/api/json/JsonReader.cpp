#include "JsonReader.h"

#include "Utf8.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace nuvora::json {

namespace {

enum class Token : uint8_t {
    ArrayStart = 1,
    ArrayEnd,
    ObjectStart,
    ObjectEnd,
    ValueSeparator,
    KeyValueSeparator,
    Number,
    String,
    True,
    False,
    Null,
};

const char *tokenName(Token token)
{
    switch (token) {
    case Token::ArrayStart:
        return "start of array";
    case Token::ArrayEnd:
        return "end of array";
    case Token::ObjectStart:
        return "start of object";
    case Token::ObjectEnd:
        return "end of object";
    case Token::ValueSeparator:
        return "value separator";
    case Token::KeyValueSeparator:
        return "key-value separator";
    case Token::Number:
        return "number";
    case Token::String:
        return "string";
    case Token::True:
    case Token::False:
        return "boolean";
    case Token::Null:
        return "null";
    }
    return "";
}

enum class State : uint8_t {
    Start,
    ObjectStart,
    ObjectGotKey,
    ObjectSeparator,
    ObjectGotValue,
    ObjectNeedKey,
    ArrayStart,
    ArrayGotValue,
    ArrayNeedValue,
    Complete,
    Error,
};

const char *stateName(State state)
{
    switch (state) {
    case State::Start:
        return "before outer-most array or object";
    case State::ObjectStart:
        return "at beginning of object";
    case State::ObjectGotKey:
        return "after object key";
    case State::ObjectSeparator:
        return "as object value";
    case State::ObjectGotValue:
        return "after object value";
    case State::ObjectNeedKey:
        return "in place of object key";
    case State::ArrayStart:
        return "at array start";
    case State::ArrayGotValue:
        return "after array value";
    case State::ArrayNeedValue:
        return "as array value";
    case State::Complete:
        return "after outer-most array or object";
    case State::Error:
        return "in error";
    }
    return "";
}

bool isValueToken(Token t)
{
    return t == Token::ArrayStart || t == Token::ObjectStart || t == Token::Number
           || t == Token::String || t == Token::True || t == Token::False || t == Token::Null;
}

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Skips bytes that need no attention inside a string (not a control byte, quote or
// backslash), eight at a time where it can; clears `ascii` on any byte >= 0x80.
const unsigned char *scanPlainRun(const unsigned char *p, const unsigned char *end, bool &ascii)
{
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHighs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    uint64_t highBits = 0;
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const uint64_t control = (word - kOnes * 0x20) & ~word & kHighs;
        if (control | hasZeroByte(word ^ (kOnes * '"')) | hasZeroByte(word ^ (kOnes * '\\')))
            break;
        highBits |= word;
        p += 8;
    }
    ascii = ascii && !(highBits & kHighs);
    while (p < end && *p >= 0x20 && *p != '"' && *p != '\\') {
        ascii = ascii && *p < 0x80;
        ++p;
    }
    return p;
}

// Keeps the power of ten of the leading digit within +-10^15: far beyond any double,
// yet far from 64-bit overflow, and written and read back as the same number.
void clampMagnitude(Decimal &decimal)
{
    constexpr int64_t kLimit = 1000000000000000;
    const size_t firstSignificant = decimal.digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return;
    const auto significantDigits = int64_t(decimal.digits.size() - firstSignificant);
    const int64_t leadingPower = significantDigits - 1 + decimal.exponent;
    if (leadingPower > kLimit)
        decimal.exponent = kLimit - significantDigits + 1;
    else if (leadingPower < -kLimit)
        decimal.exponent = -kLimit - significantDigits + 1;
}

// Outcome of scanning one token.
enum class Scan : uint8_t { Done, Incomplete, Failed };

// One container under construction: the state to return to when it ends, and
// where its values (and, for an object, its keys) start on the shared stacks.
struct Frame {
    State saved;
    bool isObject;
    size_t firstValue;
    size_t firstKey;
};

// The byte cursor, the tokeniser and the state machine over one input buffer.
class Parser {
public:
    Parser(const char *data, size_t size, unsigned maxDepth)
        : cursor_(reinterpret_cast<const unsigned char *>(data)), end_(cursor_ + size),
          maxDepth_(maxDepth)
    {
    }

    std::optional<Value> run();
    std::string takeError() { return std::move(error_); }

private:
    void skipWhitespace()
    {
        while (cursor_ < end_
               && (*cursor_ == ' ' || *cursor_ == '\n' || *cursor_ == '\r' || *cursor_ == '\t'))
            ++cursor_;
    }

    Scan nextToken(Token &token, Value &scalar);
    Scan scanLiteral(const char *word, size_t length);
    Scan scanNumber(Value &scalar);
    Scan scanString(std::string &text);
    Scan scanEscape(std::string &text);
    Scan readHexQuad(const unsigned char *at, unsigned &unit);

    bool accept(Token token, Value &&scalar);
    bool openContainer(bool isObject);
    bool closeContainer();
    void receiveValue(Value &&value);

    bool fail(std::string text)
    {
        error_ = std::move(text);
        state_ = State::Error;
        return false;
    }
    template <typename... Args> bool failf(const char *format, Args... args)
    {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, format, args...);
        return fail(buffer);
    }

    const unsigned char *cursor_;
    const unsigned char *end_;
    unsigned maxDepth_;
    State state_ = State::Start;
    std::vector<Frame> frames_;
    // The values and keys of all open containers, innermost last; a container
    // takes its own off the top when it ends, in one exactly sized allocation.
    std::vector<Value> values_;
    std::vector<std::string> keys_;
    std::optional<Value> root_;
    std::string text_; // the last string token
    std::string error_;
};

std::optional<Value> Parser::run()
{
    frames_.reserve(maxDepth_ < 64 ? maxDepth_ + 1 : 64);
    values_.reserve(64);
    keys_.reserve(32);
    Token token{};
    Value scalar;
    for (;;) {
        skipWhitespace();
        if (cursor_ == end_)
            break;
        const unsigned char *tokenStart = cursor_;
        const Scan scan = nextToken(token, scalar);
        if (scan == Scan::Failed)
            return std::nullopt;
        if (scan == Scan::Incomplete) {
            cursor_ = tokenStart;
            // A token cut off after the document is still a token after the document.
            if (state_ == State::Complete)
                failf("Token '%s' not expected %s", tokenName(token), stateName(state_));
            break;
        }
        if (!accept(token, std::move(scalar)))
            return std::nullopt;
    }
    switch (state_) {
    case State::Complete:
        return std::move(root_);
    case State::Error:
        return std::nullopt;
    default:
        fail("Unexpected end of input");
        return std::nullopt;
    }
}

// --- Tokeniser --------------------------------------------------------------

Scan Parser::nextToken(Token &token, Value &scalar)
{
    const unsigned char c = *cursor_;
    switch (c) {
    case '[':
        token = Token::ArrayStart;
        break;
    case ']':
        token = Token::ArrayEnd;
        break;
    case '{':
        token = Token::ObjectStart;
        break;
    case '}':
        token = Token::ObjectEnd;
        break;
    case ',':
        token = Token::ValueSeparator;
        break;
    case ':':
        token = Token::KeyValueSeparator;
        break;
    case '"':
        token = Token::String;
        text_.clear();
        return scanString(text_);
    case 't':
        token = Token::True;
        scalar = Value(true);
        return scanLiteral("true", 4);
    case 'f':
        token = Token::False;
        scalar = Value(false);
        return scanLiteral("false", 5);
    case 'n':
        token = Token::Null;
        scalar = Value();
        return scanLiteral("null", 4);
    case '+':
        fail("Leading + is illegal in number");
        return Scan::Failed;
    default:
        if (c == '-' || isDigit(c)) {
            token = Token::Number;
            return scanNumber(scalar);
        }
        failf("Illegal start of token [%c]", c);
        return Scan::Failed;
    }
    ++cursor_;
    return Scan::Done;
}

Scan Parser::scanLiteral(const char *word, size_t length)
{
    if (size_t(end_ - cursor_) < length)
        return Scan::Incomplete;
    if (std::memcmp(cursor_, word, length) != 0) {
        failf("Expected '%s' after initial '%.1s'", word, word);
        return Scan::Failed;
    }
    cursor_ += length;
    return Scan::Done;
}

Scan Parser::scanNumber(Value &scalar)
{
    const unsigned char *p = cursor_;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    if (p == end_)
        return Scan::Incomplete;
    if (*p == '0') {
        if (p + 1 == end_)
            return Scan::Incomplete;
        if (isDigit(p[1])) {
            fail("Leading zero is illegal in number");
            return Scan::Failed;
        }
    }
    const unsigned char *integerStart = p;
    while (p < end_ && isDigit(*p))
        ++p;
    if (p == end_)
        return Scan::Incomplete;
    const unsigned char *integerEnd = p;
    if (integerEnd == integerStart) {
        fail("No digits after initial minus");
        return Scan::Failed;
    }

    const unsigned char *fractionStart = p;
    const unsigned char *fractionEnd = p;
    if (*p == '.') {
        fractionStart = ++p;
        while (p < end_ && isDigit(*p))
            ++p;
        if (p == end_)
            return Scan::Incomplete;
        fractionEnd = p;
        if (fractionEnd == fractionStart) {
            fail("No digits after decimal point");
            return Scan::Failed;
        }
    }

    bool hasExponent = false;
    int64_t exponent = 0;
    if (*p == 'e' || *p == 'E') {
        hasExponent = true;
        if (++p == end_)
            return Scan::Incomplete;
        bool exponentNegative = false;
        if (*p == '+' || *p == '-') {
            exponentNegative = *p == '-';
            if (++p == end_)
                return Scan::Incomplete;
        }
        const unsigned char *exponentStart = p;
        constexpr int64_t kExponentCap = 100000000000000000; // stays far from overflow
        while (p < end_ && isDigit(*p)) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (p == end_)
            return Scan::Incomplete;
        if (p == exponentStart) {
            fail("No digits in exponent");
            return Scan::Failed;
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    cursor_ = p;

    const size_t integerDigits = size_t(integerEnd - integerStart);
    const size_t fractionDigits = size_t(fractionEnd - fractionStart);
    const bool hasFraction = fractionDigits > 0;
    if (integerDigits + fractionDigits < 19 && !hasFraction && !hasExponent) {
        uint64_t magnitude = 0;
        for (const unsigned char *d = integerStart; d < integerEnd; ++d)
            magnitude = magnitude * 10 + (*d - '0');
        if (negative)
            scalar = Value(-static_cast<int64_t>(magnitude));
        else
            scalar = Value(magnitude);
        return Scan::Done;
    }

    Decimal decimal;
    decimal.negative = negative;
    decimal.exponent = exponent - int64_t(fractionDigits);
    const unsigned char *firstDigit = integerStart;
    while (firstDigit + 1 < integerEnd && *firstDigit == '0')
        ++firstDigit;
    decimal.digits.reserve(size_t(integerEnd - firstDigit) + fractionDigits);
    decimal.digits.append(reinterpret_cast<const char *>(firstDigit),
                          size_t(integerEnd - firstDigit));
    decimal.digits.append(reinterpret_cast<const char *>(fractionStart), fractionDigits);
    clampMagnitude(decimal);
    scalar = Value(std::move(decimal));
    return Scan::Done;
}

Scan Parser::scanString(std::string &text)
{
    const unsigned char *p = cursor_ + 1;
    for (;;) {
        const unsigned char *runStart = p;
        bool ascii = true;
        p = scanPlainRun(p, end_, ascii);
        if (p == end_)
            return Scan::Incomplete;
        if (p != runStart) {
            if (!ascii && !isValidUtf8(runStart, p)) {
                fail("Broken Unicode encoding");
                return Scan::Failed;
            }
            text.append(reinterpret_cast<const char *>(runStart), size_t(p - runStart));
        }
        if (*p == '"') {
            cursor_ = p + 1;
            return Scan::Done;
        }
        if (*p < 0x20) {
            failf("Unescaped control character [0x%0.2X]", unsigned(*p));
            return Scan::Failed;
        }
        cursor_ = p;
        const Scan scan = scanEscape(text);
        if (scan != Scan::Done)
            return scan;
        p = cursor_;
    }
}

// At a backslash; on success the cursor is past the escape.
Scan Parser::scanEscape(std::string &text)
{
    const unsigned char *p = cursor_ + 1;
    if (p == end_)
        return Scan::Incomplete;
    char simple = 0;
    switch (*p) {
    case '"':
    case '\\':
    case '/':
        simple = char(*p);
        break;
    case 'b':
        simple = '\b';
        break;
    case 'f':
        simple = '\f';
        break;
    case 'n':
        simple = '\n';
        break;
    case 'r':
        simple = '\r';
        break;
    case 't':
        simple = '\t';
        break;
    case 'u':
        break;
    default:
        fail("Illegal escape character");
        return Scan::Failed;
    }
    if (simple) {
        text += simple;
        cursor_ = p + 1;
        return Scan::Done;
    }

    unsigned unit = 0;
    Scan scan = readHexQuad(p + 1, unit);
    if (scan != Scan::Done)
        return scan;
    p += 5;
    char32_t codePoint = unit;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        fail("Invalid high character in surrogate pair");
        return Scan::Failed;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        if (end_ - p < 6)
            return Scan::Incomplete;
        if (p[0] != '\\' || p[1] != 'u') {
            fail("Missing low character in surrogate pair");
            return Scan::Failed;
        }
        unsigned low = 0;
        scan = readHexQuad(p + 2, low);
        if (scan != Scan::Done)
            return scan;
        if (low < 0xDC00 || low > 0xDFFF) {
            fail("Invalid low character in surrogate pair");
            return Scan::Failed;
        }
        codePoint = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
        p += 6;
    }
    appendUtf8(text, codePoint);
    cursor_ = p;
    return Scan::Done;
}

Scan Parser::readHexQuad(const unsigned char *at, unsigned &unit)
{
    if (end_ - at < 4)
        return Scan::Incomplete;
    const char *first = reinterpret_cast<const char *>(at);
    const auto parsed = std::from_chars(first, first + 4, unit, 16);
    if (parsed.ec != std::errc() || parsed.ptr != first + 4) {
        fail("Invalid hex quad");
        return Scan::Failed;
    }
    return Scan::Done;
}

// --- State machine and tree building ----------------------------------------

bool Parser::accept(Token token, Value &&scalar)
{
    const State state = state_;
    bool accepted = false;
    switch (state) {
    case State::Start:
        accepted = token == Token::ArrayStart || token == Token::ObjectStart;
        break;
    case State::ObjectStart:
        accepted = token == Token::ObjectEnd || token == Token::String;
        break;
    case State::ObjectNeedKey:
        accepted = token == Token::String;
        break;
    case State::ObjectGotKey:
        accepted = token == Token::KeyValueSeparator;
        break;
    case State::ObjectSeparator:
    case State::ArrayNeedValue:
        accepted = isValueToken(token);
        break;
    case State::ObjectGotValue:
        accepted = token == Token::ObjectEnd || token == Token::ValueSeparator;
        break;
    case State::ArrayStart:
        accepted = token == Token::ArrayEnd || isValueToken(token);
        break;
    case State::ArrayGotValue:
        accepted = token == Token::ArrayEnd || token == Token::ValueSeparator;
        break;
    case State::Complete:
    case State::Error:
        break;
    }
    if (!accepted)
        return failf("Token '%s' not expected %s", tokenName(token), stateName(state));

    switch (token) {
    case Token::ArrayStart:
        return openContainer(false);
    case Token::ObjectStart:
        return openContainer(true);
    case Token::ArrayEnd:
    case Token::ObjectEnd:
        return closeContainer();
    case Token::ValueSeparator:
        state_ = state == State::ObjectGotValue ? State::ObjectNeedKey : State::ArrayNeedValue;
        return true;
    case Token::KeyValueSeparator:
        state_ = State::ObjectSeparator;
        return true;
    case Token::String:
        if (state == State::ObjectStart || state == State::ObjectNeedKey) {
            keys_.push_back(std::move(text_));
            state_ = State::ObjectGotKey;
            return true;
        }
        receiveValue(Value(std::move(text_)));
        return true;
    default:
        break;
    }
    receiveValue(std::move(scalar));
    return true;
}

bool Parser::openContainer(bool isObject)
{
    if (frames_.size() >= maxDepth_)
        return failf("Input depth exceeds max depth of %lu", static_cast<unsigned long>(maxDepth_));
    frames_.push_back(Frame{state_, isObject, values_.size(), keys_.size()});
    state_ = isObject ? State::ObjectStart : State::ArrayStart;
    return true;
}

bool Parser::closeContainer()
{
    const Frame frame = frames_.back();
    frames_.pop_back();
    const auto firstValue = values_.begin() + std::ptrdiff_t(frame.firstValue);
    Value container;
    if (frame.isObject) {
        std::vector<Object::Member> members;
        members.reserve(values_.size() - frame.firstValue);
        auto key = keys_.begin() + std::ptrdiff_t(frame.firstKey);
        for (auto value = firstValue; value != values_.end(); ++value, ++key)
            members.emplace_back(std::move(*key), std::move(*value));
        keys_.erase(keys_.begin() + std::ptrdiff_t(frame.firstKey), keys_.end());
        container = Value(Object::adopt(std::move(members)));
    } else {
        container = Value(
            Array(std::make_move_iterator(firstValue), std::make_move_iterator(values_.end())));
    }
    values_.erase(firstValue, values_.end());
    if (frame.saved == State::Start) {
        root_ = std::move(container);
        state_ = State::Complete;
        return true;
    }
    state_ = frame.saved;
    receiveValue(std::move(container));
    return true;
}

// Hands a finished value to the open container and moves its state on.
void Parser::receiveValue(Value &&value)
{
    values_.push_back(std::move(value));
    state_ = frames_.back().isObject ? State::ObjectGotValue : State::ArrayGotValue;
}

} // namespace

std::optional<Value> JsonReader::objectWithData(const char *data, size_t size)
{
    if (!data) {
        error_ = "Input was 'nil'";
        return std::nullopt;
    }
    Parser parser(data, size, maxDepth);
    std::optional<Value> value = parser.run();
    error_ = value ? std::string() : parser.takeError();
    return value;
}

std::optional<Value> JsonReader::objectWithStringError(std::string_view text, JsonError *error)
{
    std::optional<Value> value = objectWithString(text);
    if (!value && error)
        *error = JsonError{"nuvora.json.reader", 0, error_};
    return value;
}

std::optional<Value> JSONValue(std::string_view text)
{
    JsonReader reader;
    std::optional<Value> value = reader.objectWithString(text);
    if (!value)
        std::fprintf(stderr, "-JSONValue failed. Error is: %s\n", reader.error().c_str());
    return value;
}

} // namespace nuvora::json
