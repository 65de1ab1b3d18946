// Key values that put the cap's bars outside the beam or out of order: each check at its edge, worked
// out by hand with plain bars (type 1, whose outer diameter is the nominal one).
#include "capbeam/cap_beam_key_fit.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "reported_errors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

// Skeleton bars 28 (radius 14), stirrups 12 (6), side and end-face bars 16 (8); covers 60; frames at ±825;
// spacings 150; welded legs 280, room for welds on both sides of bars up to 56; outermost stirrups 50 from the ends.
CPM001_CapKeyParam SoundCap()
{
    CPM001_CapKeyParam kp;
    kp.sg_type = kp.fDistribute = kp.st_type = kp.sh_type = kp.sd_type = 1;
    kp.st_d = 28.0;
    kp.sg_d = 12.0;
    kp.sh_d = kp.sd_d = 16.0;
    kp.st_sa = kp.st_ua = 60.0;
    kp.sg_s = kp.sg_s3 = kp.sh_s = kp.sd_Min = kp.sd_Max = 150.0;
    kp.st_LstWeld = 280.0, kp.st_fWeld = 1, kp.sg_a = 50.0;
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

// Every length that places steel at the edge of what can be built, or a step past it, in a beam 10000 long, 1800
// high at the crown, its taller end face 1000: spacings from the bar (12, 16) to what they divide; frames of 28 mm bars
// 28 apart; welded end legs of the short weld 70 (2.5 × 28, both sides) or 140 (5 × 28, one side), shorter than the
// full weld 140 or 280 (10 × 28), which bar stations and cut-off bars hold; the outermost stirrups 6 from the end;
// bends half the 2.5 × 28 = 70 an HPB300 bar is bent round; top bars (1000 - 28) / 2 = 486 into the section 1000 high
// at its least; end legs short of the right end's first support line, 1500 from it. Ducts 87 (round) and 77 (flat, 72×22)
// across reach 1000 - 43.5 = 956.5 and 1000 - 38.5 = 961.5 from the centre line of a cap 2000 wide, a duct apart.
void BuildableAtEdge(CPM001_CapKeyParam& kp, double past, int fWeld)
{
    const double weld = fWeld == 0 ? 280.0 : 140.0;
    kp.sg_s = kp.Ldis = 12.0 - past, kp.sh_s = kp.sd_Min = 16.0 - past;
    kp.sg_Max = kp.Cdis = 10000.0 + past, kp.sh_Max = 1800.0 + past, kp.sd_Max = 1000.0 + past;
    kp.SBtype = 1, kp.SBd = 12.0, kp.FrameY[1] = -797.0 - past, kp.sg_a = 6.0 - past;
    kp.st_ua = 486.0 + past, kp.st_sa = 1499.0 + past;
    kp.st_fWeld = fWeld, kp.st_LstWeld = weld / 2.0 - past;
    AddRecord(kp, 1, {{weld - past}});
    AddTopCutOff(kp, "N", {weld / 2.0, weld / 2.0 - past});
    kp.KeyLen1 = 400.0, kp.st_fCalculateLarc = 1, kp.KeyLen2 = kp.st_LeadPointR = 35.0 - past;
    const std::pair<const char*, std::vector<double>> tendons[] = {
        {"金属波纹管D80", {-956.5 - past, -869.5 - 2.0 * past, 956.5 + past}}, {"塑料扁波纹管72×22", {961.5, 884.5 + past}}};
    for (const auto& [duct, positions] : tendons) {
        struct CPM001_CapKeyParam::SteelAr tendon;
        tendon.BseriesIndex = duct;
        for (double y : positions) tendon.Y.Add(y);
        kp.SteelAr.Add(tendon);
    }
}

// Whether a row's cells name the key a line reports, by its last name: "cap.FrameAr[1].LenT[3]: …" by `LenT[2c + 1]`.
bool RowNamesKey(const BuildableLimitRow& row, const std::string& line)
{
    std::smatch key;
    return std::regex_search(line, key, std::regex(R"((\w+)(\[[^\]]*\])*:)")) &&
           std::regex_search(std::string(row.keys) + row.limit, std::regex("[`.]" + key[1].str() + "[`\\[]"));
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
        std::pair<double, double> cantilevers = {2000.0, 1500.0};  // left, right
        std::pair<double, double> kinks = {0.0, 0.0};              // the tapered ends', from the left and the right end
    } rows[] = {
        // st_sa holds half a skeleton bar and a whole end-face bar (its axis half of it in, its surface at the end),
        // 14 + 16 = 30; st_ua half a skeleton bar and half a stirrup, 14 + 6 = 20; beside a frame stand 14 + 12 + 16
        // = 42 (side bars outside the stirrup, their surface at the side): 1734 = 2 × (825 + 42). The outermost
        // stirrups stay short of each end's first support line, the nearer one 1500 from the right end.
        {"every cover, frame and end distance just fits",
         [](auto& kp) { kp.st_sa = 30.0, kp.st_ua = 20.0, kp.sg_a = 1499.0; }, 1734.0, {}},
        {"every cover, frame and end distance 1 out",
         [](auto& kp) { kp.st_sa = 29.0, kp.st_ua = 19.0, kp.sg_a = 1500.0; }, 1732.0,
         {"cap.st_sa: puts the end-face bars (sd) outside the beam's end by 1 mm; expected at least 30 mm with st_d "
          "28 and sd_d 16 (29 given)",
          "cap.st_ua: puts the stirrups outside the beam's top and bottom by 1 mm; expected at least 20 mm with st_d "
          "28 and sg_d 12 (19 given)",
          "cap.FrameY[0]: puts the side bars (sh) outside the beam's side by 1 mm; expected from -824 to 824 mm in a "
          "cap 1732 mm wide with st_d 28, sg_d 12 and sh_d 16 (-825 given)",
          "cap.FrameY[1]: puts the side bars (sh) outside the beam's side by 1 mm; expected from -824 to 824 mm in a "
          "cap 1732 mm wide with st_d 28, sg_d 12 and sh_d 16 (825 given)",
          "cap.sg_a: puts the outermost stirrups (sg) at or past the first support line from the right end; expected "
          "below 1500 mm, that line's distance from the end (1500 given)"}},
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
        // A rolled bar (50: 25 + 16 = 41) leaves the cover at fault; a thicker one is named itself, once. Every bar 51
        // with covers 50: ends 50 - 25.5 - 51 = -26.5, top 50 - 25.5 - 25.5 = -1; sides 925 - 825 - 25.5 - 102 = -27.5.
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
        {"every length that places steel, and every duct, at the edge of what can be built, welds on both sides",
         [](auto& kp) { BuildableAtEdge(kp, 0.0, 1); }, 2000.0, {}},
        {"every length that places steel, and every duct, 1 past it, welds on one side",
         [](auto& kp) { BuildableAtEdge(kp, 1.0, 0); }, 2000.0,
         {"cap.sg_Max: spaces the stirrups (sg) farther apart than the beam's length; expected at most 10000 mm (10001 given)",
          "cap.sg_s: lays the stirrups (sg) closer than they are thick; expected at least 12 mm, the outer diameter of "
          "sg_d 12 (11 given)",
          "cap.sh_Max: spaces the side bars (sh) farther apart than the beam's height; expected at most 1800 mm (1801 given)",
          "cap.sh_s: lays the side bars (sh) closer than they are thick; expected at least 16 mm, the outer diameter of "
          "sh_d 16 (15 given)",
          "cap.sd_Min: lays the end-face bars (sd) closer than they are thick; expected at least 16 mm, the outer "
          "diameter of sd_d 16 (15 given)",
          "cap.sd_Max: spaces the end-face bars (sd) farther apart than the taller end face's height; expected at most "
          "1000 mm (1001 given)",
          "cap.Ldis: lays the bars along the tendons closer than they are thick; expected at least 12 mm, the outer "
          "diameter of SBd 12 (11 given)",
          "cap.Cdis: spaces the bars along the tendons farther apart than the beam's length; expected at most 10000 mm "
          "(10001 given)",
          "cap.FrameY[1]: lays frame 2 27 mm from frame 1 (FrameY[0]); expected frames at least 28 mm apart, the outer "
          "diameter of st_d 28 (-798 given)",
          "cap.st_LstWeld: makes the welded end legs shorter than the short weld between the skeleton's bars; "
          "expected at least 140 mm, a weld on one side of 5 × st_d 28 (139 given)",
          "cap.FrameAr[0].GJJ[0][0].dx: welds its bar on closer to the support line than one weld; expected at least "
          "280 mm, a weld on one side of 10 × st_d 28 (279 given)",
          "cap.FrameAr[1].LenT[0]: with the length after it lays a top cut-off bar 279 mm long, shorter than one weld; "
          "expected the two at least 280 mm, a weld on one side of 10 × st_d 28 (140 given)",
          "cap.sg_a: puts the outermost stirrups (sg) outside the beam's end by 1 mm; expected at least 6 mm with sg_d "
          "12 (5 given)",
          "cap.KeyLen2: bends the arcs of the bent-up bars tighter than the bars can be bent; expected 0 (a sharp bend) "
          "or at least 35 mm, half the bend diameter of st_d 28 of st_type 1 (34 given)",
          "cap.st_LeadPointR: bends the kinks of the through bars tighter than the bars can be bent; expected 0 (a "
          "sharp bend) or at least 35 mm, half the bend diameter of st_d 28 of st_type 1 (34 given)",
          "cap.st_ua: puts the top bars below the middle of the section where it is least high by 1 mm; expected at "
          "most 486 mm, so that twice it and the 28 mm outer diameter of st_d 28 fit the section's 1000 mm height at station "
          "0 (487 given)",
          "cap.st_sa: puts the skeleton's end legs at or past the first support line from the right end; expected below "
          "1500 mm, that line's distance from the end (1500 given)",
          "cap.SteelAr[0].Y[0]: puts the tendon's duct outside the beam's side by 1 mm; expected from -956.5 to 956.5 "
          "mm in a cap 2000 mm wide with a duct 87 mm across (-957.5 given)",
          "cap.SteelAr[0].Y[1]: lays the tendon's duct into that of the tendon at Y[0] (-957.5 mm); expected at least "
          "87 mm from it, the duct's size across (-871.5 given)",
          "cap.SteelAr[0].Y[2]: puts the tendon's duct outside the beam's side by 1 mm; expected from -956.5 to 956.5 "
          "mm in a cap 2000 mm wide with a duct 87 mm across (957.5 given)",
          "cap.SteelAr[1].Y[1]: lays the tendon's duct into that of the tendon at Y[0] (961.5 mm); expected at least "
          "77 mm from it, the duct's size across (885.5 given)"},
         0.0, {2000.0, 1500.0}, {1600.0, 1600.0}},  // the support line, nearer than the kinks, named
        // A weld of 10 × 25 = 250 on one side lowered to end legs of 200, which hold the short weld 5 × 25 = 125.
        {"welds lowered to the welded end legs", [](auto& kp) {
             kp.st_d = 25.0, kp.st_fWeld = 0, kp.st_LstWeld = 200.0, AddRecord(kp, 1, {{199.0, 200.0}});
         }, 2000.0,
         {"cap.FrameAr[0].GJJ[0][0].dx: welds its bar on closer to the support line than one weld; expected at least "
          "200 mm, a weld on one side of 10 × st_d 25 lowered to st_LstWeld (199 given)"}},
        // Welds on both sides of 5 × 28 = 140 lowered to end legs of 100: a station or cut-off pair of 100 is welded on, 99 not.
        {"bar stations and cut-off bars held to the weld laid, lowered", [](auto& kp) {
             kp.st_LstWeld = 100.0, AddRecord(kp, 1, {{100.0}, {99.0}}), AddTopCutOff(kp, "N", {50.0, 50.0, 50.0, 49.0});
         }, 2000.0,
         {"cap.FrameAr[0].GJJ[1][0].dx: welds its bar on closer to the support line than one weld; expected at least "
          "100 mm, a weld on both sides of 5 × st_d 28 lowered to st_LstWeld (99 given)",
          "cap.FrameAr[1].LenT[2]: with the length after it lays a top cut-off bar 99 mm long, shorter than one weld; "
          "expected the two at least 100 mm, a weld on both sides of 5 × st_d 28 lowered to st_LstWeld (50 given)"}},
        // Each value at the largest that fits (BuildableAtEdge's bounds; cut-off bars above): no judge outside the table refuses it.
        {"every value at the largest that fits", [](auto& kp) {
             kp.sg_fenG = 1, kp.sg_s = kp.sg_s2 = kp.sg_s3 = kp.sg_Min = kp.sg_Max = kp.Ldis = kp.Cdis = kp.st_LstWeld = 10000.0;
             kp.sh_s = kp.sh_Min = kp.sh_Max = 1800.0, kp.sd_Min = kp.sd_Max = 1000.0, kp.SBtype = 1, kp.SBd = 12.0;
             kp.SteelAr.Add({}), kp.st_ua = 486.0, kp.st_sa = kp.sg_a = 1499.0, AddRecord(kp, 1, {{10000.0}});
             kp.KeyLen1 = 400.0, kp.st_fCalculateLarc = 1, kp.KeyLen2 = kp.st_LeadPointR = 10000.0;
         }, 2000.0, {}},
        // Support lines 4250 from the ends take end legs of 1800, however short a hammerhead's bottom between its tapers
        // of 2500; tapers of 1000 take 999, the left kink named where both are as near, else the one there is.
        {"end legs short of the support lines", [](auto& kp) { kp.st_sa = 1800.0; }, 2000.0, {}, 0.0, {4250.0, 4250.0}, {2500.0, 2500.0}},
        {"end legs just short of the kinks", [](auto& kp) { kp.st_sa = 999.0; }, 2000.0, {}, 0.0, {4250.0, 4250.0}, {1000.0, 1000.0}},
        {"end legs past the kinks", [](auto& kp) { kp.st_sa = 1500.0; }, 2000.0,
         {"cap.st_sa: puts the skeleton's end legs at or past the left tapered part's kink; expected below 1000 mm, the "
          "kink's distance from that end (1500 given)"}, 0.0, {4250.0, 4250.0}, {1000.0, 1000.0}},
        {"end legs at the right end's only kink", [](auto& kp) { kp.st_sa = 1200.0; }, 2000.0,
         {"cap.st_sa: puts the skeleton's end legs at or past the right tapered part's kink; expected below 1200 mm, the "
          "kink's distance from that end (1200 given)"}, 0.0, {2000.0, 1500.0}, {0.0, 1200.0}},
        // Not judged: a spacing of a part not laid, or of 0 bounding nothing (SoundCap's); a bend not laid or sharp.
        {"what is not laid, or bounds nothing", [](auto& kp) {
             kp.fDistribute = 0, kp.sg_fLayMode = kp.st_fCalculateLarc = 1;
             kp.sd_Min = kp.sd_Max = kp.sg_s3 = kp.sg_s2 = kp.Ldis = kp.KeyLen2 = 1.0;
         }, 2000.0, {}},
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
        CapAlongBeam along{10000.0, row.cantilevers.first, {}, row.tanSkew, 1800.0, 1000.0, row.cantilevers.second, 1000.0, 0.0,
                           row.kinks.first, row.kinks.second};
        along.spacings.Add(6000.0);
        std::vector<int> rowOfEach;
        const int fitting = ReportKeysNotFittingCap(kp, row.lWg, along, {}, &rowOfEach);
        const int reported = fitting + ReportTendonsNotFittingCap(kp, row.lWg);
        EXPECT_EQ(ReportedErrors(), row.errors);
        EXPECT_EQ(reported, static_cast<int>(row.errors.size()));
        // Each line the key fit reports was judged by a row of its table, whose cells name the key.
        for (int i = 0; i < fitting && i < static_cast<int>(ReportedErrors().size()); ++i)
            EXPECT_TRUE(rowOfEach[i] >= 0 && RowNamesKey(BuildableLimitRows()[rowOfEach[i]], ReportedErrors()[i]))
                << ReportedErrors()[i];
    }
    ReportLog::Current().Clear();
}

