// The quick JSON reader: what it takes it reads exactly as the full parser does; the rest it leaves.
#include "json/json_document.h"
#include "json/json_from_memory.h"
#include "json/keyed_string_hash.h"
#include "private_member.h"
#include "string_hash_colliding_keys.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

// The index of a document's object itself, whatever the type's names say.
struct ObjectIndexOf { friend constexpr auto MemberPointer(ObjectIndexOf); };
template struct PrivateMember<&JsonValue::object_t::m_map, ObjectIndexOf>;

namespace {

using Json = nlohmann::ordered_json;

// The document as text with every value's kind spelled out, so that 1, 1u and 1.0 differ.
std::string Typed(const Json& j)
{
    switch (j.type()) {
    case Json::value_t::object: {
        std::string out = "{";
        for (const auto& [key, value] : j.items()) out += Json(key).dump() + ":" + Typed(value) + ",";
        return out + "}";
    }
    case Json::value_t::array: {
        std::string out = "[";
        for (const auto& value : j) out += Typed(value) + ",";
        return out + "]";
    }
    case Json::value_t::number_unsigned: return "u" + j.dump();
    case Json::value_t::number_integer: return "i" + j.dump();
    case Json::value_t::number_float: return "f" + j.dump();
    default: return j.dump();
    }
}

// Checks the reader against the full parser: what the reader takes, the full parser reads alike.
// Returns whether the reader took the text.
bool TakenAlike(const std::string& text)
{
    const auto quick = ParseJsonFromMemory(text);
    if (!quick) return false;
    Json full;
    try {
        full = Json::parse(text);
    } catch (const Json::exception& e) {
        ADD_FAILURE() << "taken, but the full parser refuses it (" << e.what() << "): " << text;
        return true;
    }
    EXPECT_EQ(Typed(*quick), Typed(full)) << text;
    return true;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::vector<std::string> kSamples = {
    "examples/footing.json",           "examples/piles.json",           "examples/pile_cap.json",
    "examples/prestressed.json",       "examples/keyparams/footing.json", "examples/keyparams/piles.json",
    "examples/keyparams/pile_cap.json", "examples/keyparams/prestressed.json"};

TEST(JsonFromMemory, TakesEverySampleAsTheFullParserReadsIt)
{
    for (const std::string& sample : kSamples) {
        const std::string text = FileText(std::string(PM001_SOURCE_DIR) + "/" + sample);
        ASSERT_FALSE(text.empty()) << sample;
        EXPECT_TRUE(TakenAlike(text)) << sample;
    }
}

TEST(JsonFromMemory, ReadsValuesAndKindsAsTheFullParser)
{
    for (const char* text : {
             R"({"a": 1, "b": -1, "c": 1.0, "d": -0, "e": -0.0, "f": 2.5e3, "g": 1E-2, "h": 0.1})",
             R"([18446744073709551615, -9223372036854775808, 9223372036854775807, 4.9e-324, 1.7976931348623157e308])",
             R"([0.1, 0.30000000000000004, 3.141592653589793238462643383279, 123456789012345678e-5])",
             R"({"z": 1, "a": 2, "m": {"y": [], "x": {}}})",
             R"(  [true, false, null, "", "a\"b\\c\/d\be\ff\ng\rh\ti"]  )",
             "\xEF\xBB\xBF{\"bom\": 1}",
             "{\"\xE4\xB8\xAD\": \"\xF0\x9F\x98\x80 \xC2\xA9 \xED\x9F\xBF \xEF\xBF\xBF\"}",
             "\t\r\n{ \"spaced\" :\n[ 1 ,2\t] }\r\n"}) {
        EXPECT_TRUE(TakenAlike(text)) << text;
    }
}

