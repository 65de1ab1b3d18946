// The sample piers that take the less common branches of the design, designed as the host designs
// them: a square-ended cap with standard inclined bars only and one uniform stirrup layout, a
// skewed hammerhead laid out frame by frame with its stirrups along the skew, a symmetric cap on two
// columns laid out frame by frame with one bent-up bar over its whole length, and two prestressed
// caps (tendons tensioned at one end, and a symmetric layout). Every expected value is worked out
// by hand from the sample's geometry and key parameters.
#include "project_file.h"
#include "project_session.h"

#include "calc/pm001_calc.h"
#include "host/output_data.h"
#include "host/report.h"
#include "module/pier_component.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Shared by these samples: skeleton bars d 28 of HRB400 (outer w = 31.6), covers sa = ua = da = 60,
// short welded legs m = 140; stirrups d 12 of HRB400 (outer 13.9), so every stirrup leg gets
// W = 31.6 + 13.9 = 45.5; 135-degree hooks, EL = 102.8230 (bend diameter 5d, straight end 5d).

namespace {

void RegisterComponentOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { CPM001Norm::Regist(); });
}

// One sample received, diagnosed and designed; its output values as text, as `pm001 design` prints them.
class Designed {
public:
    explicit Designed(const std::string& file)
        : m_project(LoadProjectFile(std::string(PM001_SOURCE_DIR) + "/examples/" + file))
    {
        RegisterComponentOnce();
        ReportLog::Current().Clear();
        ProjectSession session(*m_project);
        const int received = session.Receive();
        const int diagnosed = session.Diagnose();
        m_designed = received == 1 && diagnosed == 1 && session.Design() == 1;
        if (m_designed) m_outputs = session.Output();
        m_reports = ReportLog::Current().Entries().size();
    }

    bool designed() const { return m_designed; }
    std::size_t reports() const { return m_reports; }

    const CBGOutputData& operator[](const std::string& key) const
    {
        static const CBGOutputData missing;
        const auto it = m_outputs.find(CString(key));
        if (it == m_outputs.end() || !it->second) {
            ADD_FAILURE() << "no output value " << key;
            return missing;
        }
        return *it->second;
    }
    double real(const std::string& key) const { return (*this)[key].doubleValue; }
    int integer(const std::string& key) const { return (*this)[key].intValue; }
    std::vector<double> reals(const std::string& key) const
    {
        const auto& list = (*this)[key].doubleList;
        return std::vector<double>(list.GetData(), list.GetData() + list.GetSize());
    }
    std::vector<int> integers(const std::string& key) const
    {
        const auto& list = (*this)[key].intList;
        return std::vector<int>(list.GetData(), list.GetData() + list.GetSize());
    }
    std::vector<std::string> texts(const std::string& key) const
    {
        std::vector<std::string> out;
        const auto& list = (*this)[key].textList;
        for (int i = 0; i < list.GetSize(); ++i) out.push_back(list[i].str());
        return out;
    }

private:
    std::unique_ptr<Project> m_project;
    bool m_designed = false;
    std::size_t m_reports = 0;
    OutputDataMap m_outputs;
};

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, double tolerance,
                const std::string& what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << what << "[" << i << "]";
}

const double kDeg = 3.141592653589793 / 180.0;

} // namespace

class BranchSample : public ::testing::TestWithParam<const char*> {};

