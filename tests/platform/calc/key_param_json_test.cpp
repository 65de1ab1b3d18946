// The key parameters' JSON form: the example files, defaults, strictness with named paths, writing back.

#include "calc/key_param_fields.h"
#include "calc/key_param_json.h"

#include "catalog/material_catalog.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <string>
#include <type_traits>
#include <vector>
#include <sys/stat.h>

namespace {

using Json = nlohmann::ordered_json;

const std::string kExamples = std::string(PM001_SOURCE_DIR) + "/examples/keyparams/";

// The smallest key-parameter object: only the required keys, one main frame over two support lines.
Json Minimal()
{
    return Json::parse(R"({
      "cap": {
        "st_d": 28, "st_type": 3, "st_ua": 60, "st_sa": 60, "st_angle": 0.7854, "st_LstWeld": 140,
        "KeyLen1": 400, "KeyLen2": 280, "WeldArcR": 140,
        "FrameName": ["K1", "K2"], "FrameY": [-500, 500],
        "FrameAr": [{"name": "K1", "GJJ": [[{"fBar": 2, "dx": 500}], [], [], [{"fBar": 1, "dx": 800.5}]]}],
        "sg_d": 12, "sg_type": 3, "sg_a": 50, "sg_Min": 50, "sg_Max": 200, "sg_s": 150, "sg_s2": 100, "sg_s3": 100,
        "sh_type": 3, "sh_d": 16, "sh_Min": 100, "sh_Max": 200, "sh_s": 150,
        "sd_type": 3, "sd_d": 16, "sd_Min": 100, "sd_Max": 200
      }
    })");
}

Json Tendon()
{
    return Json::parse(R"({"m": 9, "n": 2, "Y": [-500, 500], "Node": [{"X": 0, "refZ": 500}, {"X": 17500, "refZ": 500}],
                           "PT": 0, "PC": 0.75, "DSeriesIndex": "YCW250", "BseriesIndex": "金属波纹管D80",
                           "MLSeriesIndex": "M15-9", "MRSeriesIndex": "M15-9"})");
}

// The error of reading document, or "" when it reads.
std::string ReadError(const Json& document)
{
    CPM001KeyParam keyParam;
    std::string error;
    return ReadKeyParamJson(document.dump(), "keyParameters", keyParam, error) ? std::string() : error;
}

CPM001KeyParam ReadOk(const std::string& text)
{
    CPM001KeyParam keyParam;
    std::string error;
    EXPECT_TRUE(ReadKeyParamJson(text, "keyParameters", keyParam, error)) << error;
    return keyParam;
}

// The sample piers the key-parameter files belong to (examples/*.json).
struct SamplePier {
    const char* file;
    int supportLines;
    double width;        // of the cap beam
    double cantilever;
    double span;
};

const SamplePier kPiers[] = {
    {"footing.json", 3, 2000.0, 1750.0, 5000.0},
    {"piles.json", 2, 1800.0, 2200.0, 6000.0},
    {"pile_cap.json", 2, 2000.0, 2500.0, 6000.0},
    {"prestressed.json", 2, 2200.0, 3750.0, 9000.0},
};

