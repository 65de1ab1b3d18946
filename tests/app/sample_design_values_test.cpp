// The sample piers designed as the host designs them: each designs cleanly, its key output values
// agree with values worked out by hand from its geometry and key parameters, and the stored
// component, loaded into a fresh one, answers with the same values.
#include "project_container.h"
#include "project_file.h"
#include "project_session.h"

#include "host/output_data.h"
#include "host/report.h"
#include "module/pier_component.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Shared by every sample (examples/keyparams/*.json):
//
// Skeleton: bars d 28 of HRB400, outer diameter w = 31.6; covers ua = sa = 60 and da = ua = 60;
// short welded legs m = st_LstWeld = 140; bend radii LeadPointR = 280 at the kinks of a sloped
// bottom and LeadPointR2 = 2.5 * 28 = 70 at the other bends. A bend of radius r through the angle
// t shortens the bar by r t - 2 r tan(t / 2); a quarter turn of radius 70:
// 70 * 1.5707963 - 140 * 1 = -30.0443.
// Through-bar outline at a sloped end of run b and rise h, t = atan(h / b): the outline lies 60
// inside the bottom, the slope and the end face; along the slope its end-cover point lies
// A = (b - 60 + 60 tan(t / 2)) / cos t from its bottom-cover point, so p1 = (60, 60 + A sin t) on
// the end cover and p2 = (60 + A cos t, 60) on the bottom cover (p3, p4 mirror them at the right).
// No inclined bar of these frames meets an end face, so the top through bar has the full-height
// legs standing on p1 and p4, and the bottom bar the short legs inset by w, standing on the slope.
//
// Stirrups: d 12 of HRB400 (outer 13.9); every leg gets W = 31.6 + 13.9 = 45.5. 135-degree hooks
// (bend diameter 5d = 60, straight end 5d = 60): EL = (60 + 12) / 2 * 3pi/4 + 60 - (30 + 12)
// = 84.8230 + 18 = 102.8230. TL = round(L1) + round(L1p) + 2 round(L2) + 2 EL, then to a whole mm.
//
// Side-face ("sh") and end-face ("sd") bars: d 16 of HRB400 (outer 18.4); right-angle hooks (bend
// diameter 5d = 80, straight end 10d = 160): EL = (80 + 16) / 2 * pi/2 + 160 - (40 + 16)
// = 75.3982 + 104 = 179.3982. End-face edge distance a2 = 60 + 31.6 / 2 + 18.4 / 2 = 85, up to a
// whole 10: 90.

namespace {

const std::string kSourceDir = PM001_SOURCE_DIR;

void RegisterComponentOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { CPM001Norm::Regist(); });
}

// One sample pier received, diagnosed and designed in a session of its own, as `pm001 design` does.
struct DesignedSample {
    explicit DesignedSample(const std::string& file)
        : project(LoadProjectFile(kSourceDir + "/examples/" + file))
    {
        RegisterComponentOnce();
        ReportLog::Current().Clear();
        session = std::make_unique<ProjectSession>(*project);
        received = session->Receive();
        diagnosed = session->Diagnose();
        if (received == 1 && diagnosed == 1) designed = session->Design();
        if (designed == 1) outputs = session->Output();
    }

    std::unique_ptr<Project> project;
    std::unique_ptr<ProjectSession> session;
    int received = 0;
    int diagnosed = 0;
    int designed = 0;
    OutputDataMap outputs;
};

const CBGOutputData* Find(const OutputDataMap& outputs, const std::string& key, CBGOutputData::Type type)
{
    const auto it = outputs.find(CString(key));
    if (it == outputs.end()) {
        ADD_FAILURE() << "no output value " << key;
        return nullptr;
    }
    EXPECT_EQ(it->second->type, type) << key;
    return it->second->type == type ? it->second : nullptr;
}

double Real(const OutputDataMap& outputs, const std::string& key)
{
    const CBGOutputData* v = Find(outputs, key, CBGOutputData::Double);
    return v ? v->doubleValue : std::numeric_limits<double>::quiet_NaN();
}

int Int(const OutputDataMap& outputs, const std::string& key)
{
    const CBGOutputData* v = Find(outputs, key, CBGOutputData::Int);
    return v ? v->intValue : std::numeric_limits<int>::min();
}

std::string Text(const OutputDataMap& outputs, const std::string& key)
{
    const CBGOutputData* v = Find(outputs, key, CBGOutputData::Text);
    return v ? v->text.str() : std::string("<missing>");
}

void ExpectReals(const OutputDataMap& outputs, const std::string& key, const std::vector<double>& expected,
                 double tolerance)
{
    const CBGOutputData* v = Find(outputs, key, CBGOutputData::DoubleList);
    if (!v) return;
    ASSERT_EQ(v->doubleList.GetSize(), static_cast<int>(expected.size())) << key;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(v->doubleList[static_cast<int>(i)], expected[i], tolerance) << key << "[" << i << "]";
}

void ExpectInts(const OutputDataMap& outputs, const std::string& key, const std::vector<int>& expected)
{
    const CBGOutputData* v = Find(outputs, key, CBGOutputData::IntList);
    if (!v) return;
    ASSERT_EQ(v->intList.GetSize(), static_cast<int>(expected.size())) << key;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(v->intList[static_cast<int>(i)], expected[i]) << key << "[" << i << "]";
}

