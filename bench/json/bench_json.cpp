// Decode and encode throughput of the client's JSON codec beside RapidJSON (DOM),
// nlohmann::json, QJsonDocument and simdjson (decode only) on reply-shaped
// documents this program makes itself, plus a floor: one pass over every byte.
// After the runs a table of median MB/s per document and library is printed.

#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"

#include <QByteArray>
#include <QJsonDocument>

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <simdjson.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// A fixed linear congruential generator: the corpus is the same on every run.
class Dice {
public:
    unsigned next(unsigned bound)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return unsigned(state_ >> 33) % bound;
    }
    template <size_t N> const char *pick(const char *const (&items)[N]) { return items[next(N)]; }

private:
    uint64_t state_ = 20261207;
};

const char *const kNames[] = {"小明",    "夜猫子", "Lily 丽丽", "阿杰",  "舞池女王",
                              "DJ 小王", "静静",   "路过的风",  "Kevin", "糖糖"};
const char *const kMoods[] = {"今晚去哪儿嗨？",
                              "周末 \\\"电音节\\\" 有人一起吗\\n求组队",
                              "刚下班，想喝一杯 \\ud83c\\udf7a",
                              "心情不错 \\ud83c\\udf89",
                              "",
                              "在外滩，风好大\\/冷",
                              "新歌太好听了！！！"};
const char *const kTags[] = {"电音", "Hip-Hop", "爵士", "现场乐队", "威士忌", "露台", "包房"};
const char *const kMessages[] = {"在吗？",
                                 "今晚一起去 Muse 吗",
                                 "好的，九点见",
                                 "哈哈哈 \\ud83d\\ude02",
                                 "路上堵车，晚点到\\n等我",
                                 "门口见",
                                 "收到 \\\"VIP\\\" 邀请了"};
const char *const kDescription =
    "位于市中心的老牌夜店，拥有全城最好的音响系统与灯光设计。每周五、六邀请国内外知名 DJ "
    "驻场，风格涵盖电子、浩室与嘻哈。二楼设有安静的威士忌酒廊，适合三五好友小酌聊天；"
    "露台可俯瞰江景。周日至周四女士免费入场，生日派对可提前预订包房并享受香槟优惠。";

void appendCoordinates(std::string &out, Dice &dice)
{
    out += ",\"lat\":31." + std::to_string(100000 + dice.next(900000));
    out += ",\"lng\":121." + std::to_string(100000 + dice.next(900000));
}

std::string userObject(Dice &dice, int i)
{
    std::string out = "{";
    // Some servers send numbers as text.
    out += i % 3 == 0 ? "\"uid\":\"" + std::to_string(10000 + i) + "\""
                      : "\"uid\":" + std::to_string(10000 + i);
    out += ",\"nickname\":\"" + std::string(dice.pick(kNames)) + "\"";
    out += ",\"mood\":\"" + std::string(dice.pick(kMoods)) + "\"";
    out += ",\"avatar\":\"http://127.0.0.1:8080/images/avatar/" + std::to_string(i) + ".jpg\"";
    appendCoordinates(out, dice);
    out += ",\"distance\":" + std::to_string(dice.next(20000));
    out += ",\"sex\":" + std::to_string(dice.next(2));
    out += ",\"age\":\"" + std::to_string(18 + dice.next(20)) + "\"";
    out += ",\"constellation\":" + std::to_string(dice.next(12));
    out += ",\"lastlogin\":" + std::to_string(1700000000 + dice.next(1000000));
    out += ",\"vip\":" + std::string(dice.next(4) == 0 ? "true" : "false") + "}";
    return out;
}

std::string usersDocument()
{
    Dice dice;
    std::string out = "{\"status\":0,\"total\":200,\"users\":[";
    for (int i = 0; i < 200; ++i)
        out += (i ? "," : "") + userObject(dice, i);
    return out + "]}";
}