TEST(KeyParamExamples, EachFileFitsItsPier)
{
    for (const SamplePier& pier : kPiers) {
        SCOPED_TRACE(pier.file);
        CPM001KeyParam keyParam;
        std::string error;
        ASSERT_TRUE(ReadKeyParamFile(kExamples + pier.file, keyParam, error)) << error;
        const CPM001_CapKeyParam& cap = keyParam.CapKeyParam;
        const int n = pier.supportLines;

        for (double y : cap.FrameY) EXPECT_LT(std::fabs(y), pier.width / 2);
        // A main frame has two bar groups per support line, a secondary one a top pair per support
        // line and a bottom pair per span.
        for (const auto& frame : cap.FrameAr) {
            if (frame.fGJJ != 0) {
                EXPECT_EQ(frame.GJJ.GetSize(), 2 * n) << frame.name;
            } else {
                EXPECT_EQ(frame.LenT.GetSize(), 2 * n) << frame.name;
                EXPECT_EQ(frame.LenB.GetSize(), 2 * (n - 1)) << frame.name;
                EXPECT_LT(frame.LenT[0], pier.cantilever);
                EXPECT_LT(frame.LenT[1], pier.span / 2);
            }
            // Every bend lies within the cantilever or the half span on its side.
            for (int g = 0; g < frame.GJJ.GetSize(); ++g)
                for (const auto& bar : frame.GJJ[g])
                    EXPECT_LT(bar.dx, (g == 0 || g == 2 * n - 1) ? pier.cantilever : pier.span / 2);
        }
        EXPECT_EQ(cap.sg_lns2.GetSize(), n);
        EXPECT_EQ(cap.sg_rns2.GetSize(), n);
        // The densified stirrups of the end support lines fit on the cantilevers.
        EXPECT_LT(cap.sg_a + cap.sg_lns2[0] * cap.sg_s2, pier.cantilever);
        EXPECT_EQ(cap.st_d, 28.0);
        EXPECT_EQ(cap.sg_d, 12.0);
        EXPECT_EQ(cap.sh_d, 16.0);
        EXPECT_EQ(cap.sd_d, 16.0);
    }
}

TEST(KeyParamExamples, PrestressedExampleHasFourTendonsOfCatalogueMaterials)
{
    CPM001KeyParam keyParam;
    std::string error;
    ASSERT_TRUE(ReadKeyParamFile(kExamples + "prestressed.json", keyParam, error)) << error;
    const CPM001_CapKeyParam& cap = keyParam.CapKeyParam;
    ASSERT_EQ(cap.SteelAr.GetSize(), 2);
    int tendons = 0;
    for (const auto& tendon : cap.SteelAr) {
        SCOPED_TRACE(tendon.name.str());
        tendons += tendon.n;
        EXPECT_EQ(tendon.m, 9);
        EXPECT_EQ(tendon.Y.GetSize(), tendon.n);
        for (double y : tendon.Y) EXPECT_LT(std::fabs(y), 2200.0 / 2);
        ASSERT_GE(tendon.Node.GetSize(), 2);
        EXPECT_EQ(tendon.Node[0].X, 0.0);
        EXPECT_EQ(tendon.Node[tendon.Node.GetSize() - 1].X, 2 * 3750.0 + 9000.0);
        EXPECT_EQ(tendon.Node[0].R, 0.0);
        EXPECT_EQ(tendon.Node[tendon.Node.GetSize() - 1].R, 0.0);
        EXPECT_EQ(tendon.DSeriesIndex, "YCW250");
        EXPECT_EQ(tendon.BseriesIndex, "金属波纹管D80");
        EXPECT_EQ(tendon.MLSeriesIndex, "M15-9");
        EXPECT_NE(GetMaterialIDFromName(tendon.DSeriesIndex), 0u);
        EXPECT_NE(GetMaterialIDFromName(tendon.BseriesIndex), 0u);
        EXPECT_NE(GetMaterialIDFromName(tendon.MLSeriesIndex), 0u);
        EXPECT_NE(GetMaterialIDFromName(tendon.MRSeriesIndex), 0u);
    }
    EXPECT_EQ(tendons, 4);
    EXPECT_EQ(cap.ZLName.GetSize(), 2);
    EXPECT_GT(cap.Ldis, 0.0);
    EXPECT_GT(cap.Cdis, 0.0);
}

