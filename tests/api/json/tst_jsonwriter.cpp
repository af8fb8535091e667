// The writer and the value conversions: escaping, number texts, refusals, the
// settings, the conveniences' log lines, and reading back what was written.

#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"

#include <QTemporaryFile>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <unistd.h>

using namespace nuvora::json;

namespace {

Value arrayOf(Value v)
{
    return Value(Array{std::move(v)});
}

std::string written(const Value &v)
{
    JsonWriter writer;
    const std::optional<std::string> text = writer.dataWithObject(v);
    return text ? *text : "<failed: " + writer.error() + ">";
}

std::string failureOf(const Value &v)
{
    JsonWriter writer;
    return writer.dataWithObject(v) ? std::string("<written>") : writer.error();
}

Value nestedArrays(int depth)
{
    Value v{Array{}};
    for (int i = 1; i < depth; ++i)
        v = Value(Array{std::move(v)});
    return v;
}

Decimal decimal(std::string digits, int64_t exponent, bool negative = false)
{
    return Decimal{std::move(digits), exponent, negative};
}

// What `action` writes to standard error.
QByteArray standardErrorOf(const std::function<void()> &action)
{
    QTemporaryFile capture;
    if (!capture.open())
        return {};
    fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    action();
    fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return capture.readAll();
}

} // namespace

class JsonWriterTest : public QObject {
    Q_OBJECT
private slots:
    void stringsAreEscapedMinimally()
    {
        Object o;
        o.set("text", "line\nnext/path");
        QCOMPARE(written(Value(o)), std::string("{\"text\":\"line\\nnext/path\"}"));
        QCOMPARE(written(arrayOf("\"\\\b\t\n\f\r")), std::string("[\"\\\"\\\\\\b\\t\\n\\f\\r\"]"));
        QCOMPARE(written(arrayOf(std::string("\x01\x1f\0", 3))),
                 std::string("[\"\\u0001\\u001f\\u0000\"]"));
        QCOMPARE(written(arrayOf("夜店 🎉\x7f")), std::string("[\"夜店 🎉\x7f\"]"));
        Object key;
        key.set("k\"ey", 1);
        QCOMPARE(written(Value(key)), std::string("{\"k\\\"ey\":1}"));
    }

    void numbersAndLiterals()
    {
        const Value all(Array{Value(true), Value(false), Value(),
                              Value(uint64_t(18446744073709551615ULL)),
                              Value(int64_t(std::numeric_limits<int64_t>::min())), Value(0.1),
                              Value(1e300), Value(-2.0)});
        QCOMPARE(written(all), std::string("[true,false,null,18446744073709551615,"
                                           "-9223372036854775808,0.10000000000000001,"
                                           "1.0000000000000001e+300,-2]"));
        QCOMPARE(written(arrayOf(decimal("15", -1))), std::string("[1.5]"));
        QCOMPARE(written(arrayOf(decimal("25", -2, true))), std::string("[-0.25]"));
        QCOMPARE(written(arrayOf(decimal("1", 30))), std::string("[1e+30]"));
        QCOMPARE(written(arrayOf(decimal("1200", -2))), std::string("[12]"));
        QCOMPARE(written(arrayOf(decimal("000", 5))), std::string("[0]"));
        QCOMPARE(written(arrayOf(decimal("123", -10))), std::string("[1.23e-8]"));
        QCOMPARE(written(arrayOf(decimal("12345678901234567890", 0))),
                 std::string("[12345678901234567890]"));
    }

