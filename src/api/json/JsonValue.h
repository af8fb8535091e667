#pragma once
// A decoded JSON value: the tree the reader builds and the writer takes.
// Plain C++ so that the codec can be fuzzed and benchmarked without Qt.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuvora::json {

// An exact decimal number: value = (negative ? -1 : 1) * digits * 10^exponent.
// `digits` holds decimal digits only, without sign; it may be longer than any
// machine integer, which is why numbers of 19 or more digits land here.
struct Decimal {
    std::string digits;
    int64_t exponent = 0;
    bool negative = false;

    // The nearest double.
    double toDouble() const;
    // The shortest exact decimal text, e.g. "1.5", "-0.25", "1e+30".
    std::string toString() const;
    void appendTo(std::string &out) const;
    // The integer part, truncated toward zero and saturated to the 64-bit range.
    int64_t toInteger() const;

    bool operator==(const Decimal &other) const;
};

class Value;
class Object;

using Array = std::vector<Value>;

class Value {
public:
    enum class Kind : uint8_t {
        Null,
        Boolean,
        Unsigned,
        Signed,
        Decimal,
        Double, // only built by callers, for writing
        String,
        Array,
        Object,
    };

    Value() noexcept : kind_(Kind::Null) {}
    Value(std::nullptr_t) noexcept : kind_(Kind::Null) {}
    Value(bool b) noexcept : kind_(Kind::Boolean) { u_.boolean = b; }
    Value(uint64_t n) noexcept : kind_(Kind::Unsigned) { u_.uinteger = n; }
    Value(int64_t n) noexcept : kind_(Kind::Signed) { u_.integer = n; }
    Value(int n) noexcept : Value(static_cast<int64_t>(n)) {}
    Value(unsigned n) noexcept : Value(static_cast<uint64_t>(n)) {}
    Value(double d) noexcept : kind_(Kind::Double) { u_.real = d; }
    Value(json::Decimal d);
    Value(std::string s);
    Value(std::string_view s) : Value(std::string(s)) {}
    Value(const char *s) : Value(std::string(s)) {}
    Value(json::Array a);
    Value(json::Object o);

    Value(const Value &other);
    Value(Value &&other) noexcept : kind_(other.kind_), u_(other.u_) { other.kind_ = Kind::Null; }
    Value &operator=(const Value &other);
    Value &operator=(Value &&other) noexcept;
    ~Value()
    {
        if (ownsPayload())
            destroy();
    }

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool isBool() const { return kind_ == Kind::Boolean; }
    bool isNumber() const
    {
        return kind_ == Kind::Unsigned || kind_ == Kind::Signed || kind_ == Kind::Decimal
               || kind_ == Kind::Double;
    }
    bool isString() const { return kind_ == Kind::String; }
    bool isArray() const { return kind_ == Kind::Array; }
    bool isObject() const { return kind_ == Kind::Object; }

    // Direct access; each returns an empty/zero value when the kind differs.
    bool asBool() const { return kind_ == Kind::Boolean && u_.boolean; }
    uint64_t asUnsigned() const { return kind_ == Kind::Unsigned ? u_.uinteger : 0; }
    int64_t asSigned() const { return kind_ == Kind::Signed ? u_.integer : 0; }
    double asDouble() const { return kind_ == Kind::Double ? u_.real : 0.0; }
    const json::Decimal &asDecimal() const;
    const std::string &asString() const;
    const json::Array &asArray() const;
    const json::Object &asObject() const;
    json::Array &asArray();   // precondition: isArray()
    json::Object &asObject(); // precondition: isObject()

    // The integer value of a number (truncated toward zero, saturated), of a
    // boolean (0/1), or of numeric text ("42", " -7", "3.9" -> 3); 0 otherwise.
    int64_t toInteger() const;
    // The nearest double of a number or numeric text; 0 otherwise.
    double toDouble() const;
    // Text of a string; the decimal text of a number; "true"/"false"; "" otherwise.
    std::string toText() const;

    // Object member lookup; a shared null value when absent or not an object.
    const Value &operator[](std::string_view key) const;
    // Object member lookup; nullptr when absent or not an object.
    const Value *find(std::string_view key) const;

    bool operator==(const Value &other) const;
    bool operator!=(const Value &other) const { return !(*this == other); }

private:
    bool ownsPayload() const
    {
        return kind_ == Kind::Decimal || kind_ == Kind::String || kind_ == Kind::Array
               || kind_ == Kind::Object;
    }
    void destroy() noexcept;
    void copyFrom(const Value &other);
    void moveFrom(Value &&other) noexcept;

    Kind kind_;
    union Payload {
        bool boolean;
        uint64_t uinteger;
        int64_t integer;
        double real;
        json::Decimal *decimal;
        std::string *string;
        json::Array *array;
        json::Object *object;
    } u_{};
};

// A JSON object. Members keep the order in which their keys first arrived; a
// repeated key replaces the earlier value in place. Lookups scan the members,
// which for the small objects of server replies beats any index.
class Object {
public:
    using Member = std::pair<std::string, Value>;
    using const_iterator = std::vector<Member>::const_iterator;

    Object() = default;

    // Inserts or replaces.
    void set(std::string key, Value value);
    const Value *find(std::string_view key) const;
    Value *find(std::string_view key);
    bool contains(std::string_view key) const { return find(key) != nullptr; }
    bool remove(std::string_view key);

    size_t size() const { return members_.size(); }
    bool empty() const { return members_.empty(); }
    const_iterator begin() const { return members_.begin(); }
    const_iterator end() const { return members_.end(); }

    // Bulk construction for the reader: members may repeat a key; `adopt` keeps
    // the last value of each key at the key's first position.
    static Object adopt(std::vector<Member> members);

    // Same members, in any order.
    bool operator==(const Object &other) const;

private:
    std::vector<Member> members_;
};

} // namespace nuvora::json
