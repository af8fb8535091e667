// The reader: the kinds it builds, every way a document fails and the exact text
// of each failure, cut-off input, depth, repeated keys.

#include "api/json/JsonReader.h"

#include <QTest>

using namespace nuvora::json;

Q_DECLARE_METATYPE(std::string)

namespace {

std::string failureOf(std::string_view text)
{
    JsonReader reader;
    const std::optional<Value> value = reader.objectWithString(text);
    return value ? std::string("<accepted>") : reader.error();
}

Value decoded(std::string_view text)
{
    JsonReader reader;
    std::optional<Value> value = reader.objectWithString(text);
    if (!value)
        qWarning("not decoded: %s", reader.error().c_str());
    return value ? std::move(*value) : Value();
}

const Value &first(const Value &array)
{
    return array.asArray().at(0);
}

std::string nested(int depth)
{
    return std::string(size_t(depth), '[') + std::string(size_t(depth), ']');
}

} // namespace

class JsonReaderTest : public QObject {
    Q_OBJECT
private slots:
    void failuresCarryTheirExactText_data()
    {
        QTest::addColumn<std::string>("input");
        QTest::addColumn<std::string>("error");
        const auto row = [](const char *name, std::string input, std::string error) {
            QTest::newRow(name) << input << error;
        };
        row("bare string", "\"abc\"",
            "Token 'string' not expected before outer-most array or object");
        row("bare number then space", "12 ",
            "Token 'number' not expected before outer-most array or object");
        row("bare true", "true ", "Token 'boolean' not expected before outer-most array or object");
        row("bare null", "null", "Token 'null' not expected before outer-most array or object");
        row("bare number at the end", "12", "Unexpected end of input");
        row("open array", "[1", "Unexpected end of input");
        row("cut inside a string", "[\"ab", "Unexpected end of input");
        row("cut inside a literal", "[tr", "Unexpected end of input");
        row("cut after a minus", "[-", "Unexpected end of input");
        row("cut inside an escape", "[\"\\u12", "Unexpected end of input");
        row("cut before the low surrogate", "[\"\\ud834\\udd", "Unexpected end of input");
        row("empty input", "", "Unexpected end of input");
        row("only white space", " \t\r\n", "Unexpected end of input");
        row("trailing comma in array", "[1,]", "Token 'end of array' not expected as array value");
        row("trailing comma in object", "{\"a\":1,}",
            "Token 'end of object' not expected in place of object key");
        row("leading comma", "[,1]", "Token 'value separator' not expected at array start");
        row("number as key", "{1:2}", "Token 'number' not expected at beginning of object");
        row("missing colon", "{\"a\" 1}", "Token 'number' not expected after object key");
        row("missing value", "{\"a\":}", "Token 'end of object' not expected as object value");
        row("two values", "{\"a\":1 2}", "Token 'number' not expected after object value");
        row("colon in array", "[1:2]",
            "Token 'key-value separator' not expected after array value");
        row("mismatched end", "[1}", "Token 'end of object' not expected after array value");
        row("second document", "[1] [2]",
            "Token 'start of array' not expected after outer-most array or object");
        row("trailing cut-off number", "[1] 2",
            "Token 'number' not expected after outer-most array or object");
        row("leading zero", "[01]", "Leading zero is illegal in number");
        row("negative leading zero", "[-01]", "Leading zero is illegal in number");
        row("lone minus", "[-]", "No digits after initial minus");
        row("minus before point", "[-.5]", "No digits after initial minus");
        row("no fraction digits", "[1.]", "No digits after decimal point");
        row("no exponent digits", "[1e]", "No digits in exponent");
        row("signed exponent without digits", "[1E+]", "No digits in exponent");
        row("leading plus", "[+1]", "Leading + is illegal in number");
        row("illegal start", "[x]", "Illegal start of token [x]");
        row("comment", "[1]/", "Illegal start of token [/]");
        row("misspelt true", "[trUe]", "Expected 'true' after initial 't'");
        row("misspelt false", "[fals3]", "Expected 'false' after initial 'f'");
        row("misspelt null", "[nul1]", "Expected 'null' after initial 'n'");
        row("control character", "[\"a\nb\"]", "Unescaped control character [0x0A]");
        row("tab", "[\"\t\"]", "Unescaped control character [0x09]");
        row("illegal escape", "[\"\\x\"]", "Illegal escape character");
        row("bad hex", "[\"\\u12G4\"]", "Invalid hex quad");
        row("bad hex in the low half", "[\"\\ud834\\uzzzz\"]", "Invalid hex quad");
        row("missing low surrogate", "[\"\\ud834abcdef\"]",
            "Missing low character in surrogate pair");
        row("invalid low surrogate", "[\"\\ud834\\u0041\"]",
            "Invalid low character in surrogate pair");
        row("lone low surrogate", "[\"\\udd1e\"]", "Invalid high character in surrogate pair");
        row("broken UTF-8", "[\"\xC3\x28\"]", "Broken Unicode encoding");
        row("overlong UTF-8", "[\"\xC0\xAF\"]", "Broken Unicode encoding");
        row("encoded surrogate", "[\"\xED\xA0\x80\"]", "Broken Unicode encoding");
        row("beyond U+10FFFF", "[\"\xF4\x90\x80\x80\"]", "Broken Unicode encoding");
        row("33 levels", nested(33), "Input depth exceeds max depth of 32");
    }