    void refusals()
    {
        QCOMPARE(failureOf(Value("text")), std::string("Not valid type for JSON"));
        QCOMPARE(failureOf(Value(3)), std::string("Not valid type for JSON"));
        QCOMPARE(failureOf(Value()), std::string("Not valid type for JSON"));
        QCOMPARE(failureOf(arrayOf(std::numeric_limits<double>::infinity())),
                 std::string("+Infinity is not a valid number in JSON"));
        QCOMPARE(failureOf(arrayOf(-std::numeric_limits<double>::infinity())),
                 std::string("-Infinity is not a valid number in JSON"));
        QCOMPARE(failureOf(arrayOf(std::nan(""))),
                 std::string("NaN is not a valid number in JSON"));
        QCOMPARE(failureOf(arrayOf(decimal("1x", 0))),
                 std::string("JSON serialisation not supported for malformed decimal"));
        QCOMPARE(failureOf(nestedArrays(32)), std::string("<written>"));
        QCOMPARE(failureOf(nestedArrays(33)), std::string("Nested too deep"));

        JsonWriter writer;
        JsonError error;
        QVERIFY(!writer.stringWithObjectError(arrayOf(std::nan("")), &error));
        QCOMPARE(error.domain, std::string("nuvora.json.writer"));
        QCOMPARE(error.code, 0);
        QCOMPARE(error.description, std::string("NaN is not a valid number in JSON"));
        // A failure hands out no partial text, and the writer stays usable.
        QVERIFY(writer.stringWithObject(arrayOf(1)));
        QVERIFY(writer.error().empty());
    }

    void settings()
    {
        Object inner;
        inner.set("z", 1);
        Object o;
        o.set("b", Value(Array{1, 2}));
        o.set("a", Value(inner));
        o.set("c", Value(Array{}));
        o.set("b", Value(Array{1, 2})); // replaced in place
        JsonWriter plain;
        QCOMPARE(*plain.stringWithObject(Value(o)),
                 std::string("{\"b\":[1,2],\"a\":{\"z\":1},\"c\":[]}"));
        JsonWriter sorted;
        sorted.sortKeys = true;
        QCOMPARE(*sorted.stringWithObject(Value(o)),
                 std::string("{\"a\":{\"z\":1},\"b\":[1,2],\"c\":[]}"));
        JsonWriter pretty;
        pretty.humanReadable = true;
        pretty.sortKeys = true;
        QCOMPARE(*pretty.stringWithObject(Value(o)),
                 std::string("{\n  \"a\": {\n    \"z\": 1\n  },\n  \"b\": [\n    1,\n    2\n  ],"
                             "\n  \"c\": [\n  ]\n}"));
    }

    void repeatedKeysFoldInPlace()
    {
        // Reading keeps the first position of a key and its last value, also past
        // the size where repeats are found by hashing.
        QCOMPARE(
            written(*JsonReader().objectWithString("{\"x\":1,\"y\":2,\"x\":3,\"y\":4,\"z\":5}")),
            std::string("{\"x\":3,\"y\":4,\"z\":5}"));
        std::string big = "{";
        std::string expected = "{";
        for (int i = 0; i < 40; ++i) {
            big += "\"k" + std::to_string(i) + "\":" + std::to_string(i) + ",";
            expected += (i ? ",\"k" : "\"k") + std::to_string(i)
                        + "\":" + std::to_string(i % 2 ? i + 100 : i);
        }
        for (int i = 1; i < 40; i += 2)
            big +=
                "\"k" + std::to_string(i) + "\":" + std::to_string(i + 100) + (i < 39 ? "," : "");
        QCOMPARE(written(*JsonReader().objectWithString(big + "}")), expected + "}");
    }

    void oneWriterWritesManyDocuments()
    {
        // The writer remembers each string's encoding; reuse must not mix documents up.
        JsonWriter writer;
        QCOMPARE(*writer.stringWithObject(Value(Array{"a\n", "b"})),
                 std::string("[\"a\\n\",\"b\"]"));
        QCOMPARE(*writer.stringWithObject(Value(Array{"b", "a\n", "a\n"})),
                 std::string("[\"b\",\"a\\n\",\"a\\n\"]"));
    }

    void whatIsWrittenReadsBack()
    {
        Object user;
        user.set("uid", uint64_t(42));
        user.set("balance", int64_t(-7));
        user.set("nickname", "小明 \"quoted\"\n\t\\");
        user.set("lat", Decimal{"312304", -4, false});
        user.set("tags", Value(Array{Value(), Value(true), Value("🎉")}));
        const Value original(user);
        const std::optional<Value> back = JsonReader().objectWithString(written(original));
        QVERIFY(back);
        QCOMPARE(*back, original);
    }