// A kink stands its tapered part's length from the end where the underside rises, not shifted along the skew as the
// support lines are: a tapered part of no rise has none (nor has the token step of a square end, as the samples hold).
TEST(CapKeyFit, KinksAreThoseOfEndsWhoseUndersideRises)
{
    CPM001T0101Atom cap;
    cap.bBg = 10000.0, cap.bBpl = 1000.0, cap.bBpr = 830.0, cap.hHpr = 510.0, cap.a = 0.1, cap.PMorPT = 1, cap.vP = 1000.0;
    EXPECT_EQ(std::make_pair(CapAlongBeamOf(cap, 0).leftKink, CapAlongBeamOf(cap, 0).rightKink), std::make_pair(0.0, 830.0));
}

// The table "What can be built" of docs/key-parameters.md lists each limit the key fit holds, its keys and limit as the
// code declares them, in the order judged: a limit added or changed in the code alone fails here.
TEST(CapKeyFit, TheDocumentedLimitsAreTheOnesJudged)
{
    std::ifstream page(std::string(PM001_SOURCE_DIR) + "/docs/key-parameters.md");
    std::string line;
    while (std::getline(page, line) && line != "### What can be built") {}
    const std::regex row(R"(^\| (.+?) \| (.+?) \| .*\|$)");
    std::vector<std::pair<std::string, std::string>> documented, judged;
    for (std::smatch cells; std::getline(page, line) && !line.starts_with("#");)
        if (std::regex_match(line, cells, row) && cells[1] != "key" && cells[1] != "---") documented.emplace_back(cells[1], cells[2]);
    for (const BuildableLimitRow& limit : BuildableLimitRows()) judged.emplace_back(limit.keys, limit.limit);
    EXPECT_EQ(documented, judged);
}

} // namespace