std::string feedDocument()
{
    Dice dice;
    std::string out = "{\"status\":0,\"cursor\":\"1700000000_5531\",\"feeds\":[";
    for (int i = 0; i < 100; ++i) {
        const unsigned type = 1 + dice.next(5);
        out += i ? "," : "";
        out += "{\"feedid\":" + std::to_string(5000 + i) + ",\"type\":" + std::to_string(type);
        out += ",\"time\":" + std::to_string(1700000000 + i * 97);
        out += ",\"user\":" + userObject(dice, i);
        out += ",\"content\":\"" + std::string(dice.pick(kMoods)) + "\"";
        if (type == 2) {
            out += ",\"photos\":[";
            for (unsigned p = 0, n = 1 + dice.next(6); p < n; ++p)
                out += (p ? "," : "") + std::string("\"http://127.0.0.1:8080/images/photo/")
                       + std::to_string(i * 10 + p) + ".jpg\"";
            out += "]";
        } else if (type == 3) {
            out += ",\"club\":{\"cid\":" + std::to_string(dice.next(50)) + ",\"name\":\""
                   + dice.pick(kNames) + "俱乐部\"}";
        }
        out += ",\"comments\":" + std::to_string(dice.next(40));
        out += ",\"likes\":" + std::to_string(dice.next(400)) + ",\"score\":"
               + std::to_string(dice.next(50)) + "." + std::to_string(dice.next(10)) + "}";
    }
    return out + "]}";
}

std::string chatDocument()
{
    Dice dice;
    std::string out = "{\"command\":\"recvmessage\",\"messages\":[";
    for (int i = 0; i < 1000; ++i) {
        const unsigned sender = dice.next(20);
        out += i ? "," : "";
        out += "{\"msgid\":\"m" + std::to_string(900000 + i) + "\",\"senduid\":\""
               + std::to_string(7 + sender) + "\",\"nickname\":\"" + dice.pick(kNames)
               + "\",\"avatar\":\"a" + std::to_string(sender) + "\",\"message\":\""
               + dice.pick(kMessages) + "\",\"time\":" + std::to_string(1700000000 + i) + "}";
    }
    return out + "]}";
}

std::string clubsDocument()
{
    Dice dice;
    std::string out = "{\"status\":0,\"clubs\":[";
    for (int i = 0; i < 50; ++i) {
        out += i ? "," : "";
        out += "{\"cid\":" + std::to_string(300 + i) + ",\"name\":\"" + dice.pick(kNames)
               + " Club\",\"address\":\"上海市黄浦区中山东一路" + std::to_string(i + 1) + "号\"";
        out += ",\"tel\":\"021-6" + std::to_string(1000000 + dice.next(8999999)) + "\"";
        appendCoordinates(out, dice);
        out += ",\"tags\":[";
        for (unsigned t = 0, n = 1 + dice.next(5); t < n; ++t)
            out += (t ? ",\"" : "\"") + std::string(dice.pick(kTags)) + "\"";
        out += "],\"description\":\"" + std::string(kDescription) + kDescription + "\"";
        out += ",\"parties\":" + std::to_string(dice.next(10)) + ",\"rating\":4."
               + std::to_string(dice.next(10)) + "}";
    }
    return out + "]}";
}

struct Document {
    const char *name;
    std::string text;
};

const std::vector<Document> &corpus()
{
    static const std::vector<Document> documents = {
        {"users200", usersDocument()},
        {"feed100", feedDocument()},
        {"chat1000", chatDocument()},
        {"clubs50", clubsDocument()},
        {"status", "{\"status\":1,\"message\":\"操作成功\"}"},
    };
    return documents;
}

void setBytes(benchmark::State &state, const std::string &text)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

// --- decode -------------------------------------------------------------------

void decodeNuvora(benchmark::State &state, const std::string &text)
{
    for (auto _ : state) {
        nuvora::json::JsonReader reader;
        auto value = reader.objectWithData(text);
        if (!value)
            state.SkipWithError(reader.error().c_str());
        benchmark::DoNotOptimize(value);
    }
    setBytes(state, text);
}

void decodeRapidJson(benchmark::State &state, const std::string &text)
{
    for (auto _ : state) {
        rapidjson::Document document;
        document.Parse(text.data(), text.size());
        if (document.HasParseError())
            state.SkipWithError("parse error");
        benchmark::DoNotOptimize(document);
    }
    setBytes(state, text);
}

void decodeNlohmann(benchmark::State &state, const std::string &text)
{
    for (auto _ : state) {
        auto document = nlohmann::json::parse(text);
        benchmark::DoNotOptimize(document);
    }
    setBytes(state, text);
}

void decodeQt(benchmark::State &state, const std::string &text)
{
    const QByteArray bytes = QByteArray::fromRawData(text.data(), qsizetype(text.size()));
    for (auto _ : state) {
        QJsonParseError error;
        auto document = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError)
            state.SkipWithError("parse error");
        benchmark::DoNotOptimize(document);
    }
    setBytes(state, text);
}

