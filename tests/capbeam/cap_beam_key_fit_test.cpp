// Key values that put the cap's bars outside the beam or out of order: each check at its edge, worked
// out by hand with plain bars (type 1, whose outer diameter is the nominal one).
#include "capbeam/cap_beam_key_fit.h"

#include "host/report.h"
#include "reported_errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Bar = CPM001_CapKeyParam::M_GJJ;

// A cap 2000 wide. Skeleton bars 28 (radius 14), stirrups 12, side and end-face bars 16 (radius
// 8), all plain; covers 60; frames at ±825. The end-face bars stand 60 - 14 - 8 = 38 inside the end,
// the stirrups' axis 60 - 14 - 6 = 40 inside the top and bottom, the side bars' axis
// 1000 - 825 - 14 - 12 - 8 = 141 inside the sides.
CPM001_CapKeyParam SoundCap()
{
    CPM001_CapKeyParam kp;
    kp.fDistribute = 1;
    kp.st_d = 28.0;
    kp.st_type = 1;
    kp.st_sa = 60.0;
    kp.st_ua = 60.0;
    kp.sg_d = 12.0;
    kp.sg_type = 1.0;
    kp.sh_d = 16.0;
    kp.sh_type = 1;
    kp.sd_d = 16.0;
    kp.sd_type = 1;
    kp.FrameY.Add(-825.0);
    kp.FrameY.Add(825.0);
    return kp;
}

void SetFrameY(CPM001_CapKeyParam& kp, std::initializer_list<double> ys)
{
    kp.FrameY.RemoveAll();
    for (double y : ys) kp.FrameY.Add(y);
}

void AddRecord(CPM001_CapKeyParam& kp, int fGJJ, std::initializer_list<std::initializer_list<double>> groups)
{
    struct CPM001_CapKeyParam::FrameAr record;
    record.fGJJ = fGJJ;
    for (const auto& stations : groups) {
        CArray<Bar> group;
        for (double dx : stations) {
            Bar bar;
            bar.dx = dx;
            group.Add(bar);
        }
        record.GJJ.Add(group);
    }
    kp.FrameAr.Add(record);
}

struct Row {
    const char* name;
    std::function<void(CPM001_CapKeyParam&)> change;
    double lWg;
    std::vector<std::string> errors;
};