TEST(KeyParamJsonRead, OmittedOptionalKeysTakeTheRecordDefaults)
{
    const CPM001KeyParam keyParam = ReadOk(Minimal().dump());
    const CPM001_CapKeyParam& cap = keyParam.CapKeyParam;
    ASSERT_EQ(cap.FrameAr.GetSize(), 1);
    const auto& frame = cap.FrameAr[0];
    EXPECT_EQ(frame.fGJJ, 1);
    EXPECT_EQ(frame.fWeldT, 1);
    EXPECT_EQ(frame.fWeldB, 1);
    ASSERT_EQ(frame.GJJ.GetSize(), 4);
    EXPECT_TRUE(frame.GJJ[1].IsEmpty());
    EXPECT_EQ(frame.GJJ[0][0].fWQ, 0);
    EXPECT_EQ(frame.GJJ[0][0].fXJ, 0);
    EXPECT_EQ(frame.GJJ[3][0].dx, 800.5);
    EXPECT_EQ(cap.sg_type, 3.0);               // a whole number is a real too
    EXPECT_EQ(cap.fDistribute, 0);
    EXPECT_EQ(cap.st_LeadPointR, 0.0);
    EXPECT_TRUE(cap.XH.IsEmpty());
    EXPECT_TRUE(cap.SteelAr.IsEmpty());
    EXPECT_EQ(keyParam.FootingKeyParam.barSpacing, 0.0);
    EXPECT_EQ(keyParam.PileFoundationKeyParam.TieBeamKeyParam.topBarCount, 0);

    Json withTendon = Minimal();
    withTendon["cap"]["SteelAr"] = Json::array({Tendon()});
    withTendon["cap"]["Ldis"] = 800;
    withTendon["cap"]["Cdis"] = 500;
    withTendon["cap"]["SBd"] = 12;
    const CPM001KeyParam prestressed = ReadOk(withTendon.dump());
    const auto& tendon = prestressed.CapKeyParam.SteelAr[0];
    EXPECT_TRUE(tendon.name.IsEmpty());
    EXPECT_EQ(tendon.Ytype, 0);
    EXPECT_EQ(tendon.cl_ES, 0.0);
    EXPECT_EQ(tendon.Node[1].Refline, 0);
    EXPECT_EQ(tendon.Node[1].R, 0.0);
}

namespace {

// Walks a set beside a record of defaults and notes, for the form of each optional key's path
// ("cap.FrameAr[].fWeldT"), whether any value given for it differs from its default: a number or a
// text unlike the default record's, a list that holds an entry (every list's default is empty). A
// record's keys are noted in its stead; the entries of lists of records are walked beside a
// default entry.
struct AwayFromDefault {
    std::string form;
    std::map<std::string, bool>& away;

    template <class T, class B = NoBound>
    void Key(const char* key, T& member, KeyNeed need, const B& = B{})
    {
        const std::string path = form.empty() ? key : form + "." + key;
        Walk(member, *static_cast<const T*>(defaults->Find(key)), path, need == KeyNeed::Optional);
    }
    template <class T>
    void Walk(const T& value, const T& standard, const std::string& path, bool optional)
    {
        bool differs = false;
        if constexpr (std::is_arithmetic_v<T> || std::is_same_v<T, CString>) differs = !(value == standard);
        else if constexpr (requires { value.GetSize(); }) {
            differs = value.GetSize() > 0;
            using Entry = std::remove_cvref_t<decltype(value[0])>;
            if constexpr (!std::is_arithmetic_v<Entry> && !std::is_same_v<Entry, CString>) {
                for (int i = 0; i < value.GetSize(); ++i) {
                    const Entry standardEntry{};
                    Walk(value[i], standardEntry, path + "[]", false);
                }
            }
        } else {
            // A record: its own keys are noted.
            AwayFromDefault inner{path, away};
            inner.Record(value, standard);
            return;
        }
        if (optional) away[path] = away[path] || differs;
    }
    // Each key of a record beside the record of defaults it is compared with.
    template <class R>
    void Record(const R& value, const R& standard)
    {
        Defaults found{standard};
        defaults = &found;
        VisitKeys(*this, const_cast<R&>(value));
        defaults = nullptr;
    }
    // The members of the record of defaults, by key, in the table's order.
    struct Defaults {
        template <class R>
        explicit Defaults(const R& standard)
        {
            Collect c{members};
            VisitKeys(c, const_cast<R&>(standard));
        }
        const void* Find(const char* key) const { return members.at(key); }
        std::map<std::string, const void*> members;
        struct Collect {
            std::map<std::string, const void*>& members;
            template <class T, class B = NoBound>
            void Key(const char* key, T& member, KeyNeed, const B& = B{}) { members[key] = &member; }
        };
    };
    const Defaults* defaults = nullptr;
};

}  // namespace