// Number of skeleton frames written to the output (each frame writes its name once).
int FramesWritten(const OutputDataMap& outputs)
{
    int frames = 0;
    for (const auto& [key, value] : outputs) {
        const std::string k(key);
        const std::string prefix = "PM001_T0101_Frame[";
        const std::string suffix = "]_name";
        if (k.size() > prefix.size() + suffix.size() && k.compare(0, prefix.size(), prefix) == 0 &&
            k.compare(k.size() - suffix.size(), suffix.size(), suffix) == 0)
            ++frames;
    }
    return frames;
}

// The through bars of every frame: marks 1 (top) and 2 (bottom), one bar of each per frame, with
// the given segment lengths and cut lengths.
void ExpectThroughBars(const OutputDataMap& out, int frames, const std::vector<double>& top, double topCut,
                       const std::vector<double>& bottom, double bottomCut)
{
    EXPECT_EQ(Int(out, "PM001_T0101_st_nFrame"), frames);
    EXPECT_EQ(FramesWritten(out), frames);
    for (int f = 1; f <= frames; ++f) {
        SCOPED_TRACE("frame " + std::to_string(f));
        const std::string frame = "PM001_T0101_Frame[" + std::to_string(f) + "]_";
        EXPECT_EQ(Text(out, frame + "class[1]_1_R"), "1");
        ExpectReals(out, frame + "class[1]_1_L", top, 1e-3);
        EXPECT_DOUBLE_EQ(Real(out, frame + "class[1]_1_sTL"), topCut);
        EXPECT_EQ(Text(out, frame + "class[2]_1_R"), "2");
        ExpectReals(out, frame + "class[2]_1_L", bottom, 1e-3);
        EXPECT_DOUBLE_EQ(Real(out, frame + "class[2]_1_sTL"), bottomCut);
    }
    // The bar schedule opens with the top row, then the bottom row, one bar per frame each.
    const CBGOutputData* marks = Find(out, "PM001_T0101_Frame_R", CBGOutputData::TextList);
    const CBGOutputData* counts = Find(out, "PM001_T0101_Frame_n", CBGOutputData::IntList);
    const CBGOutputData* cuts = Find(out, "PM001_T0101_Frame_TL", CBGOutputData::DoubleList);
    if (!marks || !counts || !cuts) return;
    ASSERT_GE(marks->textList.GetSize(), 2);
    ASSERT_GE(counts->intList.GetSize(), 2);
    ASSERT_GE(cuts->doubleList.GetSize(), 2);
    EXPECT_EQ(marks->textList[0].str(), "1");
    EXPECT_EQ(marks->textList[1].str(), "2");
    EXPECT_EQ(counts->intList[0], frames);
    EXPECT_EQ(counts->intList[1], frames);
    EXPECT_DOUBLE_EQ(cuts->doubleList[0], topCut);
    EXPECT_DOUBLE_EQ(cuts->doubleList[1], bottomCut);
}

struct MainStirrups {
    int n;
    double L1;
    double L1p;
    double L2;
    double TL;
};

void ExpectStirrupGroup(const OutputDataMap& out, int group, const MainStirrups& expected)
{
    SCOPED_TRACE("stirrup group " + std::to_string(group));
    const std::string sg = "PM001_T0101_sg1[" + std::to_string(group) + "]_";
    EXPECT_EQ(Int(out, sg + "n"), expected.n);
    EXPECT_NEAR(Real(out, sg + "L1"), expected.L1, 1e-6);
    EXPECT_NEAR(Real(out, sg + "L1p"), expected.L1p, 1e-6);
    EXPECT_NEAR(Real(out, sg + "L2"), expected.L2, 1e-3);
    EXPECT_DOUBLE_EQ(Real(out, sg + "TL"), expected.TL);
}

bool SameValue(const CBGOutputData& a, const CBGOutputData& b)
{
    if (a.type != b.type || a.intValue != b.intValue || a.decimals != b.decimals || a.text != b.text ||
        a.note != b.note)
        return false;
    if (!(a.doubleValue == b.doubleValue || (std::isnan(a.doubleValue) && std::isnan(b.doubleValue)))) return false;
    if (a.intList.GetSize() != b.intList.GetSize() || a.doubleList.GetSize() != b.doubleList.GetSize() ||
        a.textList.GetSize() != b.textList.GetSize())
        return false;
    for (int i = 0; i < a.intList.GetSize(); ++i)
        if (a.intList[i] != b.intList[i]) return false;
    for (int i = 0; i < a.doubleList.GetSize(); ++i)
        if (!(a.doubleList[i] == b.doubleList[i])) return false;
    for (int i = 0; i < a.textList.GetSize(); ++i)
        if (a.textList[i] != b.textList[i]) return false;
    return true;
}

class EverySample : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(EverySample, DesignsWithoutAnyReportEntry)
{
    DesignedSample sample(GetParam());
    EXPECT_EQ(sample.received, 1);
    EXPECT_EQ(sample.diagnosed, 1);
    EXPECT_EQ(sample.designed, 1);
    const ReportLog& log = ReportLog::Current();
    EXPECT_EQ(log.Count(ReportEntry::Diagnose), 0);
    EXPECT_EQ(log.Count(ReportEntry::Error), 0);
    EXPECT_EQ(log.Count(ReportEntry::Warning), 0);
    for (const ReportEntry& entry : log.Entries())
        ADD_FAILURE() << "report entry " << static_cast<int>(entry.kind) << " " << entry.keys.str() << ": "
                      << entry.message.str();
    EXPECT_FALSE(sample.outputs.empty());
}