TEST_P(BranchSample, DesignsWithoutAnyReportEntry)
{
    Designed sample(GetParam());
    EXPECT_TRUE(sample.designed());
    EXPECT_EQ(sample.reports(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Samples, BranchSample,
                         ::testing::Values("square_ends.json", "hammerhead.json", "continuous_bent_up.json",
                                           "prestressed_one_end.json", "prestressed_symmetric.json"));

// examples/square_ends.json: cap 2000 + 6500 + 2000 = 10500 long, 1800 wide, 1500 high at the ends
// as everywhere (no variable-height parts), one 2 % slope; frames at -700, 0, 700; no skew.
TEST(SampleSquareEnds, UniformStirrupLayoutSquareToTheAxis)
{
    Designed s("square_ends.json");
    ASSERT_TRUE(s.designed());
    // Layout U0 over Lc = 10500 with end value sg_a = 50 (no variable-height part) and s = 150:
    // n = floor((10500 - 2 * 50) / 150) = 69 spacings, end offset b = (10500 - 69 * 150) / 2 = 75;
    // the first stirrup stands at bMid = 0 + 75, the last at 10425: 70 stirrups, each laid once.
    EXPECT_EQ(s.integer("PM001_T0101_sg_nAns"), 69);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0101_sg_b"), 75.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0101_sg_bMid"), 75.0);
    EXPECT_EQ(s.integer("PM001_T0101_sg_lns3"), 0);   // trunc((0 + 75 + 0 - 50) / 100)
    EXPECT_EQ(s.integer("PM001_T0101_sg1[1]_n"), 70);
    // Legs: the net height 1500 - 60 - 60 = 1380, plus W, on both legs (one plane top); width over
    // the outer frames 1400 + W. TL = 1426 + 1426 + 2 * 1446 + 2 * 102.823 = 5949.6 -> 5950.
    EXPECT_DOUBLE_EQ(s.real("PM001_T0101_sg1[1]_L1"), 1425.5);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0101_sg1[1]_L1p"), 1425.5);
    EXPECT_NEAR(s.real("PM001_T0101_sg1[1]_L2"), 1445.5, 1e-9);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0101_sg1[1]_TL"), 5950.0);
}

TEST(SampleSquareEnds, OutermostInclinedBarsMeetTheEndFaceSoTheTopBarLegsAreInset)
{
    Designed s("square_ends.json");
    ASSERT_TRUE(s.designed());
    // The inclined bars 1700 from the column axes stand 300 from the ends and meet the end faces:
    // the top through bar then has short legs m = 140 inset by w (at 60 + 31.6 = 91.6 from each
    // end, middle 10500 - 2 * 91.6 = 10316.8) and the bottom bar full-height legs at the end cover
    // (1500 - 60 - 60 = 1380, middle 10500 - 2 * 60 = 10380). Each bar bends twice through a quarter
    // turn of radius 2.5 d = 70, which shortens it by 70 * pi/2 - 2 * 70 = -30.0443:
    // 10596.8 - 60.09 = 10536.7 -> 10537 and 13140 - 60.09 = 13079.9 -> 13080.
    for (int frame = 1; frame <= 3; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const std::string f = "PM001_T0101_Frame[" + std::to_string(frame) + "]_";
        ExpectNear(s.reals(f + "class[1]_1_L"), {140.0, 10316.8, 140.0}, 1e-6, "top bar");
        ExpectNear(s.reals(f + "class[1]_1_x"), {91.6, 91.6, 10408.4, 10408.4}, 1e-6, "top bar x");
        EXPECT_DOUBLE_EQ(s.real(f + "class[1]_1_sTL"), 10537.0);
        ExpectNear(s.reals(f + "class[2]_1_L"), {1380.0, 10380.0, 1380.0}, 1e-6, "bottom bar");
        EXPECT_DOUBLE_EQ(s.real(f + "class[2]_1_sTL"), 13080.0);
    }
}

TEST(SampleSquareEnds, LiveLoadsComeFromTheDeckLayout)
{
    // Live-load mode 1: the engine's loads take the deck layout's value, its three loading
    // positions with the reactions of the five bearings, and its two longitudinal positions with
    // their girders (host kind 0, T-girders, is the engine's kind 2).
    auto project = LoadProjectFile(std::string(PM001_SOURCE_DIR) + "/examples/square_ends.json");
    RegisterComponentOnce();
    ReportLog::Current().Clear();
    ProjectSession session(*project);
    ASSERT_EQ(session.Receive(), 1);
    ASSERT_EQ(session.Diagnose(), 1);
    auto* calc = dynamic_cast<CPM001Calc*>(session.Component().GetCalcData());
    ASSERT_NE(calc, nullptr);
    const CPM001Load& load = calc->GetPM001Load_org();
    EXPECT_EQ(load.LiveLoadMode, 1);
    EXPECT_DOUBLE_EQ(load.DeckValue, 0.5);
    ASSERT_EQ(load.Influences.GetSize(), 3);
    EXPECT_DOUBLE_EQ(load.Influences[0].x, -2500.0);
    EXPECT_DOUBLE_EQ(load.Influences[2].x, 2500.0);
    ASSERT_EQ(load.Influences[0].Reactions.GetSize(), 5);
    EXPECT_EQ(load.Influences[0].Reactions[0].Support.str(), "1号支座");
    EXPECT_DOUBLE_EQ(load.Influences[0].Reactions[0].Force, 420.0);
    EXPECT_DOUBLE_EQ(load.Influences[2].Reactions[4].Force, 420.0);
    ASSERT_EQ(load.DeckPositions.GetSize(), 2);
    EXPECT_DOUBLE_EQ(load.DeckPositions[1].Position, 20000.0);
    EXPECT_EQ(load.DeckPositions[0].Beam.Kind, 2);
    EXPECT_DOUBLE_EQ(load.DeckPositions[0].Beam.BeamSpacing, 2000.0);
    EXPECT_EQ(load.DeckPositions[0].Beam.BeamCount, 5);
}

