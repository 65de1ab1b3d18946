// The key parameters' values no cap can be built with, refused where the set is read: each bound
// at its edge and just inside it, on a sample's key parameters; every sample's set passes. Every
// key of the tables is declared with its bound, each bound and each list's length is tried at its
// edge, and the page's table of bounds is the tables', as its tables of each record's keys are.
#include "calc/key_param_bounds.h"
#include "calc/key_param_fields.h"
#include "calc/key_param_json.h"
#include "common/int_array.h"
#include "mfc/cstring_array.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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
    const std::string to = " 0 to 10000000 mm", angle = ": expected an angle above 0 and at most 1.0472 rad",
                      dia = ": expected a diameter from 6 to 50 mm", n = ": expected a count of at least 0",
                      sp = ": expected a spacing from 6 to 10000000 mm", dist = ": expected a distance from" + to,
                      len = ": expected a length from" + to, sp0 = ": expected a spacing from" + to, low = " of at least 0 mm",
                      type = ": expected a bar type code, a whole number from 1 to 4";
    const struct { const char* edits; std::string error; } rows[] = {
        {R"({"/cap/st_angle": 0})", "cap.st_angle" + angle}, {R"({"/cap/st_angle": 1.570796326})", "cap.st_angle" + angle},
        {R"({"/cap/st_angle": 1.5707963267948966})", "cap.st_angle" + angle}, {R"({"/cap/st_d": 0})", "cap.st_d" + dia},
        // The limit printed is held; a bar type is a code of the bar helpers' table, a whole number.
        {R"({"/cap/st_angle": 1.0472})", ""}, {R"({"/cap/st_angle": 1.04721})", "cap.st_angle" + angle},
        {R"({"/cap/sg_type": 0.003})", "cap.sg_type" + type}, {R"({"/cap/sg_type": 2.5})", "cap.sg_type" + type},
        {R"({"/cap/sg_type": 3000})", "cap.sg_type" + type}, {R"({"/cap/st_type": 5})", "cap.st_type" + type},
        {R"({"/cap/st_type": 3.0, "/cap/sg_type": 3.0})", ""},
        {R"({"/cap/st_d": 1e300})", "cap.st_d" + dia},
        // Millimetres typed as metres, and a digit too many.
        {R"({"/cap/st_d": 0.028})", "cap.st_d" + dia}, {R"({"/cap/st_d": 1e-320})", "cap.st_d" + dia},
        {R"({"/cap/sh_s": 0.15})", "cap.sh_s" + sp},
        {R"({"/cap/sd_Max": 0.2, "/cap/sd_Min": 0.1})", "cap.sd_Min" + sp + " when fDistribute is on"},
        {R"({"/cap/Ldis": 0.8})", "cap.Ldis" + sp + " when tendons are given"}, {R"({"/cap/st_sa": -1})", "cap.st_sa" + dist},
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
        {R"({"/cap/SteelAr/1/Node/0/refZ": -1})", "cap.SteelAr[1].Node[0].refZ" + dist},
        {R"({"/cap/SteelAr/1/Node/2/refZ": -10000001})",
         "cap.SteelAr[1].Node[2].refZ: expected a distance from -10000000 to 10000000 mm at a node with a fillet radius"},
        {R"({"/cap/SteelAr/0/PC": 0})", "cap.SteelAr[0].PC: expected a fraction above 0 and at most 1"},
        {R"({"/circleColumns/mainBarCount": -1})", "circleColumns.mainBarCount" + n},
        {R"({"/pileCap/joint/stirrupDiameter": -1})", "pileCap.joint.stirrupDiameter: expected a diameter" + low},
        {R"({"/pileFoundation/tieBeams/stirrupSpacing": -1})", "pileFoundation.tieBeams.stirrupSpacing: expected a spacing" + low},
        {R"({"/footing/barSpacing": -1})", "footing.barSpacing: expected a spacing" + low},
        // Each value at an edge it may take, and those a feature that is off leaves unchecked; WeldArcR
        // out of range is taken as 5 × st_d, with a warning.
        {R"({"/cap/st_angle": 0.01, "/cap/st_d": 50, "/cap/sg_d": 6, "/cap/sh_s": 6, "/cap/Cdis": 6, "/cap/st_LstWeld": 0.5, "/cap/KeyLen1": 0, "/cap/st_ua": 0,
             "/cap/KeyLen2": 1e7, "/cap/WeldArcR": -1, "/cap/FrameAr/1/LenB/1": 0, "/cap/sg_Min": 0, "/cap/sg_fenG": 0,
             "/cap/sg_s2": 0, "/cap/sg_s3": 0, "/cap/fDistribute": 0, "/cap/sd_d": 0, "/cap/SteelAr/0/n": 0,
             "/cap/ZLName/0/n": 0, "/cap/SteelAr/0/PC": 1, "/cap/SteelAr/1/Node/2/refZ": -1, "/footing/barSpacing": 0, "/pileCap/joint/stirrupDiameter": 0})", ""},
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
    EXPECT_EQ(FindUnbuildableKeyValue(CPM001KeyParam(), ""), "cap.st_d: expected a diameter from 6 to 50 mm (0 given)");
}