TEST(KeyParamJsonRead, TheRoundTripCopySetsEveryOptionalKeyAwayFromItsDefault)
{
    // tests/data/projects/prestressed_every_key.keys.json is designed, stored and loaded with every
    // published value compared (tests/app): an optional key left at its default there is one whose
    // value a load could lose unseen. A new optional key gets a value there that designs soundly.
    CPM001KeyParam keyParam;
    std::string error;
    ASSERT_TRUE(ReadKeyParamFile(std::string(PM001_SOURCE_DIR) + "/tests/data/projects/prestressed_every_key.keys.json",
                                 keyParam, error)) << error;
    std::map<std::string, bool> away;
    AwayFromDefault walk{"", away};
    walk.Record(keyParam, CPM001KeyParam());
    std::string atDefault;
    for (const auto& [path, differs] : away)
        if (!differs) atDefault += " " + path;
    EXPECT_EQ(atDefault, "") << "optional keys left at their defaults";
    EXPECT_GT(away.size(), 80u);
}

TEST(KeyParamJsonRead, MissingRequiredKeysAreNamed)
{
    Json document = Minimal();
    document["cap"].erase("st_d");
    EXPECT_EQ(ReadError(document), "keyParameters.cap.st_d: missing (a required key)");

    document = Minimal();
    document["cap"]["FrameAr"][0]["GJJ"][3][0].erase("dx");
    EXPECT_EQ(ReadError(document), "keyParameters.cap.FrameAr[0].GJJ[3][0].dx: missing (a required key)");

    EXPECT_EQ(ReadError(Json::object()), "keyParameters.cap: missing (a required key)");
}

TEST(KeyParamJsonRead, UnknownKeysAreNamed)
{
    Json document = Minimal();
    document["cap"]["FrameAr"][0]["GJJ"][0][0]["dX"] = 1;
    EXPECT_EQ(ReadError(document), "keyParameters.cap.FrameAr[0].GJJ[0][0].dX: unknown key");

    document = Minimal();
    document["capBeam"] = Json::object();
    EXPECT_EQ(ReadError(document), "keyParameters.capBeam: unknown key");

    document = Minimal();
    document["pileCap"] = {{"body", Json::object()}};
    EXPECT_EQ(ReadError(document), "keyParameters.pileCap.body: unknown key");

    // A key of the document is named by at most its first 64 characters, never cut inside one.
    std::string han;
    for (int i = 0; i < 64; ++i) han += "中";
    document = Minimal();
    document[han + "中"] = 1;
    EXPECT_EQ(ReadError(document), "keyParameters." + han + "…: unknown key");
    document = Minimal();
    document[std::string(64, 'k')] = 1;
    EXPECT_EQ(ReadError(document), "keyParameters." + std::string(64, 'k') + ": unknown key");
    // A key holding a NUL is named whole, the NUL shown, and is unknown though it begins as a known one.
    document = Minimal();
    document["cap"][std::string("fDistribute\0x", 13)] = 1;
    EXPECT_EQ(ReadError(document), "keyParameters.cap.fDistribute\\u0000x: unknown key");
}