// examples/hammerhead.json: one column under a cap 4250 + 4250 = 8500 long, 2000 wide and 2000
// high, ends 1000 high over variable-height parts 2500 long, one 2 % slope; skew 10 degrees; the
// key parameters lay one frame record per frame (W, N, N, W) and the stirrups along the skew in one
// uniform layout.
TEST(SampleHammerhead, UniformStirrupLayoutAlongTheSkew)
{
    Designed s("hammerhead.json");
    ASSERT_TRUE(s.designed());
    // Layout U1 over 8500 - 2 * 50 = 8400 with smallest end offset 50 and s = 150:
    // n = floor((8400 - 100) / 150) = 55, end offset Aas = (8400 - 55 * 150) / 2 = 75.
    EXPECT_EQ(s.integer("PM001_T0101_sg_nAns"), 55);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0101_sg_Aas"), 75.0);
    // The outline of the through bars lies 60 inside the bottom 0.4 slope: it meets the bottom
    // cover at dL = 2500 + (60 * sqrt(1.16) - 60) / 0.4 = 2511.55 (the bottom bar's kink).
    const double dL = 2500.0 + (60.0 * std::sqrt(1.16) - 60.0) / 0.4;
    EXPECT_NEAR(s.reals("PM001_T0101_Frame[1]_class[2]_1_x")[2], dL, 0.05);
    // Stirrups stand at 50, at 125 + 150 k (k = 0 .. 55) and at 8450: 58 positions, each counted
    // once. Those beyond dL at both ends, k = 16 .. 39, are full height: 24; the tapered parts hold
    // 50 and k = 0 .. 15 at the left, the mirror at the right: 17 + 17.
    for (int group = 1; group <= 2; ++group) {
        const std::string g = "[" + std::to_string(group) + "]_";
        EXPECT_EQ(s.integer("PM001_T0101_sg1" + g + "n"), 24) << group;
        EXPECT_EQ(s.integer("PM001_T0101_sg2" + g + "nl"), 17) << group;
        EXPECT_EQ(s.integer("PM001_T0101_sg2" + g + "nr"), 17) << group;
        EXPECT_EQ(s.integer("PM001_T0101_sg2" + g + "n"), 34) << group;
    }
    // Widths along the skew: (frame span + W) / cos 10 degrees; frames 1-4 span 1650, frames 2-3 550.
    EXPECT_NEAR(s.real("PM001_T0101_sg1[1]_L2"), (1650.0 + 45.5) / std::cos(10 * kDeg), 1e-3);
    EXPECT_NEAR(s.real("PM001_T0101_sg1[2]_L2"), (550.0 + 45.5) / std::cos(10 * kDeg), 1e-3);
}

TEST(SampleHammerhead, FramesOfOneSortValueAreWrittenTogether)
{
    Designed s("hammerhead.json");
    ASSERT_TRUE(s.designed());
    // Laid frame by frame, the frames are grouped by name: W (frames 1 and 4) and N (2 and 3).
    ExpectNear(s.reals("PM001_T0101_Frame[1]_y"), {-825.0, 825.0}, 1e-9, "W frames");
    ExpectNear(s.reals("PM001_T0101_Frame[2]_y"), {-275.0, 275.0}, 1e-9, "N frames");
    EXPECT_EQ(s.integer("PM001_T0101_st_fLayMode"), 1);
}