// simdjson needs padding after the text and is used the way it is meant to be:
// one parser reused for every document.
void decodeSimdjson(benchmark::State &state, const std::string &text)
{
    const simdjson::padded_string padded(text);
    simdjson::dom::parser parser;
    for (auto _ : state) {
        auto document = parser.parse(padded);
        if (document.error())
            state.SkipWithError("parse error");
        benchmark::DoNotOptimize(document);
    }
    setBytes(state, text);
}

// --- encode -------------------------------------------------------------------

// The client encodes each command with a fresh writer, so the benchmark does too.
void encodeNuvora(benchmark::State &state, const std::string &text)
{
    const auto tree = nuvora::json::JsonReader().objectWithData(text);
    for (auto _ : state) {
        nuvora::json::JsonWriter writer;
        auto out = writer.dataWithObject(*tree);
        benchmark::DoNotOptimize(out);
    }
    setBytes(state, text);
}

void encodeRapidJson(benchmark::State &state, const std::string &text)
{
    rapidjson::Document document;
    document.Parse(text.data(), text.size());
    for (auto _ : state) {
        rapidjson::StringBuffer buffer;
        rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
        document.Accept(writer);
        benchmark::DoNotOptimize(buffer.GetString());
    }
    setBytes(state, text);
}

void encodeNlohmann(benchmark::State &state, const std::string &text)
{
    const auto document = nlohmann::json::parse(text);
    for (auto _ : state) {
        auto out = document.dump();
        benchmark::DoNotOptimize(out);
    }
    setBytes(state, text);
}

void encodeQt(benchmark::State &state, const std::string &text)
{
    const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(text));
    for (auto _ : state) {
        auto out = document.toJson(QJsonDocument::Compact);
        benchmark::DoNotOptimize(out);
    }
    setBytes(state, text);
}

// --- floor --------------------------------------------------------------------

void floorOnePass(benchmark::State &state, const std::string &text)
{
    for (auto _ : state) {
        uint64_t sum = 0;
        for (const char c : text)
            sum += static_cast<unsigned char>(c);
        benchmark::DoNotOptimize(sum);
    }
    setBytes(state, text);
}

struct Contender {
    const char *operation;
    const char *library;
    void (*run)(benchmark::State &, const std::string &);
};

const Contender kContenders[] = {
    {"decode", "nuvora", decodeNuvora},       {"decode", "rapidjson", decodeRapidJson},
    {"decode", "nlohmann", decodeNlohmann},   {"decode", "QJsonDocument", decodeQt},
    {"decode", "simdjson", decodeSimdjson},   {"encode", "nuvora", encodeNuvora},
    {"encode", "rapidjson", encodeRapidJson}, {"encode", "nlohmann", encodeNlohmann},
    {"encode", "QJsonDocument", encodeQt},    {"floor", "one pass", floorOnePass},
};

// Keeps the median MB/s of every benchmark, for the table at the end.
class TableReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians; // "operation/library/document" -> MB/s

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const auto bytes = run.counters.find("bytes_per_second");
            if (run.aggregate_name == "median" && bytes != run.counters.end())
                medians[run.run_name.function_name] = bytes->second.value / 1e6;
        }
    }
};

void printTable(const TableReporter &reporter)
{
    std::printf("\nmedian MB/s\n%-8s %-14s", "", "");
    for (const Document &document : corpus())
        std::printf(" %10s", document.name);
    std::printf("\n%-8s %-14s", "", "bytes");
    for (const Document &document : corpus())
        std::printf(" %10zu", document.text.size());
    std::printf("\n");
    for (const Contender &contender : kContenders) {
        std::printf("%-8s %-14s", contender.operation, contender.library);
        for (const Document &document : corpus()) {
            const auto found = reporter.medians.find(std::string(contender.operation) + "/"
                                                     + contender.library + "/" + document.name);
            std::printf(" %10.0f", found == reporter.medians.end() ? 0.0 : found->second);
        }
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char **argv)
{
    for (const Contender &contender : kContenders) {
        for (const Document &document : corpus()) {
            const std::string name =
                std::string(contender.operation) + "/" + contender.library + "/" + document.name;
            benchmark::RegisterBenchmark(name.c_str(), contender.run, document.text);
        }
    }
    std::vector<char *> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    std::string minTime = "--benchmark_min_time=0.05";
    args.insert(args.begin() + 1, {repetitions.data(), aggregates.data(), minTime.data()});
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter);
    benchmark::Shutdown();
    return 0;
}