TEST(KeyParamJsonRead, ValuesOfTheWrongTypeAreNamed)
{
    struct Case {
        const char* pointer;
        Json value;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"/cap/FrameAr/0/GJJ/0/0/dx", "500", "keyParameters.cap.FrameAr[0].GJJ[0][0].dx: expected a number"},
        {"/cap/st_type", 3.5, "keyParameters.cap.st_type: expected an integer"},
        {"/cap/st_type", true, "keyParameters.cap.st_type: expected an integer"},
        {"/cap/st_type", 3000000000u, "keyParameters.cap.st_type: expected an integer from -2147483648 to 2147483647"},
        {"/cap/st_type", -3000000000LL, "keyParameters.cap.st_type: expected an integer from -2147483648 to 2147483647"},
        {"/cap/FrameName/1", 2, "keyParameters.cap.FrameName[1]: expected a text"},
        {"/cap/FrameAr/0/GJJ", Json::object(), "keyParameters.cap.FrameAr[0].GJJ: expected a list"},
        {"/cap/FrameAr/0/GJJ/2", 0, "keyParameters.cap.FrameAr[0].GJJ[2]: expected a list"},
        {"/cap/FrameAr/0", Json::array(), "keyParameters.cap.FrameAr[0]: expected an object"},
        {"/cap/sg_lns2", Json::array({10, 10.5}), "keyParameters.cap.sg_lns2[1]: expected an integer"},
        {"/cap/sg_d", nullptr, "keyParameters.cap.sg_d: expected a number"},
        {"/footing", 1, "keyParameters.footing: expected an object"},
        {"/cap/FrameName/1", std::string("K2\0K3", 5), "keyParameters.cap.FrameName[1]: expected a text without a NUL character (\\u0000)"},
    };
    for (const Case& c : cases) {
        Json document = Minimal();
        document[Json::json_pointer(c.pointer)] = c.value;
        EXPECT_EQ(ReadError(document), c.expected) << c.pointer;
    }
    EXPECT_EQ(ReadError(Json::array()), "keyParameters: expected an object");
}

TEST(KeyParamJsonRead, TextThatIsNoJsonIsRefused)
{
    CPM001KeyParam keyParam;
    std::string error;
    // Worded as the project file's faults: the line and column where the text stops being JSON and
    // the parser's reason, or the path of a number too large.
    const std::string endOfInput = "not valid JSON: syntax error while parsing value - unexpected end of input; "
                                   "expected '[', '{', or a literal";
    const struct { const char* text; std::string error; } cases[] = {
        {"", "keyParameters: line 1, column 1: " + endOfInput},
        {"{\"cap\": ", "keyParameters: line 1, column 9: " + endOfInput},
        {"{\"cap\":\n {}} trailing", "keyParameters: line 2, column 8: not valid JSON: syntax error while parsing value - "
                                    "invalid literal; last read: '\"cap\":<U+000A> {}} tra'; expected end of input"},
        {"{\"cap\": {\"st_d\": 1e999}}", "keyParameters.cap.st_d: number out of range: number overflow parsing '1e999'"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ReadKeyParamJson(c.text, "keyParameters", keyParam, error)) << c.text;
        EXPECT_EQ(error, c.error);
    }
    // The input the parser quotes (an unterminated text, a number too large) is cut to 64 characters.
    const std::string unterminated = "{\"cap\": \"" + std::string(100000, 'a');
    EXPECT_FALSE(ReadKeyParamJson(unterminated, "keyParameters", keyParam, error));
    EXPECT_EQ(error.substr(error.find("last read: ")), "last read: '\"" + std::string(63, 'a') + "…'") << error;
    const std::string overflow = "{\"cap\": {\"st_d\": 1" + std::string(100000, '0') + "}}";
    EXPECT_FALSE(ReadKeyParamJson(overflow, "keyParameters", keyParam, error));
    EXPECT_EQ(error.substr(error.find("parsing ")), "parsing '1" + std::string(63, '0') + "…'") << error;
}