namespace {

// One key as its table declares it, found by walking the tables over a set read (a number with no
// bound or a list with no length does not build, here as in the reader): its JSON pointer
// "/cap/FrameAr/0/GJJ/1/dx", the path messages name, "cap.FrameAr[0].GJJ[1].dx", and its form,
// "cap.FrameAr[].GJJ[].dx".
struct Declared {
    enum Kind { Value, Conditional, Free, Length } kind;
    std::string pointer, path, form;
    bool integral;
    BoundWhen when;   // a value's bound holds always: on, with no condition
    int most;
};

struct TableWalk {
    std::string pointer;
    std::vector<Declared>& found;

    template <class T, class B = NoBound>
    void Key(const char* key, T& member, KeyNeed, const B& bound = B{}) { Visit(member, bound, pointer + "/" + key); }
    void Add(Declared::Kind kind, const std::string& p, bool integral, const BoundWhen& w = {}, int most = 0)
    {
        const std::string path = std::regex_replace(std::regex_replace(p.substr(1), std::regex(R"(/(\d+)(?=/|$))"), "[$1]"),
                                                    std::regex("/"), ".");
        found.push_back({kind, p, path, std::regex_replace(path, std::regex(R"(\[\d+\])"), "[]"), integral, w, most});
    }
    template <class T> requires std::is_arithmetic_v<T>
    void Visit(T&, const Bound& b, const std::string& p) { Add(Declared::Value, p, std::is_integral_v<T>, {true, "", b}); }
    template <class T> requires std::is_arithmetic_v<T>
    void Visit(T&, const BoundWhen& w, const std::string& p) { Add(Declared::Conditional, p, std::is_integral_v<T>, w); }
    template <class T>
    void Visit(T&, const Unbounded&, const std::string& p) { Add(Declared::Free, p, false); }
    void Visit(CString&, const NoBound&, const std::string&) {}
    template <class E, class B>
    void Visit(CArray<E>& list, const ListBound<B>& b, const std::string& p)
    {
        Add(Declared::Length, p, true, {}, b.most);
        for (int i = 0; i < list.GetSize(); ++i) Visit(list[i], b.each, p + "/" + std::to_string(i));
    }
    template <class R>
    void Visit(R& record, const NoBound&, const std::string& p)
    {
        TableWalk inner{p, found};
        VisitKeys(inner, record);
    }
};

// Each document and every key its set declares. The prestressed sample lays end-face bars,
// densified zones and tendons, and its stirrups follow the skew; the second set lays none of these,
// so that each conditional bound is met both ways.
std::vector<std::pair<Json, std::vector<Declared>>> BothSides()
{
    const Json sample = Json::parse(std::ifstream(kSource + "/examples/keyparams/prestressed.json"));
    Json other = sample;
    for (const char* off : {"fDistribute", "sg_fenG", "sg_fLayMode"}) other["cap"][off] = 0;
    other["cap"]["SteelAr"] = Json::array();
    std::vector<std::pair<Json, std::vector<Declared>>> sides;
    for (const Json& document : {sample, other}) {
        CPM001KeyParam keyParam;
        std::string error;
        EXPECT_TRUE(ReadKeyParamJson(document.dump(), "", keyParam, error)) << error;
        TableWalk walk{"", sides.emplace_back(document, std::vector<Declared>{}).second};
        VisitKeys(walk, keyParam);
    }
    return sides;
}

}  // namespace

