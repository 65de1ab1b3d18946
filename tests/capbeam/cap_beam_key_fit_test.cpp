// Key values that put the cap's bars outside the beam or out of order: each check at its edge, worked
// out by hand with plain bars (type 1, whose outer diameter is the nominal one).
#include "capbeam/cap_beam_key_fit.h"

#include "reported_errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Skeleton bars 28 (radius 14), stirrups 12 (6), side and end-face bars 16 (8); covers 60; frames at ±825.
CPM001_CapKeyParam SoundCap()
{
    CPM001_CapKeyParam kp;
    kp.sg_type = kp.fDistribute = kp.st_type = kp.sh_type = kp.sd_type = 1;
    kp.st_d = 28.0;
    kp.sg_d = 12.0;
    kp.sh_d = kp.sd_d = 16.0;
    kp.st_sa = kp.st_ua = 60.0;
    kp.FrameY.Add(-825.0);
    kp.FrameY.Add(825.0);
    return kp;
}

void AddRecord(CPM001_CapKeyParam& kp, int fGJJ, std::initializer_list<std::initializer_list<double>> groups)
{
    struct CPM001_CapKeyParam::FrameAr record;
    record.fGJJ = fGJJ;
    for (const auto& stations : groups) {
        CArray<CPM001_CapKeyParam::M_GJJ> group;
        for (double dx : stations) group.Add({.dx = dx});
        record.GJJ.Add(group);
    }
    kp.FrameAr.Add(record);
}

// A secondary frame record of the given name laying top cut-off bars of the given lengths, on the two frames.
void AddTopCutOff(CPM001_CapKeyParam& kp, const char* name, std::initializer_list<double> lengths)
{
    struct CPM001_CapKeyParam::FrameAr record;
    record.fGJJ = 0;
    record.name = name;
    for (double length : lengths) record.LenT.Add(length);
    kp.FrameAr.Add(record);
    kp.FrameName.RemoveAll();
    kp.FrameName.Add("N");
    kp.FrameName.Add("N");
}

