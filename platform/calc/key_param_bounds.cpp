// The key parameters' values checked for what they mean: the values no cap can be built with.

#include "calc/key_param_bounds.h"

#include "calc/key_path.h"
#include "calc/key_value_message.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// Reinforcing bars are rolled up to 50 mm (GB/T 1499.2-2018, the sizes of the bar helpers' table),
// 57 mm at most anywhere (ASTM A615 #18), threaded bars up to 75 mm: no cap is built with a bar
// thicker than 100 mm.
constexpr double kMaxBarDiameter = 100.0;

// A cap beam carries a deck across its width, some tens of metres at most: every length, distance,
// spacing and position of its key parameters lies within 10 km, and a bend of a larger radius turns
// a bar or a tendon by less than a degree over a whole cap. Far past that, sums and products of
// lengths overflow.
constexpr double kMaxLength = 1e7;

// What a value means and the values that mean it: low to high, each end included or not.
struct Bound {
    const char* what;
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;
    const char* unit;

    bool Holds(double v) const
    {
        // Written so that a value that is not a number holds no bound.
        return (lowIncluded ? v >= low : v > low) && (highIncluded ? v <= high : v < high);
    }
};

constexpr Bound kDiameter{"a diameter", 0.0, false, kMaxBarDiameter, true, " mm"};
constexpr Bound kDiameterOrZero{"a diameter", 0.0, true, kMaxBarDiameter, true, " mm"};
constexpr Bound kLength{"a length", 0.0, true, kMaxLength, true, " mm"};
constexpr Bound kPositiveLength{"a length", 0.0, false, kMaxLength, true, " mm"};
constexpr Bound kDistance{"a distance", 0.0, true, kMaxLength, true, " mm"};
constexpr Bound kRadius{"a radius", 0.0, true, kMaxLength, true, " mm"};
constexpr Bound kSpacing{"a spacing", 0.0, false, kMaxLength, true, " mm"};
constexpr Bound kSpacingOrZero{"a spacing", 0.0, true, kMaxLength, true, " mm"};
constexpr Bound kPosition{"a position", -kMaxLength, true, kMaxLength, true, " mm"};
constexpr Bound kInclination{"an angle", 0.0, false, std::numbers::pi / 2.0, false, " rad"};
constexpr Bound kStressFraction{"a fraction", 0.0, false, 1.0, true, ""};
constexpr Bound kModulus{"a modulus", 0.0, true, kNoLimit, true, " MPa"};
// The sibling modules judge their own values; a part a pier has no member for holds 0.
constexpr Bound kSiblingDiameter{"a diameter", 0.0, true, kNoLimit, true, " mm"};
constexpr Bound kSiblingSpacing{"a spacing", 0.0, true, kNoLimit, true, " mm"};

// A bound, whole or to five digits.
std::string BoundText(double v)
{
    char text[64];
    const bool whole = std::fabs(v) < 1e15 && v == std::trunc(v);
    const auto end = whole ? std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 0).ptr
                           : std::to_chars(text, text + sizeof text, v, std::chars_format::general, 5).ptr;
    return std::string(text, end);
}

std::string Expected(const Bound& b)
{
    const std::string low = BoundText(b.low);
    const std::string high = BoundText(b.high);
    std::string range;
    if (b.high == kNoLimit) range = (b.lowIncluded ? "of at least " : "above ") + low;
    else if (b.lowIncluded) range = "from " + low + " to " + high;
    else range = "above " + low + (b.highIncluded ? " and at most " : " and below ") + high;
    return std::string("expected ") + b.what + " " + range + b.unit;
}


// Carries the message of the first value out of bounds out of the walk.
struct Unbuildable {
    std::string message;
};

// when: the condition under which the bound applies (" when …"), or "".
[[noreturn]] void Refuse(double v, const Bound& b, const KeyPath& at, const char* when = "")
{
    throw Unbuildable{KeyValueMessage(at.Path(), Expected(b) + when, v)};
}

[[noreturn]] void RefuseCount(int n, const KeyPath& at)
{
    throw Unbuildable{at.Path() + ": expected a count of at least 0 (" + std::to_string(n) + " given)"};
}

void Check(double v, const Bound& b, const KeyPath& parent, const char* key, const char* when = "")
{
    if (!b.Holds(v)) Refuse(v, b, KeyPath(parent, key), when);
}

void CheckEach(const CArray<double>& list, const Bound& b, const KeyPath& parent, const char* key)
{
    for (int i = 0; i < list.GetSize(); ++i)
        if (!b.Holds(list[i])) Refuse(list[i], b, KeyPath(KeyPath(parent, key), i));
}