TEST(SampleHammerhead, EveryFrameTakesTheBarsOfItsRecordOnce)
{
    Designed s("hammerhead.json");
    ASSERT_TRUE(s.designed());
    // Schedule rows and bar counts: the top and bottom through bars (4 frames); in the W frames the
    // top cut-off bar, the bent-up bar over the column and its arc (one each in 2 frames) and the
    // two standard inclined bars (4); the N frames' top cut-off bar (2).
    EXPECT_EQ(s.integers("PM001_T0101_Frame_n"), (std::vector<int>{4, 4, 2, 2, 2, 4, 2}));
    // The bent-up bar: from the top at 4250 -/+ 600, one layer under the top cut-off bar
    // (2000 - 60 - 2 * 31.6 = 1876.8), down at 45 degrees to the bottom 60 + 31.6 above the tapered
    // bottom z = 1000 - 0.4 x: 1876.8 - 3650 + x = 1000 - 0.4 x + 91.6 sqrt(1.16) gives x = 2051.33,
    // an inclined leg of (3650 - 2051.33) sqrt 2 = 2260.9, and a welded leg of 140 along the bottom.
    const double foot = (1000.0 + 91.6 * std::sqrt(1.16) - 1876.8 + 3650.0) / 1.4;
    const double leg = (3650.0 - foot) * std::sqrt(2.0);
    ExpectNear(s.reals("PM001_T0101_Frame[1]_class[5]_1_L"), {140.0, leg, 600.0, 600.0, leg, 140.0}, 0.05, "bent-up bar");
    EXPECT_EQ(s.texts("PM001_T0101_Frame_szL4"), (std::vector<std::string>(6, "/")));
}

