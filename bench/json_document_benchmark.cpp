// Reading JSON text from outside into a document: the nine samples' project files (whole, and cut
// short, which the full parser locates) and key-parameter files (read by the key-parameter reader),
// and objects of many distinct keys: well-formed, read by the quick pass; with a \u escape, which
// only the full parser reads; with a fault after the object, which the full parser locates; and put
// into the footing sample's key parameters, where the reader looks every key it knows up among them;
// and objects of keys made to share one value of the standard library's string hash.
#include "calc/key_param_json.h"
#include "json/json_input_error.h"
#include "json/json_path_tracker.h"
#include "string_hash_colliding_keys.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string Member(const std::string& parent, std::string_view key)
{
    return parent.empty() ? std::string(key) : parent + "." + std::string(key);
}

std::string FileText(const std::string& relative)
{
    std::ifstream in(std::string(PM001_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (text.empty()) throw std::runtime_error("cannot read " + relative);
    return text;
}

// "k0":0,"k1":0,… : count distinct keys and their values, a comma after each.
std::string Members(std::int64_t count)
{
    std::string text;
    for (std::int64_t i = 0; i < count; ++i) text += "\"k" + std::to_string(i) + "\":0,";
    return text;
}

// The same with the first count keys that share one value of the standard string hash, made the
// first time so many are asked for (some 3,300 tries a key).
std::string CollidingMembers(std::int64_t count)
{
    static std::vector<std::string> keys;
    if (keys.size() < static_cast<std::size_t>(count)) keys = StringHashCollidingKeys(static_cast<std::size_t>(count));
    std::string text;
    for (std::int64_t i = 0; i < count; ++i) text += "\"" + keys[static_cast<std::size_t>(i)] + "\":0,";
    return text;
}

// {"cap": {"k0": 0, …, "k<count-1>": 0}} followed by tail inside the outer object; the keys made to
// collide when colliding.
std::string ManyKeys(std::int64_t count, std::string_view tail, bool colliding = false)
{
    std::string members = colliding ? CollidingMembers(count) : Members(count);
    members.pop_back();
    return "{\"cap\":{" + members + "}" + std::string(tail) + "}";
}

// The footing sample's key parameters with count keys the reader does not know put first in the
// cap beam's object, the first of them spelled with a \u escape when escaped: every key the reader
// knows is looked up among them before the first unknown one is refused.
std::string FootingWithManyKeys(std::int64_t count, bool escaped)
{
    std::string text = FileText("examples/keyparams/footing.json");
    const std::size_t cap = text.find('{', text.find("\"cap\"")) + 1;
    text.insert(cap, (escaped ? "\"\\u006b\":0," : "") + Members(count));
    return text;
}

// The document alone, as every reader takes it; a fault is caught and counted as read.
void Document(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        JsonPathTracker tracker("", Member);
        try {
            auto document = ReadJsonInput(text, tracker);
            benchmark::DoNotOptimize(&document);
        } catch (const JsonInputError& e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * static_cast<std::int64_t>(state.iterations()));
}

// The key-parameter reader's whole read: the document, then every key it knows looked up in it.
void KeyParameters(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        CPM001KeyParam keyParam;
        std::string error;
        benchmark::DoNotOptimize(ReadKeyParamJson(text, "", keyParam, error));
        benchmark::DoNotOptimize(error.data());
    }
}

const char* const kSamples[] = {"footing.json",       "piles.json",         "pile_cap.json",
                                "prestressed.json",   "square_ends.json",   "hammerhead.json",
                                "continuous_bent_up.json", "prestressed_one_end.json", "prestressed_symmetric.json"};

const bool kRegistered = [] {
    for (const char* sample : kSamples) {
        const std::string project = FileText(std::string("examples/") + sample);
        const std::string keys = FileText(std::string("examples/keyparams/") + sample);
        benchmark::RegisterBenchmark((std::string("Json/Project/") + sample).c_str(),
                                     [project](benchmark::State& state) { Document(state, project); });
        // The same text cut before its last closing brace: the full parser follows it to the end.
        const std::string cut = project.substr(0, project.find_last_of('}'));
        benchmark::RegisterBenchmark((std::string("Json/ProjectCut/") + sample).c_str(),
                                     [cut](benchmark::State& state) { Document(state, cut); });
        benchmark::RegisterBenchmark((std::string("Json/KeyParameters/") + sample).c_str(),
                                     [keys](benchmark::State& state) { KeyParameters(state, keys); });
    }
    const std::pair<const char*, const char*> forms[] = {
        {"Plain", ""}, {"Escape", ",\"x\":\"\\u0041\""}, {"Fault", ",\"x\":"}};
    for (const auto& [form, tail] : forms) {
        const std::string tailText = tail;
        benchmark::RegisterBenchmark((std::string("Json/ManyKeys/") + form).c_str(),
                                     [tailText](benchmark::State& state) {
                                         Document(state, ManyKeys(state.range(0), tailText));
                                     })
            ->RangeMultiplier(10)
            ->Range(100, 100000);
        // Keys of one standard hash value: as fast as distinct ones when the index's hash is keyed,
        // with the square of the count when it is the standard one.
        benchmark::RegisterBenchmark((std::string("Json/CollidingKeys/") + form).c_str(),
                                     [tailText](benchmark::State& state) {
                                         const std::vector<std::string> two = StringHashCollidingKeys(2);
                                         if (std::hash<std::string>{}(two[0]) != std::hash<std::string>{}(two[1])) {
                                             state.SkipWithError("the keys collide only in GNU libstdc++'s 64-bit string hash");
                                             return;
                                         }
                                         Document(state, ManyKeys(state.range(0), tailText, true));
                                     })
            ->Arg(1000)
            ->Arg(4000)
            ->Arg(16000);
    }
    for (const bool escaped : {false, true}) {
        benchmark::RegisterBenchmark(escaped ? "Json/ManyKeysRead/Escape" : "Json/ManyKeysRead/Plain",
                                     [escaped](benchmark::State& state) {
                                         KeyParameters(state, FootingWithManyKeys(state.range(0), escaped));
                                     })
            ->RangeMultiplier(10)
            ->Range(100, 100000);
    }
    return true;
}();

} // namespace