void CheckCount(int n, const KeyPath& parent, const char* key)
{
    if (n < 0) RefuseCount(n, KeyPath(parent, key));
}

void CheckCounts(const CArray<int>& list, const KeyPath& parent, const char* key)
{
    for (int i = 0; i < list.GetSize(); ++i)
        if (list[i] < 0) RefuseCount(list[i], KeyPath(KeyPath(parent, key), i));
}

// A value a feature lays with only when it is on (condition: " when …"): laid then, otherwise.
void CheckWhen(bool on, const char* condition, double v, const Bound& laid, const Bound& otherwise, const KeyPath& parent,
               const char* key)
{
    Check(v, on ? laid : otherwise, parent, key, on ? condition : "");
}

void CheckFrames(const CPM001_CapKeyParam& cap, const KeyPath& at)
{
    CheckEach(cap.FrameY, kPosition, at, "FrameY");
    const KeyPath frames(at, "FrameAr");
    for (int i = 0; i < cap.FrameAr.GetSize(); ++i) {
        const auto& frame = cap.FrameAr[i];
        const KeyPath record(frames, i);
        const KeyPath groups(record, "GJJ");
        for (int g = 0; g < frame.GJJ.GetSize(); ++g) {
            const KeyPath group(groups, g);
            for (int e = 0; e < frame.GJJ[g].GetSize(); ++e) Check(frame.GJJ[g][e].dx, kDistance, KeyPath(group, e), "dx");
        }
        CheckEach(frame.LenT, kLength, record, "LenT");
        CheckEach(frame.LenB, kLength, record, "LenB");
    }
}

void CheckTendons(const CPM001_CapKeyParam& cap, const KeyPath& at)
{
    const KeyPath tendons(at, "SteelAr");
    for (int i = 0; i < cap.SteelAr.GetSize(); ++i) {
        const auto& tendon = cap.SteelAr[i];
        const KeyPath record(tendons, i);
        CheckCount(tendon.n, record, "n");
        CheckEach(tendon.Y, kPosition, record, "Y");
        const KeyPath nodes(record, "Node");
        for (int k = 0; k < tendon.Node.GetSize(); ++k) {
            const KeyPath node(nodes, k);
            Check(tendon.Node[k].X, kPosition, node, "X");
            Check(tendon.Node[k].refZ, kDistance, node, "refZ");
            Check(tendon.Node[k].R, kRadius, node, "R");
        }
        Check(tendon.PC, kStressFraction, record, "PC");
        Check(tendon.cl_ES, kModulus, record, "cl_ES");
    }
    const KeyPath names(at, "ZLName");
    for (int i = 0; i < cap.ZLName.GetSize(); ++i) CheckCount(cap.ZLName[i].n, KeyPath(names, i), "n");
    CheckWhen(!cap.SteelAr.IsEmpty(), " when tendons are given", cap.SBd, kDiameter, kDiameterOrZero, at, "SBd");
    Check(cap.Ldis, kSpacingOrZero, at, "Ldis");   // above 0 with tendons: the agreement check
    Check(cap.Cdis, kSpacingOrZero, at, "Cdis");
}

void CheckCap(const CPM001_CapKeyParam& cap, const KeyPath& at)
{
    Check(cap.st_d, kDiameter, at, "st_d");
    Check(cap.st_ua, kDistance, at, "st_ua");
    Check(cap.st_sa, kDistance, at, "st_sa");
    Check(cap.st_angle, kInclination, at, "st_angle");
    Check(cap.st_LstWeld, kPositiveLength, at, "st_LstWeld");
    Check(cap.st_LeadPointR, kRadius, at, "st_LeadPointR");
    Check(cap.KeyLen1, kDistance, at, "KeyLen1");
    Check(cap.KeyLen2, kRadius, at, "KeyLen2");
    // WeldArcR: outside 25 to 500 the design takes 5 × st_d, with a warning.

    CheckFrames(cap, at);

    Check(cap.sg_d, kDiameter, at, "sg_d");
    Check(cap.sg_a, kDistance, at, "sg_a");
    Check(cap.sg_Min, kSpacingOrZero, at, "sg_Min");
    Check(cap.sg_Max, kSpacingOrZero, at, "sg_Max");
    Check(cap.sg_s, kSpacing, at, "sg_s");
    CheckWhen(cap.sg_fenG == 1, " when sg_fenG is 1", cap.sg_s2, kSpacing, kSpacingOrZero, at, "sg_s2");
    CheckWhen(cap.sg_fLayMode == 0, " when sg_fLayMode is 0", cap.sg_s3, kSpacing, kSpacingOrZero, at, "sg_s3");
    CheckCounts(cap.sg_lns2, at, "sg_lns2");
    CheckCounts(cap.sg_rns2, at, "sg_rns2");

    Check(cap.sh_d, kDiameter, at, "sh_d");
    Check(cap.sh_Min, kSpacingOrZero, at, "sh_Min");
    Check(cap.sh_Max, kSpacingOrZero, at, "sh_Max");
    Check(cap.sh_s, kSpacing, at, "sh_s");

    const bool endFaces = cap.fDistribute != 0;
    const char* const whenEndFaces = " when fDistribute is on";
    CheckWhen(endFaces, whenEndFaces, cap.sd_d, kDiameter, kDiameterOrZero, at, "sd_d");
    CheckWhen(endFaces, whenEndFaces, cap.sd_Min, kSpacing, kSpacingOrZero, at, "sd_Min");
    CheckWhen(endFaces, whenEndFaces, cap.sd_Max, kSpacing, kSpacingOrZero, at, "sd_Max");

    CheckTendons(cap, at);
}