// examples/continuous_bent_up.json: two columns 6000 apart under a cap 2200 + 6000 + 2200 = 10400
// long, 1800 wide and 1600 high, ends 900 high over variable-height parts 1000 long (bottom
// z = 700 - 0.7 x from the left end), top level; frames W, N, N, W laid one record per name. Each
// frame has one bent-up bar over the whole beam, bending 600 from both column axes: in the W frames
// one layer under top cut-off bars 1100 + 1100 over the columns (layer top 1540 - 2 * 31.6 =
// 1476.8), in the N frames directly under the top through bar (1540 - 31.6 = 1508.4).
TEST(SampleContinuousBentUp, WholeBeamBentUpRowCarriesMirroredLabels)
{
    Designed s("continuous_bent_up.json");
    ASSERT_TRUE(s.designed());
    // Symmetric cap, sections II III II, every frame record reads the same from both ends.
    EXPECT_EQ(s.integer("PM001_T0101_fSymmetry"), 1);

    // One bar of a layer top zL: in a cantilever it falls at 45 degrees from the bend at
    // 2200 - 600 = 1600 to the line 91.6 (bottom bar + one bar) above the tapered bottom,
    // zL - 1600 + x = 700 - 0.7 x + 91.6 sqrt(1.49); then 600 + 600 over the column; in the span it
    // falls from 2800 to the bottom layer 91.6, runs along it, and rises to 7600.
    const auto segments = [](double zL) {
        const double foot = (700.0 + 91.6 * std::sqrt(1.49) - zL + 1600.0) / 1.7;
        const double cantilever = (1600.0 - foot) * std::sqrt(2.0);
        const double drop = zL - 91.6;
        const double span = drop * std::sqrt(2.0);
        const double bottom = 6000.0 - 2.0 * 600.0 - 2.0 * drop;
        return std::vector<double>{140.0, cantilever, 600.0, 600.0, span, bottom,
                                   span, 600.0, 600.0, cantilever, 140.0};
    };
    const std::vector<double> outer = segments(1476.8);   // 1484.9, 1959.0, 2029.6
    const std::vector<double> inner = segments(1508.4);   // 1511.2, 2003.7, 1966.4
    ExpectNear(s.reals("PM001_T0101_Frame[1]_class[5]_1_L"), outer, 0.05, "W frames");
    ExpectNear(s.reals("PM001_T0101_Frame[2]_class[5]_1_L"), inner, 0.05, "N frames");

    // Marks: top and bottom through bars, the top cut-off bar, the bent-up bar (one in each of the
    // 4 frames), the arcs over the columns (8). The bent-up row numbers its differing segments in
    // the left half L1, L2, L3; the right half repeats them mirrored instead of going on to L5.
    EXPECT_EQ(s.texts("PM001_T0101_Frame_R"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(s.integers("PM001_T0101_Frame_n"), (std::vector<int>{4, 4, 4, 4, 8}));
    EXPECT_EQ(s.texts("PM001_T0101_Frame_szL4"),
              (std::vector<std::string>{"/", "L1", "/", "/", "L2", "L3", "L2", "/", "/", "L1", "/"}));

    // Cut length: each bar's polygon plus its eight bends of radius 280 (r * a - 2 r tan(a / 2)):
    // six of 45 degrees, -12.0481 each, and two where the cantilever leg meets the tapered bottom,
    // 45 degrees + atan 0.7, -78.9146 each: 11367.25 (W) -> 11367 and 11446.00 (N) -> 11446; the
    // row takes their mean over the four bars, 11406.5 -> 11407.
    double bends = 0.0;
    for (double turn : {45.0 * kDeg, 45.0 * kDeg, 45.0 * kDeg, 45.0 * kDeg, 45.0 * kDeg, 45.0 * kDeg,
                        45.0 * kDeg + std::atan(0.7), 45.0 * kDeg + std::atan(0.7)})
        bends += 280.0 * turn - 2.0 * 280.0 * std::tan(turn / 2.0);
    double outerLength = bends;
    double innerLength = bends;
    for (double v : outer) outerLength += v;
    for (double v : inner) innerLength += v;
    const double mean = (std::trunc(outerLength + 0.5) + std::trunc(innerLength + 0.5)) / 2.0;
    EXPECT_DOUBLE_EQ(s.reals("PM001_T0101_Frame_TL")[3], std::floor(mean + 0.5));
    EXPECT_DOUBLE_EQ(s.reals("PM001_T0101_Frame_TL")[3], 11407.0);
}

// examples/prestressed_one_end.json: cap 16500 long, 2000 high with square ends, 2200 wide, one 2 %
// slope; N1 (2 at +-550) tensioned at the left end only, N2 (2 at +-550, over N1 in plan) at the
// right end only, V-shaped with a sharp node at mid-length; N3 (2 at +-200, flat ducts 90 x 22)
// anchored at 2000 and 14500, tensioned at both ends; jacks YCW250 and YCW150 with 700 working length.
TEST(SamplePrestressedOneEnd, OneEndTendonLengths)
{
    Designed s("prestressed_one_end.json");
    ASSERT_TRUE(s.designed());
    // N2: from 2000 - 600 = 1400 above the bottom at both ends down to 400 at 8250, two straight
    // pieces of sqrt(8250^2 + 1000^2) = 8310.38 each, rounded 8310; the working length at the
    // tensioned (right) end only: 16620 + 700 = 17320; the duct 16620.
    ExpectNear(s.reals("PM001_T0104_Steel[2]_L"), {8310.38, 8310.38}, 0.01, "N2 pieces");
    EXPECT_EQ(s.integer("PM001_T0104_Steel[2]_PT"), 2);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[2]_cl_ELL"), 0.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[2]_cl_ELR"), 700.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[2]_cl_TL"), 17320.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[2]_cl_BL"), 16620.0);
    EXPECT_EQ(s.integer("PM001_T0104_Steel[2]_cl_MLPT"), 1);   // the left end is not tensioned
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[2]_Mn"), 1.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[2]_Mng"), 1.0);
    // N1, tensioned at the left: the working length at the left only.
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[1]_cl_ELL"), 700.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_Steel[1]_cl_ELR"), 0.0);
    // The flat duct size, width first; the round one by its inner diameter.
    EXPECT_EQ(s.texts("PM001_T0104_B_Bnh_Bnw"), (std::vector<std::string>{"90*22"}));
}