TEST_P(EverySample, StoredAndLoadedIntoAFreshComponentGivesTheSameValues)
{
    DesignedSample sample(GetParam());
    ASSERT_EQ(sample.designed, 1);
    // Through the host's container, as `pm001 design --save` and `pm001 load` do.
    const ComponentDataSets stored = DecodeContainer(EncodeContainer(sample.session->Store()), GetParam());

    ProjectSession fresh;
    fresh.Load(stored);
    const OutputDataMap loaded = fresh.Output();

    EXPECT_EQ(loaded.size(), sample.outputs.size());
    for (const auto& [key, value] : sample.outputs) {
        const auto it = loaded.find(key);
        if (it == loaded.end()) {
            ADD_FAILURE() << "missing after loading: " << key;
            continue;
        }
        EXPECT_TRUE(SameValue(*value, *it->second))
            << key << ": designed " << value->ToText().str() << ", loaded " << it->second->ToText().str();
    }
    for (const auto& [key, value] : loaded)
        if (sample.outputs.find(key) == sample.outputs.end()) ADD_FAILURE() << "only after loading: " << key;
}

// The last, a copy of the prestressed sample with every optional key away from its default.
const char* const kEveryKey = "../tests/data/projects/prestressed_every_key.json";

INSTANTIATE_TEST_SUITE_P(Samples, EverySample,
                         ::testing::Values("footing.json", "piles.json", "pile_cap.json", "prestressed.json", kEveryKey));

// The values published as their keys give them (tests/data/projects/prestressed_every_key.keys.json),
// after a design and after a load of the stored component: a value a load left at its default
// would read 0.
TEST(EveryOptionalKey, TheKeysValuesArePublishedAfterALoad)
{
    DesignedSample sample(kEveryKey);
    ASSERT_EQ(sample.designed, 1);
    ProjectSession fresh;
    fresh.Load(DecodeContainer(EncodeContainer(sample.session->Store()), kEveryKey));
    const OutputDataMap loaded = fresh.Output();
    const struct { const char* name; double value; } ints[] = {
        {"PM001_T0101_fVartc", 30}, {"PM001_T0101_fPosSdAndSt", 1}, {"PM001_T0101_fPosShAndSg", 1},
        {"PM001_T0101_st_fLayMode", 1}, {"PM001_T0104_Steel[1]_Ytype", 1}, {"PM001_T0104_Steel[2]_Ytype", 1},
    }, reals[] = {
        {"PM001_T0101_st_ac", 1.5}, {"PM001_T0101_sg_ac", 2.5}, {"PM001_T0101_sh_ac", 3.5},
        {"PM001_T0101_sd_ac", 4.5}, {"PM001_T0104_PY", 5.5},
    };
    for (const OutputDataMap* outputs : {static_cast<const OutputDataMap*>(&sample.outputs), &loaded}) {
        const char* when = outputs == &loaded ? " after the load" : " after the design";
        for (const auto& r : ints) EXPECT_EQ(Int(*outputs, r.name), r.value) << r.name << when;
        for (const auto& r : reals) EXPECT_EQ(Real(*outputs, r.name), r.value) << r.name << when;
    }
}

// examples/footing.json: three circular columns 5000 apart, cantilevers of 1750, section type 0
// with B = 2000, hHgl = 1800, end faces hXbl = hXbr = 1000 over variable-height parts of
// bBpl = bBpr = 1000, one 2 % slope (iLb = 0.02 = -iRb: the top is one plane).
TEST(SampleFootingDesign, CapLengthAndConcrete)
{
    DesignedSample sample("footing.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // bBg = 1750 + 5000 + 5000 + 1750 = 13500; lWg = B = 2000.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_bBg"), 13500.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_lWg"), 2000.0);
    // Top in one plane: hHpl = hHgl - hXbl = 1800 - 1000 = 800, hHpr likewise.
    EXPECT_NEAR(Real(out, "PM001_T0101_hHpl"), 800.0, 1e-9);
    EXPECT_NEAR(Real(out, "PM001_T0101_hHpr"), 800.0, 1e-9);
    // Elevation (0,800) (0,1800) (6750,1800) (13500,1800) (13500,800) (12500,0) (1000,0):
    // 13500 * 1800 - 2 * 1000 * 800 / 2 = 24 300 000 - 800 000 = 23 500 000 mm2;
    // Vcon = 23.5 m2 * 2.0 m = 47.0 m3.
    EXPECT_NEAR(Real(out, "PM001_T0101_Vcon"), 47.0, 1e-9);
}

