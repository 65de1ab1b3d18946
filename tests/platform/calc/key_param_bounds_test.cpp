// The key parameters' values no cap can be built with, refused where the set is read: each bound
// at its edge and just inside it, on a sample's key parameters; every sample's set passes. Every
// key of the tables is declared with its bound, each bound and each list's length is tried at its
// edge, and the page's table of bounds is the tables'.
#include "calc/key_param_bounds.h"
#include "calc/key_param_fields.h"
#include "calc/key_param_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

const std::string kSource = PM001_SOURCE_DIR;

// The error of reading document, without its "keyParameters." prefix, or "" when it reads.
std::string ReadError(const Json& document)
{
    CPM001KeyParam keyParam;
    std::string error;
    return ReadKeyParamJson(document.dump(), "keyParameters", keyParam, error) ? "" : error.substr(14);
}

} // namespace

TEST(KeyParamBounds, EachBoundAtItsEdgeAndJustInside)
{
    // The edits (JSON pointer: value) made to the prestressed sample's key parameters (end-face
    // bars, densified stirrups along the skew, two tendons), and the error ("": they read).
    const std::string to = " 0 to 10000000 mm", angle = ": expected an angle above 0 and below 1.5708 rad",
                      dia = ": expected a diameter above 0 and at most 100 mm", n = ": expected a count of at least 0",
                      sp = ": expected a spacing above 0 and at most 10000000 mm", dist = ": expected a distance from" + to,
                      len = ": expected a length from" + to, sp0 = ": expected a spacing from" + to, low = " of at least 0 mm";
    const struct { const char* edits; std::string error; } rows[] = {
        {R"({"/cap/st_angle": 0})", "cap.st_angle" + angle}, {R"({"/cap/st_angle": 1.57})", ""},
        {R"({"/cap/st_angle": 1.5707963267948966})", "cap.st_angle" + angle}, {R"({"/cap/st_d": 0})", "cap.st_d" + dia},
        {R"({"/cap/st_d": 1e300})", "cap.st_d" + dia}, {R"({"/cap/st_sa": -1})", "cap.st_sa" + dist},
        {R"({"/cap/st_LstWeld": 0})", "cap.st_LstWeld: expected a length above 0 and at most 10000000 mm"},
        {R"({"/cap/KeyLen2": 1e200})", "cap.KeyLen2: expected a radius from" + to},
        {R"({"/cap/FrameY/0": -10000001})", "cap.FrameY[0]: expected a position from -10000000 to 10000000 mm"},
        {R"({"/cap/KeyLen1": -400})", "cap.KeyLen1" + dist}, {R"({"/cap/FrameAr/1/LenB/1": -1})", "cap.FrameAr[1].LenB[1]" + len},
        {R"({"/cap/FrameAr/0/GJJ/1/2/dx": -5})", "cap.FrameAr[0].GJJ[1][2].dx" + dist},
        {R"({"/cap/FrameAr/1/LenT/0": -1})", "cap.FrameAr[1].LenT[0]" + len}, {R"({"/cap/sg_s": 0})", "cap.sg_s" + sp},
        {R"({"/cap/sg_s2": 0})", "cap.sg_s2" + sp + " when sg_fenG is 1"}, {R"({"/cap/sg_rns2/1": -1})", "cap.sg_rns2[1]: expected a count from 0 to 2000"},
        {R"({"/cap/sg_fLayMode": 0, "/cap/sg_s3": 0})", "cap.sg_s3" + sp + " when sg_fLayMode is 0"},
        {R"({"/cap/sd_d": 0})", "cap.sd_d" + dia + " when fDistribute is on"},
        {R"({"/cap/sd_Max": 0})", "cap.sd_Max" + sp + " when fDistribute is on"},
        {R"({"/cap/fDistribute": 0, "/cap/sd_Max": -1})", "cap.sd_Max" + sp0},
        {R"({"/cap/SteelAr": [], "/cap/SBd": 0, "/cap/Cdis": -1})", "cap.Cdis" + sp0},   // no tendons: SBd 0 reads
        {R"({"/cap/SteelAr": [{"m": 9, "n": 2, "Y": [0], "Node": [], "PT": 0, "PC": 0.75, "DSeriesIndex": "",
              "BseriesIndex": "", "MLSeriesIndex": "", "MRSeriesIndex": ""}], "/cap/SBd": 0})",
         "cap.SBd" + dia + " when tendons are given"},
        {R"({"/cap/SteelAr/0/n": -1})", "cap.SteelAr[0].n" + n}, {R"({"/cap/ZLName/0/n": -1})", "cap.ZLName[0].n" + n},
        {R"({"/cap/SteelAr/1/Node/2/R": -1})", "cap.SteelAr[1].Node[2].R: expected a radius from" + to},
        {R"({"/cap/SteelAr/1/Node/2/refZ": -1})", "cap.SteelAr[1].Node[2].refZ" + dist},
        {R"({"/cap/SteelAr/0/PC": 0})", "cap.SteelAr[0].PC: expected a fraction above 0 and at most 1"},
        {R"({"/circleColumns/mainBarCount": -1})", "circleColumns.mainBarCount" + n},
        {R"({"/pileCap/joint/stirrupDiameter": -1})", "pileCap.joint.stirrupDiameter: expected a diameter" + low},
        {R"({"/pileFoundation/tieBeams/stirrupSpacing": -1})", "pileFoundation.tieBeams.stirrupSpacing: expected a spacing" + low},
        {R"({"/footing/barSpacing": -1})", "footing.barSpacing: expected a spacing" + low},
        // Each value at an edge it may take, and those a feature that is off leaves unchecked; WeldArcR
        // out of range is taken as 5 × st_d, with a warning.
        {R"({"/cap/st_angle": 0.01, "/cap/st_d": 100, "/cap/st_LstWeld": 0.5, "/cap/KeyLen1": 0, "/cap/st_ua": 0,
             "/cap/KeyLen2": 1e7, "/cap/WeldArcR": -1, "/cap/FrameAr/1/LenB/1": 0, "/cap/sg_Min": 0, "/cap/sg_fenG": 0,
             "/cap/sg_s2": 0, "/cap/sg_s3": 0, "/cap/fDistribute": 0, "/cap/sd_d": 0, "/cap/SteelAr/0/n": 0,
             "/cap/ZLName/0/n": 0, "/cap/SteelAr/0/PC": 1, "/footing/barSpacing": 0, "/pileCap/joint/stirrupDiameter": 0})", ""},
    };
    const Json sample = Json::parse(std::ifstream(kSource + "/examples/keyparams/prestressed.json"));
    for (const auto& r : rows) {
        Json document = sample;
        const Json edits = Json::parse(r.edits);
        std::string given;
        for (const auto& [pointer, value] : edits.items()) {
            document[Json::json_pointer(pointer)] = value;
            given = " (" + value.dump() + " given)";
        }
        EXPECT_EQ(ReadError(document), r.error.empty() ? "" : r.error + given) << r.edits;
    }
}