TEST(SamplePrestressedOneEnd, PlanGroupsAndSectionCuts)
{
    Designed s("prestressed_one_end.json");
    ASSERT_TRUE(s.designed());
    // Across the width: -1100, -550, -200, 200, 550, 1100.
    ExpectNear(s.reals("PM001_T0104_Ps"), {550.0, 350.0, 400.0, 350.0, 550.0}, 1e-9, "Ps");
    // Tendon ends at 0, 2000, 14500, 16500 cut the plan into three groups. N1 and N2 lie over each
    // other: the first round takes only N3 (alone in Q2); the next pass takes N1 in Q1 (with N2
    // still over it) and N2 in Q2.
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_QH[1]_L"), 2000.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_QH[2]_L"), 12500.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_QH[3]_L"), 2000.0);
    EXPECT_EQ(s.texts("PM001_T0104_QH[1]_SR"), (std::vector<std::string>{"N1", "N2"}));
    EXPECT_EQ(s.texts("PM001_T0104_QH[2]_SR"), (std::vector<std::string>{"N1", "N2", "N3"}));
    EXPECT_EQ(s.texts("PM001_T0104_QH[1]_SDR"), (std::vector<std::string>{"N1"}));
    EXPECT_EQ(s.texts("PM001_T0104_QH[1]_Roverlap[1]"), (std::vector<std::string>{"N2"}));
    EXPECT_EQ(s.texts("PM001_T0104_QH[2]_SDR"), (std::vector<std::string>{"N3", "N2"}));
    EXPECT_TRUE(s.texts("PM001_T0104_QH[3]_SDR").empty());
    // Left ends not tensioned only at the right: 0 (N1) and 2000 (N3); right ends likewise 16500
    // (N2) and 14500 (N3): a left and a right cut, each through the 2000 high end.
    ExpectNear(s.reals("PM001_T0104_fmxl"), {2000.0}, 1e-9, "fmxl");
    ExpectNear(s.reals("PM001_T0104_fmxr"), {2000.0}, 1e-9, "fmxr");
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_HD[1]_hD"), 2000.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_HD[3]_hD"), 2000.0);
}

TEST(SamplePrestressedOneEnd, SquareEndsWithoutInclinedBarsAtTheEndFaces)
{
    Designed s("prestressed_one_end.json");
    ASSERT_TRUE(s.designed());
    // No bar meets an end face: the top through bar stands on full-height legs at the end cover
    // (2000 - 60 - 60 = 1880, middle 16500 - 2 * 60), the bottom bar on short legs m = 140 inset by
    // w (middle 16500 - 2 * 91.6 = 16316.8).
    for (int frame = 1; frame <= 4; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const std::string f = "PM001_T0101_Frame[" + std::to_string(frame) + "]_";
        ExpectNear(s.reals(f + "class[1]_1_L"), {1880.0, 16380.0, 1880.0}, 1e-6, "top bar");
        ExpectNear(s.reals(f + "class[2]_1_L"), {140.0, 16316.8, 140.0}, 1e-6, "bottom bar");
        ExpectNear(s.reals(f + "class[2]_1_x"), {91.6, 91.6, 16408.4, 16408.4}, 1e-6, "bottom bar x");
    }
}

// examples/prestressed_symmetric.json: the same cap, symmetric, with the symmetric-layout option;
// N1 from end to end, N2 from 2000 to 14500, both tensioned at both ends and mirror images of
// themselves.
TEST(SamplePrestressedSymmetric, PlanGroupsAreCountedOverHalfTheBeam)
{
    Designed s("prestressed_symmetric.json");
    ASSERT_TRUE(s.designed());
    // Groups of 2000, 12500 and 2000; counted over 16500 / 2 = 8250: the second group, with which
    // the sum passes 8250, is shortened to 8250 - 2000 = 6250; the third keeps its length and
    // takes no tendon. Q1 takes N1, Q2 takes N2.
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_QH[1]_L"), 2000.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_QH[2]_L"), 6250.0);
    EXPECT_DOUBLE_EQ(s.real("PM001_T0104_QH[3]_L"), 2000.0);
    EXPECT_EQ(s.texts("PM001_T0104_QH[1]_SDR"), (std::vector<std::string>{"N1"}));
    EXPECT_EQ(s.texts("PM001_T0104_QH[2]_SDR"), (std::vector<std::string>{"N2"}));
    EXPECT_TRUE(s.texts("PM001_T0104_QH[3]_SDR").empty());
}