// Nesting is refused as it passes 64 (the top object counts), before a deeper document is built; a
// NUL byte after a complete document is refused where it stands; a key given twice in one object, of
// which the parser would keep the last value only, is named by its path.
TEST(KeyParamJsonRead, DeepNestingBytesAfterTheDocumentAndKeysGivenTwiceAreRefused)
{
    const auto deep = [](std::size_t levels) {   // objects {"a": …} under "capx", a later key after them
        std::string text = "{\"capx\": ";
        for (std::size_t i = 0; i < levels; ++i) text += "{\"a\": ";
        return text + "{}" + std::string(levels, '}') + ", \"later\": 1}";
    };
    const auto nulAt = [](std::size_t line, std::size_t column) {
        return "keyParameters: line " + std::to_string(line) + ", column " + std::to_string(column) +
               ": not valid JSON: syntax error while parsing value - a NUL byte after the document; expected end of input";
    };
    // Named by the path of the object opened 65th: "capx" and 63 keys "a" under it.
    std::string tooDeep = "keyParameters.capx";
    for (int i = 0; i < 63; ++i) tooDeep += ".a";
    tooDeep += ": objects and lists nested more than 64 deep";
    const std::string minimal = Minimal().dump();
    const struct { std::string text; std::string error; } cases[] = {
        {deep(100000), tooDeep}, {deep(63), tooDeep}, {deep(62), "keyParameters.cap: missing (a required key)"},   // 64: read
        {minimal + '\0' + "trailing", nulAt(1, minimal.size() + 1)}, {std::string("{\"cap\": {}}\n  ") + '\0', nulAt(2, 3)},
        {R"({"cap": {}, "cap": {}})", "keyParameters.cap: key given twice"},
        {R"({"cap": {"FrameAr": [{"name": "W"}, {"name": "W", "name": "N"}]}})",
         "keyParameters.cap.FrameAr[1].name: key given twice"},
        {R"({"cap": {"FrameAr": [{"GJJ": [[1], [{"dx": 1}, {"dx": 1, "dx": 2}]]}]}})",
         "keyParameters.cap.FrameAr[0].GJJ[1][1].dx: key given twice"},
    };
    for (const auto& c : cases) {
        CPM001KeyParam keyParam;
        std::string error;
        EXPECT_FALSE(ReadKeyParamJson(c.text, "keyParameters", keyParam, error)) << c.text.substr(0, 40);
        EXPECT_EQ(error, c.error) << c.text.substr(0, 40);
    }
}

TEST(KeyParamJsonRead, KeyParametersMustAgreeWithThemselves)
{
    Json document = Minimal();
    document["cap"]["FrameY"] = Json::array({0});
    EXPECT_EQ(ReadError(document), "keyParameters.cap.FrameY: expected one position per frame name (2 names, 1 positions)");

    document = Minimal();
    document["cap"]["XH"] = Json::parse(R"([{"nA": 1, "nB": 2}, {"nA": 1, "nB": 3}])");
    EXPECT_EQ(ReadError(document), "keyParameters.cap.XH[1].nB: expected a frame number from 1 to 2");
    document["cap"]["XH"] = Json::parse(R"([{"nA": 0, "nB": 2}])");
    EXPECT_EQ(ReadError(document), "keyParameters.cap.XH[0].nA: expected a frame number from 1 to 2");

    // A frame record names a frame of FrameName whole ("K(3)") or by the name before "(" its new names
    // ")", blanks around it aside (the blank frame by the empty name); any other name would lay no bar.
    for (const auto& [name, refused] : std::vector<std::pair<std::string, bool>>{
             {"K2", false}, {"K(3)", false}, {" K1 (W1,W2)", false}, {"(W1)", false}, {"K3", true}, {"k1", true}, {"K(1)", true}}) {
        document = Minimal();
        document["cap"]["FrameName"] = Json::array({"K1", "K2", "K(3)", " "});
        document["cap"]["FrameY"] = Json::array({-500, 0, 500, 900});
        document["cap"]["FrameAr"][0]["name"] = name;
        EXPECT_EQ(ReadError(document), refused ? "keyParameters.cap.FrameAr[0].name: expected a name of FrameName, alone or "
                                                 "followed by \"(\" new names \")\" (\"" + name + "\" given)" : "") << name;
    }

    // One record per frame: a second record laid at the frame of an earlier one (its name before any
    // "(", blanks aside) would add its bars to that frame's, or replace them.
    for (const auto& [name, earlier] : std::vector<std::pair<std::string, int>>{
             {"K2", 1}, {"K1", 0}, {" K1 (W1)", 0}, {"K2(W1)", 1}, {"K1x", -1}}) {
        document = Minimal();
        document["cap"]["FrameName"] = Json::array({"K1", "K2", "K1x"});
        document["cap"]["FrameY"] = Json::array({-500, 0, 500});
        document["cap"]["FrameAr"].push_back(Json::parse(R"({"name": "K2", "fGJJ": 0})"));
        document["cap"]["FrameAr"].push_back(document["cap"]["FrameAr"][0]);
        document["cap"]["FrameAr"][2]["name"] = name;
        const std::string frame = earlier == 1 ? "K2" : "K1";
        EXPECT_EQ(ReadError(document), earlier < 0 ? "" : "keyParameters.cap.FrameAr[2].name: the frame \"" + frame +
                                                  "\" is already described by keyParameters.cap.FrameAr[" +
                                                  std::to_string(earlier) + "]") << name;
    }

    document = Minimal();
    document["cap"]["SteelAr"] = Json::array({Tendon()});
    document["cap"]["SBd"] = 12;
    document["cap"]["Cdis"] = 500;
    EXPECT_EQ(ReadError(document), "keyParameters.cap.Ldis: expected a spacing above 0 when tendons are given");
    document["cap"]["Ldis"] = 800;
    document["cap"]["Cdis"] = -1;
    EXPECT_EQ(ReadError(document), "keyParameters.cap.Cdis: expected a spacing above 0 when tendons are given");
    document["cap"]["Cdis"] = 500;
    document["cap"]["SteelAr"][0]["m"] = 0;
    EXPECT_EQ(ReadError(document), "keyParameters.cap.SteelAr[0].m: expected a strand count of at least 1");
    document["cap"]["SteelAr"][0]["m"] = 9;
    EXPECT_EQ(ReadError(document), "");

    // At most 1000 tendon definitions: the last one allowed and the first one too many.
    document["cap"]["SteelAr"] = Json::array();
    for (int i = 0; i < 1000; ++i) document["cap"]["SteelAr"].push_back(Tendon());
    EXPECT_EQ(ReadError(document), "");
    document["cap"]["SteelAr"].push_back(Tendon());
    EXPECT_EQ(ReadError(document), "keyParameters.cap.SteelAr: expected at most 1000 tendon definitions (1001 given)");
}