TEST(KeyParamBounds, EverySamplesKeyParametersPass)
{
    // The key-parameter files, and the projects' own keyParameters where a project holds them.
    int sets = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/examples")) {
        if (entry.path().extension() != ".json") continue;
        const Json read = Json::parse(std::ifstream(entry.path()));
        const bool keyFile = entry.path().parent_path().filename() == "keyparams";
        if (!keyFile && !read.contains("keyParameters")) continue;
        EXPECT_EQ(ReadError(keyFile ? read : read["keyParameters"]), "") << entry.path();
        ++sets;
    }
    EXPECT_EQ(sets, 9);
    // With no root the path starts inside the object; the first value in the documented order is named.
    EXPECT_EQ(FindUnbuildableKeyValue(CPM001KeyParam(), ""), "cap.st_d: expected a diameter above 0 and at most 100 mm (0 given)");
}

namespace {

// One key as its table declares it, found by walking the tables over a set read.
struct Declared {
    enum Kind { Missing, Value, Conditional, Free, Length } kind;
    std::string pointer;   // JSON pointer of the value: "/cap/FrameAr/0/GJJ/1/2/dx"
    std::string form;      // its path with the list positions left out: "cap.FrameAr[].GJJ[][].dx"
    bool integral = false;
    Bound bound{};
    BoundWhen when{};
    int most = 0;
};

class TableWalk {
public:
    TableWalk(std::string pointer, std::string form, std::vector<Declared>& found)
        : m_pointer(std::move(pointer)), m_form(std::move(form)), m_found(found) {}