void CheckMesh(const BarMeshKeyParam& p, const KeyPath& at)
{
    Check(p.barDiameter, kSiblingDiameter, at, "barDiameter");
    Check(p.barSpacing, kSiblingSpacing, at, "barSpacing");
}

void CheckTied(const TiedMemberKeyParam& p, const KeyPath& at)
{
    Check(p.mainBarDiameter, kSiblingDiameter, at, "mainBarDiameter");
    CheckCount(p.barsAcross, at, "barsAcross");
    CheckCount(p.barsAlong, at, "barsAlong");
    Check(p.stirrupDiameter, kSiblingDiameter, at, "stirrupDiameter");
    Check(p.stirrupSpacing, kSiblingSpacing, at, "stirrupSpacing");
}

void CheckSpiral(const SpiralMemberKeyParam& p, const KeyPath& at)
{
    Check(p.mainBarDiameter, kSiblingDiameter, at, "mainBarDiameter");
    CheckCount(p.mainBarCount, at, "mainBarCount");
    Check(p.spiralDiameter, kSiblingDiameter, at, "spiralDiameter");
    Check(p.spiralPitch, kSiblingSpacing, at, "spiralPitch");
}

void CheckTieBeams(const CPG008KeyParam& p, const KeyPath& at)
{
    Check(p.mainBarDiameter, kSiblingDiameter, at, "mainBarDiameter");
    CheckCount(p.topBarCount, at, "topBarCount");
    CheckCount(p.bottomBarCount, at, "bottomBarCount");
    Check(p.stirrupDiameter, kSiblingDiameter, at, "stirrupDiameter");
    Check(p.stirrupSpacing, kSiblingSpacing, at, "stirrupSpacing");
}

}  // namespace

std::string FindUnbuildableKeyValue(const CPM001KeyParam& keyParam, const std::string& root)
{
    try {
        const KeyPath at(root);
        CheckCap(keyParam.CapKeyParam, KeyPath(at, "cap"));
        CheckTied(keyParam.RectColumnKeyParam, KeyPath(at, "rectColumns"));
        CheckSpiral(keyParam.CircleColumnKeyParam, KeyPath(at, "circleColumns"));
        CheckTieBeams(keyParam.TieBeamKeyParam, KeyPath(at, "tieBeams"));
        CheckMesh(keyParam.FootingKeyParam, KeyPath(at, "footing"));
        const KeyPath piles(at, "pileFoundation");
        CheckSpiral(keyParam.PileFoundationKeyParam.TransitionKeyParam, KeyPath(piles, "transition"));
        CheckTieBeams(keyParam.PileFoundationKeyParam.TieBeamKeyParam, KeyPath(piles, "tieBeams"));
        const KeyPath pileCap(at, "pileCap");
        CheckMesh(keyParam.PileCapKeyParam.RectKeyParam, KeyPath(pileCap, "rectBody"));
        CheckMesh(keyParam.PileCapKeyParam.ArcKeyParam, KeyPath(pileCap, "arcBody"));
        CheckSpiral(keyParam.PileCapKeyParam.TransitionKeyParam, KeyPath(pileCap, "transition"));
        CheckTied(keyParam.PileCapKeyParam.JointKeyParam, KeyPath(pileCap, "joint"));
        const KeyPath pedestals(at, "stopperPedestal");
        CheckCount(keyParam.StopperPedestalKeyParam.nFrontPedestalMesh, pedestals, "nFrontPedestalMesh");
        CheckCount(keyParam.StopperPedestalKeyParam.nBackPedestalMesh, pedestals, "nBackPedestalMesh");
        return {};
    } catch (const Unbuildable& e) {
        return e.message;
    }
}