TEST(KeyParamJsonRead, AFailedReadLeavesTheTargetAsItWas)
{
    CPM001KeyParam keyParam = ReadOk(Minimal().dump());
    Json broken = Minimal();
    broken["cap"]["st_d"] = 32;
    broken["cap"]["sd_d"] = "16";
    std::string error;
    EXPECT_FALSE(ReadKeyParamJson(broken.dump(), "keyParameters", keyParam, error));
    EXPECT_EQ(keyParam.CapKeyParam.st_d, 28.0);
    EXPECT_EQ(keyParam.CapKeyParam.FrameAr.GetSize(), 1);
}

TEST(KeyParamJsonFile, FileErrorsNameTheFile)
{
    const TempFolder scratch("pm001_key_param_file_test");
    const std::filesystem::path& dir = scratch.path();
    const std::string missing = (dir / "missing.json").string();
    const std::string broken = (dir / "broken.json").string();
    {
        Json document = Minimal();
        document["cap"].erase("WeldArcR");
        std::ofstream(broken) << document.dump(2);
    }
    CPM001KeyParam keyParam;
    std::string error;
    EXPECT_FALSE(ReadKeyParamFile(missing, keyParam, error));
    EXPECT_EQ(error, "key-parameter file " + missing + ": no such file");
    EXPECT_FALSE(ReadKeyParamFile(dir.string(), keyParam, error));
    EXPECT_EQ(error, "key-parameter file " + dir.string() + ": not a regular file");
    // A path through a regular file is no missing file: the system's reason is given.
    EXPECT_FALSE(ReadKeyParamFile(broken + "/x.json", keyParam, error));
    EXPECT_EQ(error, "key-parameter file " + broken + "/x.json: cannot be read: " + std::strerror(ENOTDIR));
    EXPECT_FALSE(ReadKeyParamFile(broken, keyParam, error));
    EXPECT_EQ(error, "key-parameter file " + broken + ": cap.WeldArcR: missing (a required key)");
    // Any other reason a file cannot be opened is the system's (a link to itself: a loop).
    std::filesystem::create_symlink("loop.json", dir / "loop.json");
    EXPECT_FALSE(ReadKeyParamFile((dir / "loop.json").string(), keyParam, error));
    EXPECT_EQ(error, "key-parameter file " + (dir / "loop.json").string() + ": cannot be read: " + std::strerror(ELOOP));

    // A FIFO is refused at once, not waited on; a file of 16 MiB is read, one byte more is refused.
    const std::string fifo = (dir / "fifo.json").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadKeyParamFile(fifo, keyParam, error));
    EXPECT_EQ(error, "key-parameter file " + fifo + ": not a regular file");
    const std::string full = (dir / "full.json").string();
    std::string text = Minimal().dump();
    text.resize(16u << 20, ' ');
    std::ofstream(full, std::ios::binary) << text;
    EXPECT_TRUE(ReadKeyParamFile(full, keyParam, error)) << error;
    std::ofstream(full, std::ios::binary | std::ios::app) << ' ';
    EXPECT_FALSE(ReadKeyParamFile(full, keyParam, error));
    EXPECT_EQ(error, "key-parameter file " + full + ": larger than 16 MiB");
}