    template <class T, class B = NoBound>
    void Key(const char* key, T& member, KeyNeed, const B& bound = B{})
    {
        Visit(member, bound, m_pointer + "/" + key, m_form.empty() ? key : m_form + "." + key);
    }

private:
    template <class T>
    void Add(Declared::Kind kind, const std::string& pointer, const std::string& form, const Bound& b = {},
             const BoundWhen& w = {})
    {
        m_found.push_back({kind, pointer, form, std::is_integral_v<T>, b, w, 0});
    }
    template <class T> requires std::is_arithmetic_v<T>
    void Visit(T&, const NoBound&, const std::string& p, const std::string& f) { Add<T>(Declared::Missing, p, f); }
    template <class T> requires std::is_arithmetic_v<T>
    void Visit(T&, const Bound& b, const std::string& p, const std::string& f) { Add<T>(Declared::Value, p, f, b); }
    template <class T> requires std::is_arithmetic_v<T>
    void Visit(T&, const BoundWhen& w, const std::string& p, const std::string& f) { Add<T>(Declared::Conditional, p, f, {}, w); }
    template <class T>
    void Visit(T&, const Unbounded&, const std::string& p, const std::string& f) { Add<T>(Declared::Free, p, f); }
    void Visit(CString&, const NoBound&, const std::string&, const std::string&) {}
    template <class E>
    void Visit(CArray<E>&, const NoBound&, const std::string& p, const std::string& f) { Add<int>(Declared::Missing, p, f); }
    template <class E, class B>
    void Visit(CArray<E>& list, const ListBound<B>& b, const std::string& p, const std::string& f)
    {
        m_found.push_back({Declared::Length, p, f, true, {}, {}, b.most});
        for (int i = 0; i < list.GetSize(); ++i) Visit(list[i], b.each, p + "/" + std::to_string(i), f + "[]");
    }
    template <class R>
    void Visit(R& record, const NoBound&, const std::string& p, const std::string& f)
    {
        TableWalk inner(p, f, m_found);
        VisitKeys(inner, record);
    }

    std::string m_pointer;
    std::string m_form;
    std::vector<Declared>& m_found;
};

// Every key of the set read from document, each list position's keys apart; the first of each form
// when firstOnly.
std::vector<Declared> Walk(const Json& document, bool firstOnly)
{
    CPM001KeyParam keyParam;
    std::string error;
    EXPECT_TRUE(ReadKeyParamJson(document.dump(), "", keyParam, error)) << error;
    std::vector<Declared> found;
    TableWalk walk("", "", found);
    VisitKeys(walk, keyParam);
    if (!firstOnly) return found;
    std::vector<Declared> first;
    std::set<std::string> seen;
    for (auto& d : found)
        if (seen.insert(d.form).second) first.push_back(std::move(d));
    return first;
}

Json Sample() { return Json::parse(std::ifstream(kSource + "/examples/keyparams/prestressed.json")); }

// The prestressed sample lays end-face bars, densified zones and tendons, and its stirrups follow
// the skew; the second set lays none of the first three, and its stirrups are square.
std::vector<Json> BothSides()
{
    Json other = Sample();
    other["cap"]["fDistribute"] = 0;
    other["cap"]["sg_fenG"] = 0;
    other["cap"]["sg_fLayMode"] = 0;
    other["cap"]["SteelAr"] = Json::array();
    return {Sample(), other};
}

// A path as messages name it: "/cap/FrameAr/0/GJJ/1/2/dx" is "cap.FrameAr[0].GJJ[1][2].dx".
std::string MessagePath(const std::string& pointer)
{
    std::string path;
    std::size_t at = 1;
    while (at <= pointer.size()) {
        const std::size_t end = std::min(pointer.find('/', at), pointer.size());
        const std::string part = pointer.substr(at, end - at);
        const bool index = !part.empty() && std::isdigit(static_cast<unsigned char>(part[0]));
        path += index ? "[" + part + "]" : (path.empty() ? part : "." + part);
        at = end + 1;
    }
    return path;
}

}  // namespace