TEST(CapKeyFit, EachValueIsJudgedAtTheEdgeOfWhatFits)
{
    const std::string rolled = "expected a rolled bar of at most 50 mm (51 given)";
    const struct {
        const char* name;
        void (*change)(CPM001_CapKeyParam&);
        double lWg;
        std::vector<std::string> errors;
        double tanSkew = 0.0;
    } rows[] = {
        // st_sa holds half a skeleton bar and a whole end-face bar (its axis half of it in, its surface at the end),
        // 14 + 16 = 30; st_ua half a skeleton bar and half a stirrup, 14 + 6 = 20; beside a frame stand 14 + 12 + 16
        // = 42 (side bars outside the stirrup, their surface at the side): 1734 = 2 × (825 + 42).
        {"every cover and frame just fits", [](auto& kp) { kp.st_sa = 30.0; kp.st_ua = 20.0; }, 1734.0, {}},
        {"every cover and frame 1 short", [](auto& kp) { kp.st_sa = 29.0; kp.st_ua = 19.0; }, 1732.0,
         {"cap.st_sa: puts the end-face bars (sd) outside the beam's end by 1 mm; expected at least 30 mm with st_d "
          "28 and sd_d 16 (29 given)",
          "cap.st_ua: puts the stirrups outside the beam's top and bottom by 1 mm; expected at least 20 mm with st_d "
          "28 and sg_d 12 (19 given)",
          "cap.FrameY[0]: puts the side bars (sh) outside the beam's side by 1 mm; expected from -824 to 824 mm in a "
          "cap 1732 mm wide with st_d 28, sg_d 12 and sh_d 16 (-825 given)",
          "cap.FrameY[1]: puts the side bars (sh) outside the beam's side by 1 mm; expected from -824 to 824 mm in a "
          "cap 1732 mm wide with st_d 28, sg_d 12 and sh_d 16 (825 given)"}},
        {"end-face bars inside", [](auto& kp) { kp.st_sa = 6.0; kp.fPosSdAndSt = 1; }, 2000.0, {}},
        {"no end-face bars", [](auto& kp) { kp.st_sa = 6.0; kp.fDistribute = 0; }, 2000.0, {}},
        // Side bars in the skeleton's plane leave the stirrups' 14 + 6 = 20 beside a frame: 1690 = 2 × (825 + 20).
        // Side bars 50 there reach 25 beside it with their surface.
        {"frames just fit their stirrups", [](auto& kp) { kp.fPosShAndSg = 1; }, 1690.0, {}},
        {"side bars in the skeleton's plane thicker than its stirrups reach",
         [](auto& kp) { kp.fPosShAndSg = 1; kp.sh_d = 50.0; kp.FrameY[1] = 820.0; }, 1690.0,
         {"cap.FrameY[0]: puts the side bars (sh) outside the beam's side by 5 mm; expected from -820 to 820 mm in a "
          "cap 1690 mm wide with sh_d 50 (-825 given)"}},
        {"a frame 8 m off a 2 m cap", [](auto& kp) { kp.fPosShAndSg = 1; kp.FrameY[0] = -8000.0; }, 2000.0,
         {"cap.FrameY[0]: puts the stirrups outside the beam's side by 7020 mm; expected from -980 to 980 mm in a "
          "cap 2000 mm wide with st_d 28 and sg_d 12 (-8000 given)"}},
        // A rolled bar (50: 25 + 16 = 41) leaves the cover at fault; a thicker one is named itself, once. Every bar
        // 51 with covers 50: ends 50 - 25.5 - 51 = -26.5, top 50 - 25.5 - 25.5 = -1; sides 925 - 825 - 25.5 - 51 - 51
        // = -27.5.
        {"a rolled bar in too thin a cover", [](auto& kp) { kp.st_d = 50.0; kp.st_sa = 40.0; }, 2000.0,
         {"cap.st_sa: puts the end-face bars (sd) outside the beam's end by 1 mm; expected at least 41 mm with st_d "
          "50 and sd_d 16 (40 given)"}},
        {"every bar 1 past the rolled ones",
         [](auto& kp) { kp.st_d = kp.sg_d = kp.sh_d = kp.sd_d = 51.0; kp.st_sa = kp.st_ua = 50.0; }, 1850.0,
         {"cap.st_d: puts the end-face bars (sd) outside the beam's end by 26.5 mm; " + rolled,
          "cap.sd_d: puts the end-face bars (sd) outside the beam's end by 26.5 mm; " + rolled,
          "cap.sg_d: puts the stirrups outside the beam's top and bottom by 1 mm; " + rolled,
          "cap.sh_d: puts the side bars (sh) outside the beam's side by 27.5 mm; " + rolled}},
        // Equal stations are in order; a record that lays no groups (fGJJ 0) is not read.
        {"a station below the one before it",
         [](auto& kp) { AddRecord(kp, 0, {{1100.0, 500.0}}); AddRecord(kp, 1, {{500.0, 500.0}, {1100.0, 110.0}}); },
         2000.0,
         {"cap.FrameAr[1].GJJ[1][1].dx: below the dx before it in its group; expected at least 1100 mm (110 given)"}},
        // A beam 10000 long on two support lines at 2000 and 8000. A top cut-off bar over a line at s runs from s less
        // its left length to s plus its right one: within the beam while the left length is at most s and the right
        // one at most 10000 - s.
        {"top cut-off bars reaching the beam's ends",
         [](auto& kp) { AddTopCutOff(kp, "N", {2000.0, 2500.0, 8000.0, 2000.0}); }, 2000.0, {}},
        {"top cut-off bars 1 past the beam's ends; a pair of no length and a record on no frame are no bars",
         [](auto& kp) {
             AddTopCutOff(kp, "N(A,B)", {2001.0, 2500.0, 8001.0, 2001.0});
             AddTopCutOff(kp, "N", {-9000.0, 0.0, 0.0, 0.0});
             AddTopCutOff(kp, "M", {9000.0, 0.0});
         },
         2000.0,
         {"cap.FrameAr[0].LenT[0]: puts the top cut-off bar over support line 1 past the beam's left end by 1 mm; "
          "expected at most 2000 mm, the support line's distance from that end (2001 given)",
          "cap.FrameAr[0].LenT[2]: puts the top cut-off bar over support line 2 past the beam's left end by 1 mm; "
          "expected at most 8000 mm, the support line's distance from that end (8001 given)",
          "cap.FrameAr[0].LenT[3]: puts the top cut-off bar over support line 2 past the beam's right end by 1 mm; "
          "expected at most 2000 mm, the support line's distance from that end (2001 given)"}},
        // Skewed by tan a = 0.1, frames at ±825 along the skew stand their lines 82.5 to either side. Their ends take
        // the same shift onto the first length and off the last one: the bars end where they did.
        {"along a skew the end lengths follow the lines", [](auto& kp) { AddTopCutOff(kp, "N", {2000.0, 0.0, 0.0, 2000.0}); },
         2000.0, {}, 0.1},
        {"along a skew with the lengths kept (fCapSep), the lines move alone",
         [](auto& kp) {
             AddTopCutOff(kp, "N", {2000.0, 0.0, 0.0, 2000.0});
             kp.fCapSep = 1;
         },
         2000.0,
         {"cap.FrameAr[0].LenT[0]: puts the top cut-off bar over support line 1 past the beam's left end by 82.5 mm; "
          "expected at most 1917.5 mm, the support line's distance from that end (2000 given)",
          "cap.FrameAr[0].LenT[3]: puts the top cut-off bar over support line 2 past the beam's right end by 82.5 mm; "
          "expected at most 1917.5 mm, the support line's distance from that end (2000 given)"},
         0.1},
        {"frames laid across the beam ignore the skew",
         [](auto& kp) {
             AddTopCutOff(kp, "N", {2000.0, 0.0, 0.0, 2000.0});
             kp.fCapSep = kp.st_fLayMode = 1;
         },
         2000.0, {}, 0.1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportLog::Current().Clear();
        CPM001_CapKeyParam kp = SoundCap();
        row.change(kp);
        CapAlongBeam along{10000.0, 2000.0, {}, row.tanSkew};
        along.spacings.Add(6000.0);
        const int reported = ReportKeysNotFittingCap(kp, row.lWg, along);
        EXPECT_EQ(ReportedErrors(), row.errors);
        EXPECT_EQ(reported, static_cast<int>(row.errors.size()));
    }
    ReportLog::Current().Clear();
}

} // namespace