TEST(KeyParamBounds, EachDeclaredBoundAndListLengthHoldsAtItsEdgeAndIsRefusedPastIt)
{
    std::map<std::string, std::set<bool>> conditional;
    std::set<std::string> tried;   // each form once, a conditional one once laid and once not
    int edges = 0, lists = 0;
    // The error of reading document with value at d's place.
    const auto read = [](Json document, const Declared& d, const Json& value) {
        document[Json::json_pointer(d.pointer)] = value;
        return ReadError(document);
    };
    for (const auto& [document, keys] : BothSides()) {
        for (const Declared& d : keys) {
            if (d.kind == Declared::Conditional) conditional[d.form].insert(d.when.on);
            const Json::json_pointer at(d.pointer);
            if (d.kind == Declared::Length && (!document.contains(at) || document[at].empty())) continue;
            if (!tried.insert(d.form + (d.when.on ? " laid" : "")).second) continue;
            const Bound b = d.when.Active();
            // Each finite end of a bound, and the next value past it (refused) or inside it (held).
            for (const auto& [edge, included, outward] : {std::tuple{b.low, b.lowIncluded, -1.0}, std::tuple{b.high, b.highIncluded, 1.0}}) {
                if (d.kind == Declared::Free || d.kind == Declared::Length || std::isinf(edge)) continue;
                const double next = d.integral ? edge + (included ? outward : -outward)
                                               : std::nextafter(edge, (included ? outward : -outward) * HUGE_VAL);
                for (const auto& [value, held] : {std::pair{edge, included}, std::pair{next, !included}}) {
                    const std::string error = read(document, d, d.integral ? Json(static_cast<long long>(value)) : Json(value));
                    // A value held may still be refused where the set must agree with itself (a
                    // spacing of 0 with tendons), never by a bound.
                    EXPECT_TRUE(held ? !error.ends_with(" given)") : error.starts_with(d.path + ": expected "))
                        << d.path << " = " << value << ": " << error;
                    ++edges;
                }
            }
            if (d.kind != Declared::Length) continue;
            Json padded = document[at];
            ++lists;
            for (const int length : {d.most, d.most + 1}) {
                while (static_cast<int>(padded.size()) < length) padded.push_back(padded.back());
                const std::string error = read(document, d, padded);
                const std::string tooLong = d.path + ": expected at most " + std::to_string(d.most) + " ";
                EXPECT_EQ(error.starts_with(tooLong) && error.ends_with(" (" + std::to_string(length) + " given)"),
                          length > d.most) << d.path << ": " << error;
            }
        }
    }
    EXPECT_GT(edges, 250);
    EXPECT_EQ(lists, 14);
    EXPECT_EQ(conditional.size(), 10u);   // sd_type, sd_d, sd_Min, sd_Max, sg_s2, sg_s3, SBd, Ldis, Cdis, refZ
    for (const auto& [form, sides] : conditional) EXPECT_EQ(sides.size(), 2u) << form;
}

TEST(KeyParamBounds, TheDocumentedBoundsAreTheDeclaredOnes)
{
    // The bound of each key as the page's tables ("Values no cap can be built with" and its lists)
    // write it: D and L for the two limits.
    const auto number = [](double v) -> std::string {
        if (v == key_bound::kLargestRolledBar) return "D";
        if (v == key_bound::kSteepestBentUpBar) return "1.0472";
        if (std::abs(v) == key_bound::kMaxLength) return v < 0 ? "−L" : "L";
        return std::to_string(static_cast<long long>(v));
    };
    const auto text = [&number](const Bound& b) -> std::string {
        if (std::isinf(b.high)) return "at least " + number(b.low);
        if (b.lowIncluded && b.highIncluded) return "from " + number(b.low) + " to " + number(b.high);
        return "above " + number(b.low) + (b.highIncluded ? ", at most " : ", below ") + number(b.high);
    };
    std::map<std::string, std::string> declared;
    for (const auto& [document, keys] : BothSides())
        for (const Declared& d : keys)
            declared[d.form] = d.kind == Declared::Free     ? "any"
                               : d.kind == Declared::Length ? "at most " + std::to_string(d.most)
                                                            : text(d.when.laid) + (d.kind == Declared::Conditional
                                                                  ? d.when.condition + ("; otherwise " + text(d.when.laid.OrLow())) : "");
    std::ifstream page(kSource + "/docs/key-parameters.md");
    std::string line;
    while (std::getline(page, line) && line != "### Values no cap can be built with") {}
    const std::regex row(R"(^\| (`.+?) \| (.+?) \| .*\|$)"), code("`([^`]+)`");
    const auto names = [&code](const std::string& s) {
        std::vector<std::string> found;
        for (auto m = std::sregex_iterator(s.begin(), s.end(), code); m != std::sregex_iterator(); ++m) found.push_back((*m)[1]);
        return found;
    };
    std::map<std::string, std::string> documented;
    while (std::getline(page, line) && !line.starts_with("## ")) {
        std::smatch cells;
        if (!std::regex_match(line, cells, row)) continue;
        // "`a`, `b`: `x`, `y`" names a.x, a.y, b.x and b.y.
        const std::string keys = cells[1];
        const std::size_t colon = keys.find(": ");
        const std::vector<std::string> fields = colon == std::string::npos ? std::vector<std::string>{""} : names(keys.substr(colon));
        for (const auto& part : names(keys.substr(0, colon)))
            for (const auto& field : fields) {
                const std::string path = std::regex_replace(part + (field.empty() ? "" : "." + field), std::regex(R"(\[[a-z]\])"), "[]");
                EXPECT_TRUE(documented.emplace(path, std::regex_replace(cells[2].str(), std::regex("`"), "")).second) << path;
            }
    }
    EXPECT_GT(documented.size(), 70u);
    for (const auto& [form, bound] : documented) EXPECT_EQ(bound, declared[form]) << form;
    for (const auto& [form, bound] : declared) EXPECT_TRUE(bound == "any" || documented.contains(form)) << form << " (" << bound << ") is not documented";
}