TEST(KeyParamJsonWrite, WrittenTextReadsBackToTheSameSet)
{
    CPM001KeyParam original;
    std::string error;
    ASSERT_TRUE(ReadKeyParamFile(kExamples + "prestressed.json", original, error)) << error;
    original.CapKeyParam.st_angle = 0.1 + 0.2;          // a real without a short decimal form
    original.CapKeyParam.FrameName[0] = "主 W";

    std::string text;
    ASSERT_TRUE(WriteKeyParamJson(original, text, error)) << error;
    const CPM001KeyParam back = ReadOk(text);
    std::string again;
    ASSERT_TRUE(WriteKeyParamJson(back, again, error)) << error;
    EXPECT_EQ(again, text);

    EXPECT_EQ(back.CapKeyParam.st_angle, 0.1 + 0.2);
    EXPECT_EQ(back.CapKeyParam.FrameName[0], "主 W");
    EXPECT_EQ(back.CapKeyParam.SteelAr[1].Node[2].refZ, 550.0);
    EXPECT_EQ(back.CapKeyParam.FrameAr[0].GJJ[1][2].dx, 2100.0);
    EXPECT_EQ(back.StopperPedestalKeyParam.nBackPedestalMesh, 3);

    // Every key is written, the optional ones too, in the documented order.
    const Json written = Json::parse(text);
    EXPECT_EQ(written.begin().key(), "cap");
    EXPECT_TRUE(written["cap"].contains("fVartc"));
    EXPECT_TRUE(written["cap"]["SteelAr"][0].contains("Ytype"));
    EXPECT_TRUE(written.contains("pileCap"));
}

TEST(KeyParamJsonWrite, ValuesTheJsonFormCannotHoldAreNamed)
{
    CPM001KeyParam keyParam = ReadOk(Minimal().dump());
    std::string text = "before";
    std::string error;

    keyParam.CapKeyParam.FrameAr[0].GJJ[3][0].dx = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(WriteKeyParamJson(keyParam, text, error));
    EXPECT_EQ(error, "cap.FrameAr[0].GJJ[3][0].dx: not a finite number, which the JSON form cannot hold");
    EXPECT_EQ(text, "before");

    keyParam.CapKeyParam.FrameAr[0].GJJ[3][0].dx = 1.0;
    keyParam.PileCapKeyParam.JointKeyParam.stirrupSpacing = -std::numeric_limits<double>::infinity();
    EXPECT_FALSE(WriteKeyParamJson(keyParam, text, error));
    EXPECT_EQ(error, "pileCap.joint.stirrupSpacing: not a finite number, which the JSON form cannot hold");

    keyParam.PileCapKeyParam.JointKeyParam.stirrupSpacing = 100.0;
    keyParam.CapKeyParam.FrameName[1] = CString(std::string("K\xFF", 2));
    EXPECT_FALSE(WriteKeyParamJson(keyParam, text, error));
    EXPECT_EQ(error, "cap.FrameName[1]: a text that is not UTF-8");
}

}  // namespace