    void failuresCarryTheirExactText()
    {
        QFETCH(std::string, input);
        QFETCH(std::string, error);
        QCOMPARE(failureOf(input), error);
    }

    void missingInputAndErrorRecord()
    {
        JsonReader reader;
        QVERIFY(!reader.objectWithData(nullptr, 0));
        QCOMPARE(reader.error(), std::string("Input was 'nil'"));
        // An empty but present buffer is not the missing input.
        QVERIFY(!reader.objectWithData("", 0));
        QCOMPARE(reader.error(), std::string("Unexpected end of input"));

        JsonError error;
        QVERIFY(!reader.objectWithStringError("[1,]", &error));
        QCOMPARE(error.domain, std::string("nuvora.json.reader"));
        QCOMPARE(error.code, 0);
        QCOMPARE(error.description,
                 std::string("Token 'end of array' not expected as array value"));

        QVERIFY(reader.objectWithStringError("[]", &error));
        QVERIFY(reader.error().empty());
    }

    void containersAndLiterals()
    {
        QCOMPARE(decoded("[]"), Value(Array{}));
        QCOMPARE(decoded(" {} \n"), Value(Object{}));
        const Value v = decoded("[true,false,null,\"\",[{}]]");
        QCOMPARE(v.asArray().size(), size_t(5));
        QCOMPARE(v.asArray()[0], Value(true));
        QCOMPARE(v.asArray()[1], Value(false));
        QVERIFY(v.asArray()[2].isNull());
        QCOMPARE(v.asArray()[3], Value(""));
        QCOMPARE(v.asArray()[4], Value(Array{Value(Object{})}));
    }

    void numbersTakeTheirKind()
    {
        QCOMPARE(first(decoded("[123]")).kind(), Value::Kind::Unsigned);
        QCOMPARE(first(decoded("[123]")).asUnsigned(), uint64_t(123));
        QCOMPARE(first(decoded("[-5]")).kind(), Value::Kind::Signed);
        QCOMPARE(first(decoded("[-5]")).asSigned(), int64_t(-5));
        QCOMPARE(first(decoded("[-0]")).kind(), Value::Kind::Signed);
        // 18 digits still fit; 19 or more become a decimal even without a fraction.
        QCOMPARE(first(decoded("[999999999999999999]")).asUnsigned(),
                 uint64_t(999999999999999999ULL));
        const Value big = first(decoded("[12345678901234567890]"));
        QCOMPARE(big.kind(), Value::Kind::Decimal);
        QCOMPARE(big.asDecimal().digits, std::string("12345678901234567890"));
        QCOMPARE(big.asDecimal().exponent, int64_t(0));
        QCOMPARE(big.toText(), std::string("12345678901234567890"));
        const Value huge = first(decoded("[-123456789012345678901234567890]"));
        QCOMPARE(huge.toInteger(), std::numeric_limits<int64_t>::min());

        const Value oneAndHalf = first(decoded("[1.5]"));
        QCOMPARE(oneAndHalf.kind(), Value::Kind::Decimal);
        QCOMPARE(oneAndHalf.asDecimal().digits, std::string("15"));
        QCOMPARE(oneAndHalf.asDecimal().exponent, int64_t(-1));
        QCOMPARE(oneAndHalf.toDouble(), 1.5);
        QCOMPARE(first(decoded("[1e2]")).kind(), Value::Kind::Decimal);
        QCOMPARE(first(decoded("[1e2]")).toInteger(), int64_t(100));
        const Value small = first(decoded("[-2.5E-3]"));
        QVERIFY(small.asDecimal().negative);
        QCOMPARE(small.asDecimal().exponent, int64_t(-4));
        QCOMPARE(small.toDouble(), -0.0025);
        QCOMPARE(small.toText(), std::string("-0.0025"));
        // Numbers next to structure, with no white space.
        QCOMPARE(decoded("{\"a\":-1,\"b\":0.5}")["b"].toText(), std::string("0.5"));
        // Absurd exponents saturate rather than overflow.
        QCOMPARE(first(decoded("[1e99999999999999999999]")).toDouble(),
                 std::numeric_limits<double>::infinity());
        QCOMPARE(first(decoded("[1e-99999999999999999999]")).toDouble(), 0.0);
        // Integers too long for a double are infinite, not zero; up to the limit they are
        // the nearest double.
        const std::string digits400(400, '7');
        QCOMPARE(first(decoded("[" + digits400 + "]")).toDouble(),
                 std::numeric_limits<double>::infinity());
        QCOMPARE(first(decoded("[-" + digits400 + "]")).toDouble(),
                 -std::numeric_limits<double>::infinity());
        QCOMPARE(first(decoded("[" + digits400 + "e-50]")).toDouble(),
                 std::numeric_limits<double>::infinity());
        QCOMPARE(first(decoded("[1" + std::string(308, '0') + "]")).toDouble(), 1e308);
        QCOMPARE(first(decoded("[0." + std::string(400, '0') + "1]")).toDouble(), 0.0);
        // and their power of ten is held where writing and reading it back agree.
        QCOMPARE(first(decoded("[990670e999999999999999999999999997]")).toText(),
                 std::string("9.9067e+1000000000000000"));
        QCOMPARE(first(decoded("[9.9067e+1000000000000000]")).toText(),
                 std::string("9.9067e+1000000000000000"));
        QCOMPARE(first(decoded("[-12.5e-99999999999999999999]")).toText(),
                 std::string("-1.25e-1000000000000000"));
    }