    void conversions()
    {
        QCOMPARE(Value("42").toInteger(), int64_t(42));
        QCOMPARE(Value(" -7").toInteger(), int64_t(-7));
        QCOMPARE(Value("3.9").toInteger(), int64_t(3));
        QCOMPARE(Value("+5").toInteger(), int64_t(5));
        QCOMPARE(Value("1e3").toInteger(), int64_t(1000));
        QCOMPARE(Value("abc").toInteger(), int64_t(0));
        QCOMPARE(Value("").toInteger(), int64_t(0));
        QCOMPARE(Value("99999999999999999999").toInteger(), std::numeric_limits<int64_t>::max());
        QCOMPARE(Value(Array{}).toInteger(), int64_t(0));
        QCOMPARE(Value(true).toInteger(), int64_t(1));
        QCOMPARE(Value(uint64_t(18446744073709551615ULL)).toInteger(),
                 std::numeric_limits<int64_t>::max());
        QCOMPARE(Value(-3.99).toInteger(), int64_t(-3));
        QCOMPARE(Value(std::nan("")).toInteger(), int64_t(0));
        QCOMPARE(Value(Decimal{"399", -2, true}).toInteger(), int64_t(-3));
        QCOMPARE(Value(Decimal{"5", -3, false}).toInteger(), int64_t(0));

        QCOMPARE(Value("2.5").toDouble(), 2.5);
        QCOMPARE(Value("x").toDouble(), 0.0);
        QCOMPARE(Value(Decimal{"1", -1, false}).toDouble(), 0.1);
        // The nearest double of a long decimal.
        QCOMPARE(Value(Decimal{"31230400000000000000001", -22, false}).toDouble(), 3.12304);
        // Numeric text beyond a double's range: huge is infinite, tiny is zero, whichever
        // way the text is written.
        const double infinity = std::numeric_limits<double>::infinity();
        QCOMPARE(Value(std::string(400, '9')).toDouble(), infinity);
        QCOMPARE(Value("-1" + std::string(400, '0') + "e-50").toDouble(), -infinity);
        QCOMPARE(Value("0." + std::string(400, '0') + "1").toDouble(), 0.0);
        QCOMPARE(Value("1e-400").toDouble(), 0.0);
        QCOMPARE(Value(" 2e400").toDouble(), infinity);

        QCOMPARE(Value(uint64_t(7)).toText(), std::string("7"));
        QCOMPARE(Value(-7).toText(), std::string("-7"));
        QCOMPARE(Value(false).toText(), std::string("false"));
        QCOMPARE(Value(Object{}).toText(), std::string());
        QCOMPARE(Value(0.5).toText(), std::string("0.5"));
    }

    void equality()
    {
        QCOMPARE(Value(uint64_t(5)), Value(5));
        QVERIFY(Value(-1) != Value(uint64_t(18446744073709551615ULL)));
        QCOMPARE(Value(Decimal{"150", -2, false}), Value(Decimal{"15", -1, false}));
        QCOMPARE(Value(Decimal{"0", 0, true}), Value(Decimal{"00", 4, false}));
        QVERIFY(Value("1") != Value(1));
        QVERIFY(Value() != Value(false));
    }

    void conveniencesLogTheirFailures()
    {
        std::optional<Value> value = Value(Array{});
        QByteArray log = standardErrorOf([&] { value = JSONValue("[1,]"); });
        QVERIFY(!value);
        QCOMPARE(log, QByteArray("-JSONValue failed. Error is: "
                                 "Token 'end of array' not expected as array value\n"));
        log = standardErrorOf([&] { value = JSONValue("{\"a\":[]}"); });
        QVERIFY(value && (*value)["a"].isArray());
        QVERIFY(log.isEmpty());

        std::optional<std::string> text;
        log = standardErrorOf([&] { text = JSONRepresentation(Value("bare")); });
        QVERIFY(!text);
        QCOMPARE(log,
                 QByteArray("-JSONRepresentation failed. Error is: Not valid type for JSON\n"));
        QCOMPARE(JSONRepresentation(Value(Array{1})).value_or(""), std::string("[1]"));
    }
};

QTEST_APPLESS_MAIN(JsonWriterTest)
#include "tst_jsonwriter.moc"