// Text with a fault, and well-formed text the reader leaves to the full parser.
TEST(JsonFromMemory, LeavesFaultsAndRareFormsToTheFullParser)
{
    std::string deep(kMaxJsonNesting + 1, '[');
    deep += std::string(kMaxJsonNesting + 1, ']');
    std::string manyOnceTwice = "{";
    for (int i = 0; i < 40; ++i) manyOnceTwice += "\"k" + std::to_string(i % 39) + "\": " + std::to_string(i) + ",";
    manyOnceTwice.back() = '}';
    std::string deepest(kMaxJsonNesting, '[');
    deepest += std::string(kMaxJsonNesting, ']');
    EXPECT_TRUE(TakenAlike(deepest));
    for (const std::string& text : std::vector<std::string>{
             "", " ", "{", "}", "[1,]", "{\"a\":1,}", "{\"a\" 1}", "{a:1}", "[01]", "[1.]", "[.5]", "[-]", "[1e]",
             "[+1]", "[tru]", "[nul]", "[1] 2", "{} x", "\"a", "\"\x01\"", "\"\\x\"", "\"\\u0041\"",
             "\"\\ud83d\\ude00\"", "[1e999]", "[-1e999]", "[1e-400]", "[18446744073709551616]",
             "[-9223372036854775809]", "{\"a\": 1, \"a\": 2}", manyOnceTwice, deep, "\xEF\xBB{}", "\"\xC0\xAF\"", "\"\xE0\x80\xAF\"",
             "\"\xED\xA0\x80\"", "\"\xF4\x90\x80\x80\"", "\"\xF8\x88\x80\x80\x80\"", "\"\xC3\"", "\"\x80\"",
             "[NaN]", "[Infinity]", "/* c */ {}"}) {
        EXPECT_FALSE(ParseJsonFromMemory(text).has_value()) << text;
    }
}

// What the quick reader leaves but is well-formed, the full parser reads into the same document as
// the reference parser: every key in its place, however many an object holds.
TEST(JsonFromMemory, WhatItLeavesTheFullParserReadsAlike)
{
    std::string manyKeys = "{\"\\u0041\": 1";
    for (int i = 99; i >= 0; --i) manyKeys += ", \"k" + std::to_string(i) + "\": [" + std::to_string(i) + ", {\"z\": 0, \"a\": -1.5}]";
    manyKeys += "}";
    for (const std::string& text : std::vector<std::string>{
             R"({"b": "\u00e9", "a": [18446744073709551616, -9223372036854775809], "m": {"y": 1, "x": null}})",
             "[\"\\ud83d\\ude00\", {\"\\u0000\": true, \"\": false}]", manyKeys}) {
        ASSERT_FALSE(ParseJsonFromMemory(text).has_value()) << text;
        JsonPathTracker tracker("", [](const std::string& parent, std::string_view key) { return parent + "." + std::string(key); });
        EXPECT_EQ(Typed(ParseJsonDocument(text, tracker)), Typed(Json::parse(text))) << text;
    }
}

// The index's hash is SipHash-2-4: the published vectors, under the key 00 01 … 0f, of the messages
// 00 01 … n−1 (one word less one byte, two words).
TEST(JsonFromMemory, IndexHashIsSipHash24)
{
    std::string message;
    for (char c = 0; c < 16; ++c) message += c;
    const struct { std::size_t length; std::uint64_t hash; } vectors[] = {{7, 0xab0200f58b01d137}, {16, 0x3f2acc7f57c29bdb}};
    for (const auto& [length, hash] : vectors)
        EXPECT_EQ(SipHash24(0x0706050403020100, 0x0f0e0d0c0b0a0908, std::string_view(message).substr(0, length)), hash);
}