TEST(SampleFootingDesign, ThroughBars)
{
    DesignedSample sample("footing.json");
    ASSERT_EQ(sample.designed, 1);
    // Frames W N N W: the W frames carry both through bars by their main records, the N frames by
    // their weld flags: 4 top and 4 bottom bars.
    // Slope t = atan(800 / 1000): cos 0.780869, sin 0.624695, tan(t/2) 0.350781;
    // A = (1000 - 60 + 60 * 0.350781) / 0.780869 = 1230.7405; p1 = (60, 828.8375), p2 = (1021.0469, 60).
    // Top bar: legs 1740 - 828.8375 = 911.1625 at x = 60 and 13440, middle 13500 - 2 * 60 = 13380;
    // two quarter turns: 911.1625 * 2 + 13380 - 2 * 30.0443 = 15142.24 -> 15142.
    // Bottom bar: legs of 140 at x = 60 + 31.6 = 91.6; slope part (1021.0469 - 91.6) / 0.780869
    // = 1190.2727; bottom 13500 - 2 * 1021.0469 = 11457.9063. Leg feet turn through pi/2 - t
    // = 0.896055 at radius 70: 70 * 0.896055 - 140 tan(0.448028) = -4.5636; kinks turn through
    // t = 0.674741 at radius 280: 280 * 0.674741 - 560 * 0.350781 = -7.5099.
    // 280 + 2 * 1190.2727 + 11457.9063 - 2 * (4.5636 + 7.5099) = 14118.4518 - 24.1471 = 14094.30 -> 14094.
    ExpectThroughBars(sample.outputs, 4, {911.1625, 13380.0, 911.1625}, 15142.0,
                      {140.0, 1190.2727, 11457.9063, 1190.2727, 140.0}, 14094.0);
}