TEST(KeyParamBounds, EveryNumberAndListOfTheTablesIsDeclaredWithABound)
{
    // Every number with a bound, a bound that holds while its part is laid, or the reason it has
    // none; every list with its greatest length. Each bound that holds while a part is laid is met
    // both laid and not, so that the tests below try both.
    std::map<std::string, std::set<bool>> conditional;
    int keys = 0;
    for (const Json& document : BothSides()) {
        for (const Declared& d : Walk(document, false)) {
            EXPECT_NE(d.kind, Declared::Missing) << d.form << ": declared without a bound";
            if (d.kind == Declared::Conditional) conditional[d.form].insert(d.when.on);
            ++keys;
        }
    }
    EXPECT_GT(keys, 200);
    EXPECT_EQ(conditional.size(), 6u);
    for (const auto& [form, sides] : conditional) EXPECT_EQ(sides.size(), 2u) << form;
}

TEST(KeyParamBounds, EachDeclaredBoundHoldsAtItsEdgeAndIsRefusedPastIt)
{
    int tried = 0;
    for (const Json& document : BothSides()) {
        for (const Declared& d : Walk(document, true)) {
            if (d.kind != Declared::Value && d.kind != Declared::Conditional) continue;
            const Bound b = d.kind == Declared::Value ? d.bound : d.when.Active();
            // Each finite end: the value at it and the next value past it, held or refused as the
            // end is included.
            for (const auto& [edge, included, outward] : {std::tuple{b.low, b.lowIncluded, -1.0},
                                                          std::tuple{b.high, b.highIncluded, 1.0}}) {
                if (std::isinf(edge)) continue;
                const double past = d.integral ? edge + outward : std::nextafter(edge, outward * HUGE_VAL);
                const double inside = d.integral ? edge - outward : std::nextafter(edge, -outward * HUGE_VAL);
                for (const auto& [value, held] : {std::pair{edge, included}, std::pair{included ? past : inside, !included}}) {
                    Json edited = document;
                    edited[Json::json_pointer(d.pointer)] = d.integral ? Json(static_cast<long long>(value)) : Json(value);
                    const std::string error = ReadError(edited);
                    const bool refused = error.starts_with(MessagePath(d.pointer) + ": expected ");
                    // A value held may still be refused where the set must agree with itself (a
                    // spacing of 0 with tendons), never by a bound.
                    if (held) EXPECT_FALSE(error.ends_with(" given)")) << d.pointer << " = " << value << ": " << error;
                    else EXPECT_TRUE(refused) << d.pointer << " = " << value << ": " << error;
                    ++tried;
                }
            }
        }
    }
    EXPECT_GT(tried, 250);
}