namespace {

// One key of a record's table as the walk of the tables finds it: its name, whether it is
// required, and its type as the page writes it ("integer", "real", "text", "list of real", …,
// "list of" a record's name, "object").
struct KeyRow {
    std::string key;
    bool required;
    std::string type;
};

template <class T> struct TypeName { static constexpr const char* text = "object"; };
template <> struct TypeName<int> { static constexpr const char* text = "integer"; };
template <> struct TypeName<double> { static constexpr const char* text = "real"; };
template <> struct TypeName<CString> { static constexpr const char* text = "text"; };

// Every record the tables reach, by the form of its path ("cap.FrameAr[]"; "" the whole set), with
// its keys in table order. A list's entries are walked on a default entry, so every record is
// reached whatever a set holds.
struct RowWalk {
    std::string form;
    std::map<std::string, std::vector<KeyRow>>& records;

    template <class T, class B = NoBound>
    void Key(const char* key, T& member, KeyNeed need, const B& = B{})
    {
        const std::string path = form.empty() ? key : form + "." + key;
        records[form].push_back({key, need == KeyNeed::Required, Type(member, path)});
    }
    template <class T>
    std::string Type(T& member, const std::string& path)
    {
        if constexpr (std::is_same_v<T, CStringArray>) return "list of text";
        else if constexpr (std::is_same_v<T, IntArray>) return "list of integer";
        else if constexpr (requires { member.GetSize(); }) {
            typename std::remove_cvref_t<decltype(member[0])> entry{};
            return "list of " + Type(entry, path + "[]");
        } else {
            if constexpr (!std::is_arithmetic_v<T> && !std::is_same_v<T, CString>) {
                RowWalk inner{path, records};
                VisitKeys(inner, member);
            }
            return TypeName<T>::text;
        }
    }
};

std::string Keys(const std::vector<KeyRow>& rows)
{
    std::string text;
    for (const KeyRow& r : rows) text += r.key + "\n";
    return text;
}

}  // namespace