TEST(SampleFootingDesign, StirrupsDensifiedAtEachColumn)
{
    DesignedSample sample("footing.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // Densified at every support line, stirrups square to the axis (sg_fenG 1, sg_fLayMode 0).
    // Tapered end lengths dL = dR = p2.x = 1021.0469; no skew, so each cantilever is 1750 at every
    // frame. Left cantilever: trunc((1750 - 8 * 100 - 1021.0469) / 150) = trunc(-0.47) = 0 normal
    // spacings; the end zone LL = 1750 - 800 = 950, dL <= 2 * 1800: densified spacings
    // lXBns2 = 100s in 950 - 50 = 9, rest 0.
    // Spans: 5000 - 800 - 800 = 3400 = 50 + 22 * 150 + 50 (most spacings keeping the rest >= 50).
    ExpectInts(out, "PM001_T0101_sg_ns", {0, 22, 22, 0});
    ExpectReals(out, "PM001_T0101_sg_as", {50.0, 50.0}, 1e-9);
    EXPECT_EQ(Int(out, "PM001_T0101_sg_lXBns2"), 9);
    EXPECT_EQ(Int(out, "PM001_T0101_sg_rXBns2"), 9);
    // Stirrups from 950 to 12550: line 0: 0 + 8 + 8 = 16 spacings; line 1: + 22 + 1 + 16 + 1 = 56;
    // line 2: + 22 + 1 + 16 + 1 = 96; right cantilever + 0: 97 stirrups. The end zones add their
    // own 50 ... 850 and 12650 ... 13450 (9 each; 950 and 12550 end their last spacings):
    // 9 + 97 + 9 = 115 stirrups on the beam.
    // On each tapered part (1021.0469): trunc(971.0469 / 100) + 1 = 10, 50 ... 950; so 950 and
    // 12550 are taper stirrups and the main stirrups run from 1050 to 12450: 97 + 9 - 10 + 9 - 10
    // = 95 (95 + 2 * 10 = 115, each stirrup once).
    EXPECT_EQ(Int(out, "PM001_T0101_sg2[1]_nl"), 10);
    EXPECT_EQ(Int(out, "PM001_T0101_sg2[1]_nr"), 10);
    // Outermost main stirrups at 1050 and 12450, beyond the tapered parts; net height 1740 - 60
    // = 1680: L1 = 1680 + 45.5 = 1725.5; one-plane top: L1p at the crown, the same.
    // Group 1 (frames 1 to 4): L2 = 825 - (-825) + 45.5 = 1695.5;
    // TL = 1726 + 1726 + 2 * 1696 + 2 * 102.8230 = 7049.65 -> 7050.
    ExpectStirrupGroup(out, 1, {95, 1725.5, 1725.5, 1695.5, 7050.0});
    // Group 2 (frames 2 to 3): L2 = 275 - (-275) + 45.5 = 595.5;
    // TL = 1726 + 1726 + 2 * 596 + 205.6460 = 4849.65 -> 4850.
    ExpectStirrupGroup(out, 2, {95, 1725.5, 1725.5, 595.5, 4850.0});
}

TEST(SampleFootingDesign, SideAndEndFaceBars)
{
    DesignedSample sample("footing.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // Side faces, straight levels (one-plane top): 1800 - 60 - 60 = 1680 = 165 + 9 * 150 + 165.
    EXPECT_EQ(Int(out, "PM001_T0101_sh_ns"), 9);
    EXPECT_NEAR(Real(out, "PM001_T0101_sh_as"), 165.0, 1e-9);
    // Underside at the end face: p1.y - hHpl = 828.8375 - 800 = 28.8375;
    // sh1_n = 2 * trunc((1000 - 28.8375 - 60 - 165) / 150 + 1) = 2 * trunc(5.97) = 10;
    // sh2_n = 2 * 9 + 2 - 10 = 10.
    EXPECT_EQ(Int(out, "PM001_T0101_sh1_n"), 10);
    EXPECT_EQ(Int(out, "PM001_T0101_sh2_n"), 10);
    // sh1_L = round(13500 - 120 + 31.6 + 18.4) = 13430; TL = 13430 + 2 * 179.3982 = 13788.80 -> 13789.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh1_L"), 13430.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh1_TL"), 13789.0);
    // Level j at 1800 - 60 - 165 - 150 j meets the slope (falling 0.8) at x = 60 + (828.8375 - y) / 0.8:
    // j = 5, y = 825: x = 64.8, 13500 - 129.6 + 50 = 13420.4 -> 13420;
    // j = 9, y = 225: x = 814.7969, 13500 - 1629.5938 + 50 = 11920.41 -> 11920;
    // TL = (13420 + 11920) / 2 + 358.7964 = 13028.80 -> 13029.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_Lp"), 13420.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_L"), 11920.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_TL"), 13029.0);
    // End faces: 1000 - 2 * 90 = 820 in equal spaces of 100..200 nearest 150: 6 of 136.67 (5 of
    // 164 lie farther). 7 bars on each face, 14 in all.
    EXPECT_EQ(Int(out, "PM001_T0101_sd_nl"), 7);
    EXPECT_EQ(Int(out, "PM001_T0101_sd_nr"), 7);
    EXPECT_EQ(Int(out, "PM001_T0101_sd_n"), 14);
    // st_a = 2000 / 2 - 825 = 175: 2000 - 350 + 31.6 + 2 * 13.9 + 18.4 = 1727.8 -> 1720 (down to 10s);
    // TL = 1720 + 358.7964 = 2078.80 -> 2079.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sd_L"), 1720.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sd_TL"), 2079.0);
}

// examples/pile_cap.json: two rectangular columns 6000 apart, cantilevers of 2500, B = 2000,
// hHgl = 1800 at the crown bAc = 5500, two 2 % slopes falling to both ends (iLb = iRb = 0.02),
// end faces of 1000 over variable-height parts of 1200.
TEST(SamplePileCapDesign, CapLengthAndConcrete)
{
    DesignedSample sample("pile_cap.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // bBg = 2500 + 6000 + 2500 = 11000.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_bBg"), 11000.0);
    // hHpl = hHgl - bAc * iLb - hXbl = 1800 - 110 - 1000 = 690; hHpr = 1800 - 5500 * 0.02 - 1000 = 690.
    EXPECT_NEAR(Real(out, "PM001_T0101_hHpl"), 690.0, 1e-9);
    EXPECT_NEAR(Real(out, "PM001_T0101_hHpr"), 690.0, 1e-9);
    // Elevation (0,690) (0,1690) (5500,1800) (11000,1690) (11000,690) (9800,0) (1200,0):
    // 11000 * 1690 + 11000 * 110 / 2 - 2 * 1200 * 690 / 2 = 18 590 000 + 605 000 - 828 000
    // = 18 367 000 mm2; Vcon = 18.367 * 2.0 = 36.734 m3.
    EXPECT_NEAR(Real(out, "PM001_T0101_Vcon"), 36.734, 1e-9);
}

TEST(SamplePileCapDesign, ThroughBarsOverTheCrown)
{
    DesignedSample sample("pile_cap.json");
    ASSERT_EQ(sample.designed, 1);
    // t = atan(690 / 1200): cos 0.866906, sin 0.498471, tan(t/2) 0.267004;
    // A = (1140 + 60 * 0.267004) / 0.866906 = 1333.5008; p1 = (60, 724.7116), p2 = (1216.0202, 60).
    // Top bar: the top line is 1740 at the crown and falls 0.02 to either side: 1740 - 5440 * 0.02
    // = 1631.2 at x = 60. Legs 1631.2 - 724.7116 = 906.4884; the two slopes
    // sqrt(1 + 0.02^2) * (5500 - 60) = 5441.0879 each; the crown takes no fillet; each leg top turns
    // through pi/2 - atan(0.02) = 1.550799 at radius 70: 70 * 1.550799 - 140 tan(0.775400) = -28.6721.
    // 2 * 906.4884 + 2 * 5441.0879 - 2 * 28.6721 = 12695.1525 - 57.3441 = 12637.81 -> 12638.
    // Bottom bar: legs 140 at 91.6; slope part (1216.0202 - 91.6) / 0.866906 = 1297.0493; bottom
    // 11000 - 2 * 1216.0202 = 8567.9595; leg feet through pi/2 - t = 1.048962 at radius 70: -7.5665;
    // kinks through t = 0.521834 at radius 280: -3.4085.
    // 280 + 2 * 1297.0493 + 8567.9595 - 2 * (7.5665 + 3.4085) = 11442.0582 - 21.9500 = 11420.11 -> 11420.
    ExpectThroughBars(sample.outputs, 4, {906.4884, 5441.0879, 5441.0879, 906.4884}, 12638.0,
                      {140.0, 1297.0493, 8567.9595, 1297.0493, 140.0}, 11420.0);
}

TEST(SamplePileCapDesign, StirrupsWithNormalSpacingsOnTheCantilevers)
{
    DesignedSample sample("pile_cap.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // dL = dR = 1216.0202. Left cantilever: trunc((2500 - 10 * 100 - 1216.0202) / 150) = trunc(1.89)
    // = 1 normal spacing; end zone LL = 2500 - 1000 - 150 = 1350: 100s in 1350 - 50: lns3 = 13.
    // Span: 6000 - 1000 - 1000 = 4000 = 50 + 26 * 150 + 50.
    ExpectInts(out, "PM001_T0101_sg_ns", {1, 26, 1});
    ExpectReals(out, "PM001_T0101_sg_as", {50.0}, 1e-9);
    EXPECT_EQ(Int(out, "PM001_T0101_sg_lns3"), 13);
    EXPECT_EQ(Int(out, "PM001_T0101_sg_rns3"), 13);
    EXPECT_EQ(Int(out, "PM001_T0101_sg_lXBns2"), 0);
    // Stirrups from 1350 to 9650: line 0: 1 + 10 + 10 = 21 spacings; line 1: + 26 + 1 + 20 + 1
    // = 69; right cantilever + 1 = 70: 71 stirrups (1 + 21 + 27 + 21 + 1 from left to right).
    // The end zones' own stirrups 50 ... 1250 and 9750 ... 10950 (13 each; TBL = 0, so the
    // zone's last spacing ends on 1350): 13 + 71 + 13 = 97 stirrups on the beam.
    // On each tapered part (1216.0202): trunc(1166.0202 / 100) + 1 = 12, 50 ... 1150; the end
    // zones' 1250 and 9750 stand beyond them and are main stirrups: 71 + 2 * (13 - 12) = 73
    // (73 + 2 * 12 = 97, each stirrup once).
    EXPECT_EQ(Int(out, "PM001_T0101_sg2[1]_nl"), 12);
    EXPECT_EQ(Int(out, "PM001_T0101_sg2[1]_nr"), 12);
    // Outermost main stirrups at 1250 and 9750: top line 1740 - 4250 * 0.02 = 1655, net
    // 1655 - 60 = 1595: L1 = 1595 + 45.5 = 1640.5.
    // The crown 5500 is reached from 2500 by 10 steps of 100, the rest 50 and 13 steps of 150 exactly:
    // the stirrups around it stand at 5350 (net 1677) and 5500 (net 1680): L1p = 1680 + 45.5 = 1725.5.
    // L2 = 1650 + 45.5 = 1695.5. TL = 1641 + 1726 + 2 * 1696 + 205.6460 = 6964.65 -> 6965.
    ExpectStirrupGroup(out, 1, {73, 1640.5, 1725.5, 1695.5, 6965.0});
    // Group 2 (frames 2 to 3): L2 = 275 - (-275) + 45.5 = 595.5;
    // TL = 1641 + 1726 + 2 * 596 + 205.6460 = 4764.65 -> 4765.
    ExpectStirrupGroup(out, 2, {73, 1640.5, 1725.5, 595.5, 4765.0});
}

TEST(SamplePileCapDesign, SideFaceLevelsFollowTheTwoSlopes)
{
    DesignedSample sample("pile_cap.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // Two slopes: levels follow them. HL = HR = 1800 - 5500 * 0.02 = 1690, HM = 1800.
    // 1800 - 120 = 1680 in equal spaces of 100..200 nearest 150: 11 of 152.7273 (12 of 140 lie
    // farther); at the ends (1690 - 120) / 11 = 142.7273.
    EXPECT_EQ(Int(out, "PM001_T0101_sh_fLayMode"), 1);
    EXPECT_EQ(Int(out, "PM001_T0101_sh_ns"), 11);
    EXPECT_NEAR(Real(out, "PM001_T0101_sh_sm"), 152.7273, 1e-4);
    EXPECT_NEAR(Real(out, "PM001_T0101_sh_sl"), 142.7273, 1e-4);
    // Underside at the end face: 724.7116 - 690 = 34.7116; trunc((1000 - 34.7116 - 60) / 142.7273)
    // = trunc(6.34) = 6 on each side: sh1_n = 12; sh2_n = 2 * 11 - 12 - 2 = 8.
    EXPECT_EQ(Int(out, "PM001_T0101_sh1_n"), 12);
    EXPECT_EQ(Int(out, "PM001_T0101_sh2_n"), 8);
    // Level 1: (60, 1487.2727) - (5500, 1587.2727) - (10940, 1487.2727): 2 * sqrt(5440^2 + 100^2)
    // + 50 = 10931.84 -> 10932 = sh1_Lp. Level 6: (60, 773.6364) - (5500, 823.6364): 2 * sqrt(5440^2
    // + 50^2) + 50 = 10930.46 -> 10930 = sh1_L. TL = 10931 + 358.7964 = 11289.80 -> 11290.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh1_Lp"), 10932.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh1_L"), 10930.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh1_TL"), 11290.0);
    // Shortened levels from (0, 1630 - 142.7273 j) to the crown (5500, 1740 - 152.7273 j), cut by
    // the slope z = 724.7116 - 0.575 (x - 60): j = 7 meets it at x = 220.3478 (z 632.5116):
    // 2 * 5279.7918 + 50 = 10609.58 -> 10610; j = 10 at x = 964.7483 (z 204.4814):
    // 2 * 4535.2592 + 50 = 9120.52 -> 9121; TL = (10610 + 9121) / 2 + 358.7964 = 10224.30 -> 10224.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_Lp"), 10610.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_L"), 9121.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_TL"), 10224.0);
    // End faces as on the footing pier (1000 high, 2000 wide, frames at +-825): 7 + 7 bars of 1720.
    EXPECT_EQ(Int(out, "PM001_T0101_sd_nl"), 7);
    EXPECT_EQ(Int(out, "PM001_T0101_sd_nr"), 7);
    EXPECT_EQ(Int(out, "PM001_T0101_sd_n"), 14);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sd_L"), 1720.0);
}

// examples/prestressed.json: two circular columns 9000 apart, cantilevers of 3750, B = 2200,
// hHgl = 2000, one 2 % slope, end faces of 1200 over variable-height parts of 2500; its stirrups
// follow the skew (sg_fLayMode 1; the pier has none), so the end zones are laid by rest spacings.
TEST(SamplePrestressedDesign, CapThroughBarsAndStirrupsLaidFromTheEnds)
{
    DesignedSample sample("prestressed.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // bBg = 3750 + 9000 + 3750 = 16500; hHpl = 2000 - 1200 = 800.
    // 16500 * 2000 - 2 * 2500 * 800 / 2 = 31 000 000 mm2; Vcon = 31.0 * 2.2 = 68.2 m3.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_bBg"), 16500.0);
    EXPECT_NEAR(Real(out, "PM001_T0101_Vcon"), 68.2, 1e-9);

    // t = atan(0.32): cos 0.952424, sin 0.304776, tan(t/2) 0.156101;
    // A = (2440 + 60 * 0.156101) / 0.952424 = 2571.7177; p1 = (60, 843.7971), p2 = (2509.3661, 60).
    // Top: legs 1940 - 843.7971 = 1096.2029, middle 16380; 2 * 1096.2029 + 16380 - 60.0885
    // = 18512.32 -> 18512. Bottom: (2509.3661 - 91.6) / 0.952424 = 2538.5392, 16500 - 2 * 2509.3661
    // = 11481.2679; leg feet through 1.261093 at radius 70: -13.9168; kinks through 0.309703 at
    // radius 280: -0.6998; 16838.3463 - 29.2333 = 16809.11 -> 16809.
    ExpectThroughBars(out, 4, {1096.2029, 16380.0, 1096.2029}, 18512.0,
                      {140.0, 2538.5392, 11481.2679, 2538.5392, 140.0}, 16809.0);

    // From the left end: 3750 - 12 * 100 - 50 = 2500 = 100 + 16 * 150 (rest 100 >= 50: one rest
    // spacing). Span 9000 - 1200 - 1200 = 6600 = 75 + 43 * 150 + 75. The right end mirrors the left.
    ExpectInts(out, "PM001_T0101_sg_ns", {16, 43, 16});
    ExpectReals(out, "PM001_T0101_sg_as", {100.0, 75.0, 100.0}, 1e-9);
    EXPECT_EQ(Int(out, "PM001_T0101_sg_nasl"), 1);
    EXPECT_EQ(Int(out, "PM001_T0101_sg_nasr"), 1);
    // Count: line 0: 12 + 12 + 1 = 25; span 43 + 1 = 44; line 1: 12 + 12 + 1 = 25: 94. Cantilevers:
    // 3750 - 2509.3661 = 1240.63 is not below 1200, trunc((2509.3661 - 50 - 100) / 150) = 15 normal
    // stirrups stand on the taper, 16 - 15 - 1 = 0 more: n = 94.
    // Outermost full-height stirrup: from 50 + 100 by 150 to the first beyond 2509.3661: 2550
    // (13950 at the right); net 1940 - 60 = 1880: L1 = L1p = 1925.5. L2 = 1850 + 45.5 = 1895.5
    // (cos 0 = 1). TL = 1926 + 1926 + 2 * 1896 + 205.6460 = 7849.65 -> 7850.
    ExpectStirrupGroup(out, 1, {94, 1925.5, 1925.5, 1895.5, 7850.0});
    // On each taper: trunc((2509.3661 - 50 - 100) / 150) + 1 + 1 = 17 (50, 150, 300, ..., 2400).
    EXPECT_EQ(Int(out, "PM001_T0101_sg2[1]_nl"), 17);
    EXPECT_EQ(Int(out, "PM001_T0101_sg2[1]_nr"), 17);

    // Side faces: 2000 - 120 = 1880 = 115 + 11 * 150 + 115; underside at the end 843.7971 - 800
    // = 43.7971: sh1_n = 2 * trunc((1200 - 43.7971 - 60 - 115) / 150 + 1) = 2 * 7 = 14; sh2_n
    // = 22 + 2 - 14 = 10. Level 7 (y = 775) meets the slope at 60 + 68.7971 / 0.32 = 274.9911:
    // 16000.02 -> 16000; level 11 (y = 175) at 2149.9911: 12250.02 -> 12250;
    // TL = 14125 + 358.7964 -> 14484.
    EXPECT_EQ(Int(out, "PM001_T0101_sh1_n"), 14);
    EXPECT_EQ(Int(out, "PM001_T0101_sh2_n"), 10);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_Lp"), 16000.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_L"), 12250.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sh2_TL"), 14484.0);
    // End faces: 1200 - 180 = 1020: 7 spaces of 145.71 (6 of 170 lie farther): 8 + 8 bars;
    // st_a = 1100 - 925 = 175: 2200 - 350 + 31.6 + 27.8 + 18.4 = 1927.8 -> 1920; TL 2278.80 -> 2279.
    EXPECT_EQ(Int(out, "PM001_T0101_sd_nl"), 8);
    EXPECT_EQ(Int(out, "PM001_T0101_sd_n"), 16);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sd_L"), 1920.0);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sd_TL"), 2279.0);
}

// examples/piles.json: two circular columns 6000 apart, cantilevers of 2200, skewed 15 degrees,
// B = 1800, hHgl = 1600, one 1.5 % slope, end faces of 900 over variable-height parts of 1000;
// three frames at -700, 0, 700.
TEST(SamplePilesDesign, SkewedPierGetsEndZoneStirrups)
{
    DesignedSample sample("piles.json");
    ASSERT_EQ(sample.designed, 1);
    const OutputDataMap& out = sample.outputs;
    // bBg = 2200 + 6000 + 2200 = 10400; hHpl = 1600 - 900 = 700;
    // 10400 * 1600 - 1000 * 700 = 15 940 000 mm2; Vcon = 15.94 * 1.8 = 28.692 m3.
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_bBg"), 10400.0);
    EXPECT_NEAR(Real(out, "PM001_T0101_Vcon"), 28.692, 1e-9);

    // t = atan(0.7): cos 0.819232, sin 0.573462, tan(t/2) 0.315222; A = 1170.5029;
    // p1 = (60, 731.2393), p2 = (1018.9133, 60). Top: legs 1540 - 731.2393 = 808.7607, middle
    // 10280; 11897.5213 - 60.0885 = 11837.43 -> 11837. Bottom: (1018.9133 - 91.6) / 0.819232
    // = 1131.9302, 10400 - 2 * 1018.9133 = 8362.1733; leg feet through 0.960070 at radius 70:
    // -5.6869; kinks through 0.610726 at radius 280: -5.5212; 10906.0337 - 22.4161 = 10883.62 -> 10884.
    ExpectThroughBars(out, 3, {808.7607, 10280.0, 808.7607}, 11837.0,
                      {140.0, 1131.9302, 8362.1733, 1131.9302, 140.0}, 10884.0);

    // Cantilever at the frame lines y = +-(900 - 200): 2200 +- 700 tan 15 = 2387.5644 / 2012.4356.
    // trunc((2012.4356 - 1000 - 1018.9133) / 150) = trunc(-0.04) = 0; end zone LL = 2387.5644
    // - 1000 = 1387.5644: 13 spacings of 100 in 1337.5644, rest 37.5644. Span 4000 = 50 + 26 * 150 + 50.
    ExpectInts(out, "PM001_T0101_sg_ns", {0, 26, 0});
    EXPECT_EQ(Int(out, "PM001_T0101_sg_lXBns2"), 13);
    EXPECT_NEAR(Real(out, "PM001_T0101_sg_TBL"), 37.5644, 1e-4);
    // Count 20 + 26 + 1 + 20 + 1 + 1 = 69; L1 = 1540 - 60 + 45.5 = 1525.5; L2 = 1400 + 45.5 =
    // 1445.5; TL = 1526 + 1526 + 2 * 1446 + 205.6460 = 6149.65 -> 6150.
    ExpectStirrupGroup(out, 1, {69, 1525.5, 1525.5, 1445.5, 6150.0});
    // Skewed end zones (stirrups square to the axis on a skewed pier): on each taper
    // trunc((1018.9133 - 50) / 100) + 1 = 10; beyond it 0 + 13 + 1 - 10 = 4 at each end.
    // L2 = 1445.5 / cos 15 = 1496.4917; L1 = L1p = 1600 - 120 + 45.5 = 1525.5;
    // TL = 1526 + 1526 + 2 * 1496 + 205.6460 = 6249.65 -> 6250.
    EXPECT_EQ(Int(out, "PM001_T0101_sg2[1]_nl"), 10);
    EXPECT_EQ(Int(out, "PM001_T0101_sg3[1]_nl"), 4);
    EXPECT_EQ(Int(out, "PM001_T0101_sg3[1]_nr"), 4);
    EXPECT_EQ(Int(out, "PM001_T0101_sg3[1]_n"), 8);
    EXPECT_NEAR(Real(out, "PM001_T0101_sg3[1]_L2"), 1496.4917, 1e-4);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sg3[1]_TL"), 6250.0);

    // Side faces: 1480 = 140 + 8 * 150 + 140; 2 * trunc((900 - 31.2393 - 60 - 140) / 150 + 1) = 10;
    // sh2_n = 16 + 2 - 10 = 8. End faces: 900 - 180 = 720: 5 spaces of 144 (4 of 180 lie farther):
    // 6 + 6 bars; st_a = 900 - 700 = 200: (1800 - 400 + 31.6 + 27.8 + 18.4) / cos 15 = 1529.93 -> 1520.
    EXPECT_EQ(Int(out, "PM001_T0101_sh1_n"), 10);
    EXPECT_EQ(Int(out, "PM001_T0101_sh2_n"), 8);
    EXPECT_EQ(Int(out, "PM001_T0101_sd_n"), 12);
    EXPECT_DOUBLE_EQ(Real(out, "PM001_T0101_sd_L"), 1520.0);
}
