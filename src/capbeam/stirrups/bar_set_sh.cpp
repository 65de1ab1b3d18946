// CPM001T0101Atom::SetshData: the side-face bars "sh", laid in levels over the cap beam's height.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/stirrups/bar_counts.h"
#include "common/bar_sizes.h"
#include "common/bar_spacing.h"
#include "common/cut_length.h"
#include "common/is_equal.h"
#include "geometry/line_intersection.h"
#include "geometry/point_distance.h"
#include "host/report.h"

#include <algorithm>

using CapBeamBarCounts::RoundLength;
using CapBeamBarCounts::TruncCount;
using KVDataCommon::IsEqual;

namespace {

using Atom = CPM001T0101Atom;

// Outline points that bound the sloped undersides: 1-2 left, 3-4 right; 0-1 and 4-5 are the end faces.
constexpr int kLeftEndFace = 0;
constexpr int kLeftSlope = 1;
constexpr int kRightSlope = 3;
constexpr int kRightEndFace = 4;

// The messages of one shortened level, by the edge its line misses.
struct LevelErrors {
    const char* leftSlope;
    const char* rightSlope;
    const char* leftFace;
    const char* rightFace;
};

bool Fail(const char* message)
{
    QMReportError(message, 0);
    return false;
}

// The side bars cannot be laid because the count published under key would fall below zero.
bool ReportCountBelowZero(const char* key)
{
    CString message;
    message.Format("计算错误：梁端高度内无法布置侧面钢筋，%s小于0，请检查", key);
    return Fail(message.GetString());
}

// No level fits between the top and the bottom skeleton bars.
constexpr const char* kNoLevel = "计算错误：盖梁高度内无法布置侧面钢筋层，请检查";

int ReportFailure(const char* message)
{
    QMReportError(message, 0);
    return 0;
}

// Intersection of the line through p and q with the outline's edge from point edge to edge + 1.
bool Meet(const Atom& atom, const CDblPoint& p, const CDblPoint& q, int edge, CDblPoint& hit)
{
    CDblPointArray out;
    XLineLine(p, q, atom.PYXTCJpa1[edge], atom.PYXTCJpa1[edge + 1], out, 3);
    if (out.GetSize() == 0) return false;
    hit = out[0];
    return true;
}

// Allowance of one bar: it lies beside the skeleton bar, both measured to their outer faces.
double Allowance(const Atom& atom)
{
    return KVDataCommon::wd(atom.st.d, atom.st.type) + KVDataCommon::wd(atom.sh.d, atom.sh.type);
}

// Where the line p-q leaves the beam at the underside: on the sloped edges, or on an end face when
// it passes below the sloped edge's outer end.
bool UndersideEnds(const Atom& atom, const CDblPoint& p, const CDblPoint& q, const CDblPoint& pr, const CDblPoint& qr,
                   const LevelErrors& errors, CDblPoint& left, CDblPoint& right)
{
    const auto& outline = atom.PYXTCJpa1;
    if (!Meet(atom, p, q, kLeftSlope, left)) return Fail(errors.leftSlope);
    if (!Meet(atom, pr, qr, kRightSlope, right)) return Fail(errors.rightSlope);
    if (left.x < outline[kLeftSlope].x && !Meet(atom, p, q, kLeftEndFace, left)) return Fail(errors.leftFace);
    if (right.x > outline[kRightEndFace].x && !Meet(atom, pr, qr, kRightEndFace, right))
        return Fail(errors.rightFace);
    return true;
}

// Straight levels: the bar at level j, cut by the sloped undersides.
bool StraightShortLength(const Atom& atom, int j, const LevelErrors& errors, double& length)
{
    const auto& sh = atom.sh;
    const CDblPoint p(0.0, sh.HL - atom.st.ua - j * sh.s - sh.as);
    const CDblPoint q(atom.bBg, sh.HR - atom.st.ua - j * sh.s - sh.as);
    CDblPoint left, right;
    if (!UndersideEnds(atom, p, q, p, q, errors, left, right)) return false;
    length = RoundLength(KVDataCommon::distance(left, right) + Allowance(atom));
    return true;
}

// Levels along the two top slopes: the bar at level j bends at the crown K.
CDblPoint CrownPoint(const Atom& atom, int j)
{
    const auto& sh = atom.sh;
    return CDblPoint(atom.bAc, sh.HM - atom.st.ua - j * sh.sm);
}

double ProfileLength(const Atom& atom, int j)
{
    const auto& sh = atom.sh;
    const CDblPoint p(atom.st.sa, sh.HL - atom.st.ua - j * sh.sl);
    const CDblPoint q(atom.bBg - atom.st.sa, sh.HR - atom.st.ua - j * sh.sr);
    const CDblPoint k = CrownPoint(atom, j);
    return KVDataCommon::distance(p, k) + KVDataCommon::distance(k, q);
}

// The bar at level j along the slopes, cut by the sloped undersides. Where the crown lies beyond
// one of the cuts, the bar stays on the other slope's line and has no bend.
bool ProfileShortLength(const Atom& atom, int j, const LevelErrors& errors, double& length)
{
    const auto& sh = atom.sh;
    const CDblPoint p(0.0, sh.HL - atom.st.ua - j * sh.sl);
    const CDblPoint q(atom.bBg, sh.HR - atom.st.ua - j * sh.sr);
    const CDblPoint k = CrownPoint(atom, j);
    CDblPoint left, right;
    if (!UndersideEnds(atom, p, k, k, q, errors, left, right)) return false;
    bool straight = false;
    if (k.x < left.x) {
        if (!Meet(atom, q, k, kLeftSlope, left)) return Fail("计算错误2008083101");
        straight = true;
    }
    if (k.x > right.x) {
        if (!Meet(atom, k, p, kRightSlope, right)) return Fail("计算错误2008083102");
        straight = true;
    }
    const double run = straight ? KVDataCommon::distance(left, right)
                                : KVDataCommon::distance(left, k) + KVDataCommon::distance(k, right);
    length = RoundLength(run + Allowance(atom));
    return true;
}

// Keeps the counts of the two sub-kinds. levels is the number of bars the layout lays over the
// beam's height, one per side face at each level. The counts at the end faces reach down to the
// end faces' underside, which may lie below the lowest level (a taper that drops less than the
// end distance of the levels): the full-length bars are then the levels there are and no bar is
// shortened. A count below 0 means the end faces are too low for the levels laid over the
// beam's height: no bar can be laid there, and no negative count is kept.
bool SetCounts(CapBeamRecords::ShDataSet& sh, int full, int levels)
{
    full = std::min(full, levels);
    const int shortened = levels - full;
    if (full < 0) return ReportCountBelowZero("PM001_T0101_sh1_n");
    if (shortened < 0) return ReportCountBelowZero("PM001_T0101_sh2_n");
    sh.sh1_n = full;
    sh.sh2_n = shortened;
    return true;
}

} // namespace