TEST(KeyParamTables, TheDocumentedRecordTablesAreTheKeyTables)
{
    std::map<std::string, std::vector<KeyRow>> records;
    CPM001KeyParam keyParam;
    RowWalk walk{"", records};
    VisitKeys(walk, keyParam);

    // The page's tables of keys (key, type, default or **required**, meaning) from "The object" on,
    // each under the record its heading names; the sibling modules' parts in one table of their own.
    const std::map<std::string, std::string> tableOf = {
        {"The object", ""}, {"cap", "cap"}, {"frame record", "cap.FrameAr[]"}, {"bar entry", "cap.FrameAr[].GJJ[][]"},
        {"tendon definition", "cap.SteelAr[]"}, {"control point", "cap.SteelAr[].Node[]"}};
    std::map<std::string, std::vector<std::vector<std::string>>> documented;
    std::map<std::string, std::string> siblingParts;   // part's path: its keys' cell
    std::ifstream page(kSource + "/docs/key-parameters.md");
    std::string line, at;
    const std::regex row(R"(^\| `([^`]+)` \| ([^|]*) \| ([^|]*) \| (.*) \|$)"), part(R"(^\| (`[^|]+) \| (.+) \|$)"),
        record(R"(^A \*\*([a-z ]+)\*\*)"), code("`([^`]+)`");
    bool siblings = false;
    while (std::getline(page, line)) {
        std::smatch m;
        if (line == "## The object") at = "The object";
        else if (line.starts_with("## The cap beam")) at = "cap";
        else if (line == "## The sibling modules' parts") at = "", siblings = true;
        else if (line.starts_with("## ")) at = "", siblings = false;
        else if (!at.empty() && line.starts_with("### ")) at = "cap";
        else if (!at.empty() && std::regex_search(line, m, record)) at = m[1];
        else if (!at.empty() && std::regex_match(line, m, row)) documented[at].push_back({m[1], m[2], m[3], m[4]});
        else if (siblings && std::regex_match(line, m, part) && line.find("| part |") == std::string::npos) {
            const std::string parts = m[1], keys = m[2];
            for (auto p = std::sregex_iterator(parts.begin(), parts.end(), code); p != std::sregex_iterator(); ++p)
                siblingParts[(*p)[1]] = keys;
        }
    }

    std::set<std::string> seen;
    for (const auto& [heading, form] : tableOf) {
        ASSERT_TRUE(records.contains(form)) << form;
        seen.insert(form);
        const std::vector<KeyRow>& keys = records[form];
        std::vector<KeyRow> rows;
        for (const auto& cells : documented[heading]) rows.push_back({cells[0], cells[2] == "**required**", cells[1]});
        // Every key has its row, in the table's order, and no row names a key the table lacks.
        EXPECT_EQ(Keys(rows), Keys(keys)) << "the table of the " << heading << " (" << form << ")";
        if (rows.size() != keys.size()) continue;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::string path = (form.empty() ? "" : form + ".") + keys[i].key;
            EXPECT_EQ(rows[i].required, keys[i].required) << path << (keys[i].required ? ": required, the page gives a default" : ": optional, the page has it required");
            // "real, mm", "list of real, mm": the type, then its unit.
            const std::string type = rows[i].type.substr(0, rows[i].type.find(','));
            // A list of records is written with the records' name: "list of frame records".
            const bool records = keys[i].type.ends_with("list of object") && type.starts_with("list of ");
            EXPECT_TRUE(type == keys[i].type || records)
                << path << ": the page gives " << rows[i].type << ", the table " << keys[i].type;
        }
    }
    // A record written in its parent's row: each of its keys named there in order, and "required"
    // said of them when they are.
    const auto inRow = [&](const std::string& form, const std::string& cell) {
        seen.insert(form);
        std::size_t from = 0;
        for (const KeyRow& k : records[form]) {
            const std::size_t found = cell.find(k.key, from);
            EXPECT_NE(found, std::string::npos) << form << "." << k.key << " is not named, in order, in: " << cell;
            if (found != std::string::npos) from = found + k.key.size();
            if (k.required) {
                EXPECT_NE(cell.find("**required**"), std::string::npos) << form << "." << k.key;
            }
        }
    };
    const auto cellOf = [&](const std::string& heading, const std::string& key) {
        for (const auto& cells : documented[heading])
            if (cells[0] == key) return cells[1] + " | " + cells[2] + " | " + cells[3];
        ADD_FAILURE() << "no row " << key;
        return std::string();
    };
    inRow("cap.ZLName[]", cellOf("cap", "ZLName"));
    inRow("cap.XH[]", cellOf("cap", "XH"));
    inRow("pileFoundation", cellOf("The object", "pileFoundation"));
    inRow("pileCap", cellOf("The object", "pileCap"));
    // The sibling modules' parts: every key optional, named in order with its type.
    for (const auto& [form, keys] : records) {
        if (seen.contains(form)) continue;
        ASSERT_TRUE(siblingParts.contains(form)) << "the record " << form << " is on no table of the page";
        seen.insert(form);
        const std::string& cell = siblingParts[form];
        std::size_t from = 0;
        for (const KeyRow& k : keys) {
            EXPECT_FALSE(k.required) << form << "." << k.key;
            const std::size_t found = cell.find("`" + k.key + "`", from);
            ASSERT_NE(found, std::string::npos) << form << "." << k.key << " is not named, in order, in: " << cell;
            from = found + k.key.size() + 2;
            // Its type follows it, or the next key's that shares it: "`a`, `b` (integer)".
            const std::size_t type = cell.find(" (", from);
            EXPECT_EQ(cell.compare(type + 2, k.type.size(), k.type), 0) << form << "." << k.key << " (" << k.type << ")";
        }
    }
    for (const auto& [path, keys] : siblingParts) EXPECT_TRUE(records.contains(path)) << "the page names a part " << path << " no table has";
    EXPECT_EQ(seen.size(), records.size());
}