TEST(CapKeyFit, EachValueIsJudgedAtTheEdgeOfWhatFits)
{
    const std::string rolled = "expected a rolled bar of at most 50 mm";
    const std::vector<Row> rows = {
        {"the sound cap", [](auto&) {}, 2000.0, {}},
        // End-face bars: st_sa holds half a skeleton bar and half an end-face bar, 14 + 8.
        {"end cover just fits", [](auto& kp) { kp.st_sa = 22.0; }, 2000.0, {}},
        {"end cover 1 short", [](auto& kp) { kp.st_sa = 21.0; }, 2000.0,
         {"cap.st_sa: puts the end-face bars (sd) outside the beam's end by 1 mm; expected at least 22 mm with st_d "
          "28 and sd_d 16 (21 given)"}},
        {"end-face bars inside the skeleton",
         [](auto& kp) {
             kp.st_sa = 6.0;
             kp.fPosSdAndSt = 1;
         },
         2000.0, {}},
        {"no end-face bars",
         [](auto& kp) {
             kp.st_sa = 6.0;
             kp.fDistribute = 0;
         },
         2000.0, {}},
        // A rolled bar (50: radius 25) leaves the cover at fault; a thicker one is named itself.
        {"a rolled bar in too thin a cover",
         [](auto& kp) {
             kp.st_d = 50.0;
             kp.st_sa = 32.0;
         },
         2000.0,
         {"cap.st_sa: puts the end-face bars (sd) outside the beam's end by 1 mm; expected at least 33 mm with st_d "
          "50 and sd_d 16 (32 given)"}},
        {"a skeleton bar thicker than any rolled bar",
         [](auto& kp) {
             kp.st_d = 52.0;
             kp.st_sa = 33.0;
         },
         2000.0, {"cap.st_d: puts the end-face bars (sd) outside the beam's end by 1 mm; " + rolled + " (52 given)"}},
        // Stirrups: st_ua holds half a skeleton bar and half a stirrup, 14 + 6.
        {"top cover just fits", [](auto& kp) { kp.st_ua = 20.0; }, 2000.0, {}},
        {"top cover 1 short", [](auto& kp) { kp.st_ua = 19.0; }, 2000.0,
         {"cap.st_ua: puts the stirrups outside the beam's top and bottom by 1 mm; expected at least 20 mm with st_d "
          "28 and sg_d 12 (19 given)"}},
        // Every bar 100 on a cap 1200 wide with frames at ±500: ends 60 - 50 - 50, top 60 - 50 - 50,
        // sides 100 - 50 - 100 - 50; each diameter named once.
        {"every bar 100 on a narrow cap",
         [](auto& kp) {
             kp.st_d = kp.sg_d = kp.sh_d = kp.sd_d = 100.0;
             SetFrameY(kp, {-500.0, 500.0});
         },
         1200.0,
         {"cap.st_d: puts the end-face bars (sd) outside the beam's end by 40 mm; " + rolled + " (100 given)",
          "cap.sd_d: puts the end-face bars (sd) outside the beam's end by 40 mm; " + rolled + " (100 given)",
          "cap.sg_d: puts the stirrups outside the beam's top and bottom by 40 mm; " + rolled + " (100 given)",
          "cap.sh_d: puts the side bars (sh) outside the beam's side by 100 mm; " + rolled + " (100 given)"}},
        // Frames: the side bars need 14 + 12 + 8 beside the frame, on either side.
        {"outer frames just fit", [](auto& kp) { SetFrameY(kp, {-966.0, 0.0, 966.0}); }, 2000.0, {}},
        {"outer frames 1 out on both sides", [](auto& kp) { SetFrameY(kp, {-967.0, 0.0, 967.0}); }, 2000.0,
         {"cap.FrameY[0]: puts the side bars (sh) outside the beam's side by 1 mm; expected from -966 to 966 mm in a "
          "cap 2000 mm wide with st_d 28, sg_d 12 and sh_d 16 (-967 given)",
          "cap.FrameY[2]: puts the side bars (sh) outside the beam's side by 1 mm; expected from -966 to 966 mm in a "
          "cap 2000 mm wide with st_d 28, sg_d 12 and sh_d 16 (967 given)"}},
        // Side bars in the skeleton's plane: only the stirrup, 14 + 6, stands beside the frame.
        {"frame just fits its stirrup",
         [](auto& kp) {
             kp.fPosShAndSg = 1;
             SetFrameY(kp, {-980.0});
         },
         2000.0, {}},
        {"a frame 8 m off a 2 m cap",
         [](auto& kp) {
             kp.fPosShAndSg = 1;
             SetFrameY(kp, {-8000.0});
         },
         2000.0,
         {"cap.FrameY[0]: puts the stirrups outside the beam's side by 7020 mm; expected from -980 to 980 mm in a "
          "cap 2000 mm wide with st_d 28 and sg_d 12 (-8000 given)"}},
        // Bar stations of a group: equal ones are in order; a record that lays no groups is not read.
        {"stations in order", [](auto& kp) { AddRecord(kp, 1, {{500.0, 1100.0}, {500.0, 500.0, 1900.0}}); }, 2000.0,
         {}},
        {"a station below the one before it",
         [](auto& kp) {
             AddRecord(kp, 0, {{1100.0, 500.0}});
             AddRecord(kp, 1, {{500.0, 1100.0}, {500.0, 1100.0, 110.0}});
         },
         2000.0,
         {"cap.FrameAr[1].GJJ[1][2].dx: below the dx before it in its group; expected at least 1100 mm (110 given)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ReportLog::Current().Clear();
        CPM001_CapKeyParam kp = SoundCap();
        row.change(kp);
        const int reported = ReportKeysNotFittingCap(kp, row.lWg);
        EXPECT_EQ(ReportedErrors(), row.errors);
        EXPECT_EQ(reported, static_cast<int>(row.errors.size()));
    }
    ReportLog::Current().Clear();
}

} // namespace