int CPM001T0101Atom::SetshData()
{
    // Bars at a level spacing that is not positive cannot be laid (and the counts would divide by it).
    if (!(sh.s > 0.0)) return ReportFailure("计算错误：侧面钢筋间距必须大于0，请检查");
    const bool variable = !IsEqual(bBpl, 0.0) || !IsEqual(bBpr, 0.0);
    if (variable && PYXTCJpa1.GetSize() < 6)
        return ReportFailure("计算错误：变高度段的钢筋轮廓点不足，无法布置侧面钢筋，请检查");

    // Inside the stirrups beside the skeleton, or in the skeleton's own plane.
    if (fPosShAndSg == 0)
        sh.a = st.a - KVDataCommon::wd(st.d, st.type) / 2.0 - KVDataCommon::wd(sg.d, sg.type) -
               KVDataCommon::wd(sh.d, sh.type) / 2.0;
    else sh.a = st.a;
    sh.fLayMode = fCrossContour == 0 ? 1 : 0;

    if (IsEqual(iLb, -iRb)) {
        sh.HL = sh.HR = hHgl;
    } else {
        sh.HL = hHgl - bAc * iLb;
        sh.HR = hHgl - (bBg - bAc) * iRb;
    }
    sh.HM = hHgl;

    // Levels lie between the top and the bottom skeleton bars; without height between them none can.
    if (!(hHgl - st.ua - st.da > 0.0)) return ReportFailure(kNoLevel);
    if (sh.fLayMode == 0) {
        KVDataCommon::BJ4(hHgl - (st.ua + st.da), sh.Min, sh.s, sh.ns, sh.as);
        sh.sm = sh.sl = sh.sr = sh.s;
    } else {
        KVDataCommon::BJ1(sh.HM - st.ua - st.da, sh.s, sh.Min, sh.Max, sh.ns, sh.sm);
    }
    // Straight levels at the spacing s need no space between them: a beam too low for one spacing
    // gets the single level (one bar per face). Levels along the slopes divide the end heights by
    // the number of spaces, so they need at least one.
    if (sh.fLayMode != 0) {
        if (sh.ns <= 0) return ReportFailure(kNoLevel);
        sh.sl = (sh.HL - st.ua - st.da) / sh.ns;
        sh.sr = (sh.HR - st.ua - st.da) / sh.ns;
        if (!(sh.sl > 0.0) || !(sh.sr > 0.0))
            return ReportFailure("计算错误：盖梁端部高度内无法布置侧面钢筋层，请检查");
    }

    if (sh.type == 1) {
        sh.alf = 3.1415927;
        sh.RG = 3.5 * sh.d / 2.0;
        sh.EL = KVDataCommon::WG1(sh.d, sh.type, KVDataCommon::DEGRE_180);
    } else {
        sh.alf = 1.57079635;
        sh.EL = KVDataCommon::WG1(sh.d, sh.type, KVDataCommon::DEGRE_90);
    }

    ++nMark;
    sh.sh1_R.Format("%d", nMark);
    if (variable) sh.sh2_R = sh.sh1_R + "a";

    // Height of the underside's rise at the end faces, below the sloped parts (variable-height ends only).
    const double yL = variable ? PYXTCJpa1[1].y - hHpl : 0.0;
    const double yR = variable ? PYXTCJpa1[4].y - hHpr : 0.0;
    const double allowance = Allowance(*this);

    if (sh.fLayMode == 0) {
        int nl = 0, nr = 0;
        if (variable) {
            nl = 2 * TruncCount((hXbl - yL - st.ua - sh.as) / sh.s + 1.0);
            nr = 2 * TruncCount((hXbr - yR - st.ua - sh.as) / sh.s + 1.0);
        } else {
            nl = 2 * TruncCount((hXbl - st.ua - st.da - 2.0 * sh.as) / sh.s + 1.0);
            nr = 2 * TruncCount((hXbr - st.ua - st.da - 2.0 * sh.as) / sh.s + 1.0);
        }
        const int full = std::min(nl, nr);
        if (!SetCounts(sh, full, 2 * sh.ns + 2)) return 0;
        sh.sh1_L = RoundLength(bBg - 2.0 * st.sa + allowance);
        sh.sh1_Lp = sh.sh1_L;
        if (variable && sh.sh2_n > 0) {
            const LevelErrors highest{"计算错误2008083101", "计算错误2008083102", "计算错误20080831011",
                                      "计算错误20080831021"};
            const LevelErrors lowest{"计算错误2008083103", "计算错误2008083104", "计算错误20080831011",
                                     "计算错误20080831021"};
            if (!StraightShortLength(*this, sh.sh1_n / 2, highest, sh.sh2_Lp)) return 0;
            if (!StraightShortLength(*this, sh.sh1_n / 2 - 1 + sh.sh2_n / 2, lowest, sh.sh2_L)) return 0;
        }
    } else {
        int nl = 0, nr = 0;
        if (variable) {
            nl = TruncCount((hXbl - yL - st.ua) / sh.sl);
            nr = TruncCount((hXbr - yR - st.ua) / sh.sr);
        } else {
            nl = TruncCount((hXbl - st.ua - st.da) / sh.sl + 0.5) - 1;
            nr = TruncCount((hXbr - st.ua - st.da) / sh.sr + 0.5) - 1;
        }
        const int full = 2 * std::min(nl, nr);
        if (!SetCounts(sh, full, 2 * sh.ns - 2)) return 0;
        sh.sh1_Lp = RoundLength(ProfileLength(*this, 1) + allowance);
        sh.sh1_L = RoundLength(ProfileLength(*this, sh.sh1_n / 2) + allowance);
        if (variable && sh.sh2_n > 0) {
            const LevelErrors highest{"计算错误2008083101", "计算错误2008083102", "计算错误20080831012",
                                      "计算错误20080831022"};
            const LevelErrors lowest{"计算错误2008083103", "计算错误2008083104", "计算错误20080831031",
                                     "计算错误20080831041"};
            if (!ProfileShortLength(*this, sh.sh1_n / 2 + 1, highest, sh.sh2_Lp)) return 0;
            if (!ProfileShortLength(*this, sh.sh1_n / 2 + sh.sh2_n / 2, lowest, sh.sh2_L)) return 0;
        }
    }

    // Both cut lengths are published; without variable-height parts, or when no level is shortened,
    // the shortened bars keep their lengths of 0, so theirs is the two hooks alone.
    sh.sh1_TL = KVCTL((sh.sh1_L + sh.sh1_Lp) / 2.0 + 2.0 * sh.EL);
    sh.sh2_TL = KVCTL((sh.sh2_L + sh.sh2_Lp) / 2.0 + 2.0 * sh.EL);
    return 1;
}