// Keys made to share one value of the standard string hash get distinct hashes under the process's
// key, and an object of them reads as any other, a key given twice among them named.
// The documents' objects (the hash their type names and the one the index of an object read is
// built with) and the set of an object's keys read so far hash them apart too. The key
// is drawn by each process: this program run again, told through the environment to print a hash
// and stop, hashes one text another way.
TEST(JsonFromMemory, KeysMadeToCollideInTheStandardHashReadAsAnyOthers)
{
    const std::string text = "pm001key";
    if (std::getenv("PM001_PRINT_KEYED_HASH")) std::exit(std::printf("keyed hash %zx\n", KeyedStringHash{}(text)) < 0);
    FILE* run = ::popen(("PM001_PRINT_KEYED_HASH=1 /proc/" + std::to_string(::getpid()) +
                         "/exe --gtest_filter=JsonFromMemory.KeysMadeToCollideInTheStandardHashReadAsAnyOthers").c_str(), "r");
    ASSERT_NE(run, nullptr);
    std::size_t another = 0;   // a run that printed none
    char line[256];
    while (std::fgets(line, sizeof line, run) && std::sscanf(line, "keyed hash %zx", &another) != 1) {}
    ::pclose(run);
    EXPECT_NE(another, 0u);
    EXPECT_NE(another, KeyedStringHash{}(text));
    const std::vector<std::string> keys = StringHashCollidingKeys(40);
    if (std::hash<std::string>{}(keys[0]) != std::hash<std::string>{}(keys[1])) GTEST_SKIP() << "another library's string hash";
    EXPECT_EQ(DistinctHashes(keys, KeyedStringHash{}), keys.size());
    EXPECT_EQ(DistinctHashes(keys, JsonValue::object_t::hasher{}), keys.size());
    EXPECT_EQ(DistinctHashes(keys, JsonPathTracker::KeySet{}.hash_function()), keys.size());
    std::string members;
    for (std::size_t i = 0; i < keys.size(); ++i) members += "\"" + keys[i] + "\": " + std::to_string(i) + ", ";
    EXPECT_TRUE(TakenAlike("{" + members + "\"z\": 0}"));
    JsonPathTracker tracker("", [](const std::string& parent, std::string_view key) { return parent + "." + std::string(key); });
    const JsonValue read = ParseJsonDocument("{" + members + "\"z\": 0}", tracker);
    EXPECT_EQ(DistinctHashes(keys, (read.get_ref<const JsonValue::object_t&>().*MemberPointer(ObjectIndexOf{})).hash_function()),
              keys.size());
    try {
        ParseJsonDocument("{" + members + "\"" + keys[17] + "\": 0}", tracker);
        ADD_FAILURE() << "a key given twice among colliding keys was read";
    } catch (const JsonKeyGivenTwice& e) {
        EXPECT_EQ(e.path(), "." + keys[17]);
    }
}

// The document's objects give a member's value to be written in place through the library's
// iterators, keep their order and find a key among many.
TEST(JsonFromMemory, DocumentObjectsWriteInPlaceAndFindAmongMany)
{
    std::string text = "{";
    for (int i = 0; i < 1000; ++i) text += "\"k" + std::to_string(999 - i) + "\": " + std::to_string(i) + ",";
    text.back() = '}';
    const auto read = ParseJsonFromMemory(text);
    ASSERT_TRUE(read.has_value());
    JsonValue document = *read;
    EXPECT_EQ(document.at("k999"), 0);
    EXPECT_EQ(document.at("k0"), 999);
    EXPECT_EQ(document.begin().key(), "k999");
    for (auto& [key, value] : document.items()) value = value.get<int>() * 2;
    for (auto it = document.begin(); it != document.end(); ++it) *it = it->get<int>() + 1;
    EXPECT_EQ(document["k500"], 999);   // k500 stands at 499: 2 × 499 + 1
    EXPECT_EQ(std::prev(document.end()).key(), "k0");
    EXPECT_FALSE(document.get_ref<JsonValue::object_t&>().try_emplace(std::string("k7"), 0).second);
    EXPECT_EQ(document.size(), 1000u);
    document.erase("k999");
    EXPECT_EQ(document.begin().key(), "k998");
    EXPECT_EQ(document.dump().substr(0, 21), R"({"k998":3,"k997":5,"k)");
}

// Every sample with one byte changed or cut short at many places: whatever the reader takes, the
// full parser reads alike.
TEST(JsonFromMemory, DamagedSamplesAreTakenOnlyAsTheFullParserReadsThem)
{
    const char replacements[] = {'"', '\\', ',', ':', '{', '}', '[', ']', '0', '-', 'e', '.', ' ', '\x01', '\xC3', 'u'};
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    int taken = 0, left = 0;
    for (const std::string& sample : kSamples) {
        const std::string text = FileText(std::string(PM001_SOURCE_DIR) + "/" + sample);
        for (int round = 0; round < 150; ++round) {
            std::string damaged = text;
            const std::size_t at = next() % damaged.size();
            if (round % 10 == 0)
                damaged.resize(at);
            else
                damaged[at] = replacements[next() % sizeof replacements];
            (TakenAlike(damaged) ? taken : left) += 1;
        }
    }
    EXPECT_GT(taken, 0);
    EXPECT_GT(left, 0);
}

} // namespace