TEST(KeyParamBounds, EachListHoldsItsGreatestLengthAndOneMoreIsRefused)
{
    // Each list the sample gives entries for, once for each form of its path.
    const Json sample = Sample();
    std::set<std::string> tried;
    for (const Declared& d : Walk(sample, false)) {
        const Json::json_pointer at(d.pointer);
        if (d.kind != Declared::Length || !sample.contains(at) || sample[at].empty() || !tried.insert(d.form).second) continue;
        const Json& list = sample[at];
        for (const int length : {d.most, d.most + 1}) {
            Json edited = sample;
            Json& padded = edited[at];
            while (static_cast<int>(padded.size()) < length) padded.push_back(list.back());
            const std::string tooLong = MessagePath(d.pointer) + ": expected at most " + std::to_string(d.most) + " ";
            const std::string error = ReadError(edited);
            if (length == d.most) EXPECT_FALSE(error.starts_with(tooLong)) << d.pointer << ": " << error;
            else EXPECT_TRUE(error.starts_with(tooLong) && error.ends_with(" (" + std::to_string(length) + " given)"))
                << d.pointer << ": " << error;
        }
    }
    EXPECT_EQ(tried.size(), 14u);
}

TEST(KeyParamBounds, TheDocumentedBoundsAreTheDeclaredOnes)
{
    // The bound of each key in the tables of docs/key-parameters.md ("Values no cap can be built
    // with" and its lists), written as the page writes it: D and L for the two limits.
    const auto number = [](double v) -> std::string {
        if (v == key_bound::kMaxBarDiameter) return "D";
        if (v == key_bound::kMaxLength) return "L";
        if (v == -key_bound::kMaxLength) return "−L";
        if (v == std::numbers::pi / 2.0) return "π/2 (1.5708)";
        return std::to_string(static_cast<long long>(v));
    };
    const auto text = [&number](const Bound& b) -> std::string {
        if (std::isinf(b.high)) return "at least " + number(b.low);
        if (b.lowIncluded) return "from " + number(b.low) + " to " + number(b.high);
        return "above " + number(b.low) + (b.highIncluded ? ", at most " : ", below ") + number(b.high);
    };
    std::map<std::string, std::string> declared;
    for (const Json& document : BothSides()) {
        for (const Declared& d : Walk(document, true)) {
            std::string& bound = declared[d.form];
            if (d.kind == Declared::Value) bound = text(d.bound);
            if (d.kind == Declared::Conditional)
                bound = text(d.when.laid) + d.when.condition + "; otherwise " + text(d.when.laid.OrLow());
            if (d.kind == Declared::Length) bound = "at most " + std::to_string(d.most);
            if (d.kind == Declared::Free) bound = "any";
        }
    }
    std::ifstream page(kSource + "/docs/key-parameters.md");
    std::string line;
    while (std::getline(page, line) && line != "### Values no cap can be built with") {}
    const std::regex row(R"(^\| (.+?) \| (.+?) \| .*\|$)"), code("`([^`]+)`"), position(R"(\[[a-z]\])");
    std::map<std::string, std::string> documented;
    while (std::getline(page, line) && !line.starts_with("## ")) {
        std::smatch cells;
        if (!std::regex_match(line, cells, row) || !cells[1].str().starts_with("`")) continue;
        // "`a`, `b`: `x`, `y`" names a.x, a.y, b.x and b.y.
        const std::string keys = cells[1];
        const std::size_t colon = keys.find(": ");
        const auto names = [&code](const std::string& s) {
            std::vector<std::string> found;
            for (auto m = std::sregex_iterator(s.begin(), s.end(), code); m != std::sregex_iterator(); ++m) found.push_back((*m)[1]);
            return found;
        };
        std::vector<std::string> paths = names(keys.substr(0, colon));
        if (colon != std::string::npos) {
            std::vector<std::string> crossed;
            for (const auto& part : paths)
                for (const auto& key : names(keys.substr(colon))) crossed.push_back(part + "." + key);
            paths = crossed;
        }
        std::string bound = std::regex_replace(cells[2].str(), std::regex("`"), "");
        for (const auto& path : paths) EXPECT_TRUE(documented.emplace(std::regex_replace(path, position, "[]"), bound).second) << path;
    }
    EXPECT_GT(documented.size(), 70u);
    for (const auto& [form, bound] : documented) EXPECT_EQ(bound, declared[form]) << form;
    for (const auto& [form, bound] : declared)
        if (bound != "any") EXPECT_TRUE(documented.contains(form)) << form << " (" << bound << ") is not documented";
}