    void stringsDecodeEscapesAndUnicode()
    {
        QCOMPARE(first(decoded("[\"\\\"\\\\\\/\\b\\f\\n\\r\\t\"]")).asString(),
                 std::string("\"\\/\b\f\n\r\t"));
        QCOMPARE(first(decoded("[\"\\u00e9\\u4E2D\"]")).asString(), std::string("é中"));
        // A surrogate pair is one character (U+1D11E).
        QCOMPARE(first(decoded("[\"\\ud834\\udd1e\"]")).asString(),
                 std::string("\xF0\x9D\x84\x9E"));
        QCOMPARE(first(decoded("[\"夜店 🎉\"]")).asString(), std::string("夜店 🎉"));
        const Value nul = first(decoded("[\"a\\u0000b\"]"));
        QCOMPARE(nul.asString(), std::string("a\0b", 3));
        // Escape-free runs on both sides of an escape are kept whole.
        QCOMPARE(first(decoded("[\"ab\\ncd\"]")).asString(), std::string("ab\ncd"));
    }

    void depthLimit()
    {
        const Value deepest = decoded(nested(32));
        QVERIFY(deepest.isArray());
        QCOMPARE(failureOf("{\"a\":" + nested(31) + "}"), std::string("<accepted>"));
        QCOMPARE(failureOf("{\"a\":" + nested(32) + "}"),
                 std::string("Input depth exceeds max depth of 32"));
        JsonReader shallow;
        shallow.maxDepth = 2;
        QVERIFY(shallow.objectWithString("[[]]"));
        QVERIFY(!shallow.objectWithString("[[[]]]"));
        QCOMPARE(shallow.error(), std::string("Input depth exceeds max depth of 2"));
        // Very deep input fails cleanly rather than overflowing the stack.
        QCOMPARE(failureOf(std::string(200000, '[')),
                 std::string("Input depth exceeds max depth of 32"));
    }

    void repeatedKeyKeepsTheLastValue()
    {
        const Value v = decoded("{\"b\":0,\"a\":1,\"a\":2}");
        QCOMPARE(v.asObject().size(), size_t(2));
        QCOMPARE(v["a"].toInteger(), int64_t(2));
        QCOMPARE(v["b"].toInteger(), int64_t(0));
        QVERIFY(v["missing"].isNull());
        QCOMPARE(v.find("missing"), nullptr);
    }

    void readerIsReusableAfterAFailure()
    {
        JsonReader reader;
        QVERIFY(!reader.objectWithString("[1,]"));
        QVERIFY(!reader.error().empty());
        const std::optional<Value> value = reader.objectWithString("{\"k\":[1,2]}");
        QVERIFY(value);
        QVERIFY(reader.error().empty());
        QCOMPARE((*value)["k"].asArray().size(), size_t(2));
    }
};

QTEST_APPLESS_MAIN(JsonReaderTest)
#include "tst_jsonreader.moc"
