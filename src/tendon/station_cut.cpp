// CPM001T010401Atom::GetXPtPr and GetXHD: cutting the tendons with a vertical plane at a station,
// one tendon at a time and all together into a section record.
#include "tendon/design_object.h"

#include "common/is_equal.h"
#include "geometry/line_arc_intersection.h"
#include "geometry/line_intersection.h"
#include "host/report.h"
#include "tendon/dimension_chain.h"

#include <cmath>
#include <limits>
#include <set>
#include <vector>

using KVDataCommon::IsEqual;
using pm001_tendon::AppendGaps;
using pm001_tendon::ChainOrder;
using pm001_tendon::SortDistinct;

namespace {

using M_Steel = CPM001T010401Atom::M_Steel;
using M_SteelFD = CPM001T010401Atom::M_SteelFD;
using M_HD = CPM001T010401Atom::M_HD;

// The vertical through station x, as two of its points.
CDblPoint VerticalFoot(double x) { return CDblPoint(x, 0.0); }
CDblPoint VerticalHead(double x) { return CDblPoint(x, 1000.0); }

// a is left of b or equal to it within the library's tolerance (and the mirror form).
bool AtOrBelow(double a, double b) { return a < b || IsEqual(a, b); }
bool AtOrAbove(double a, double b) { return a > b || IsEqual(a, b); }

// The profile pieces of one tendon as the cut reads them. Only inner nodes carry fillets (the
// corner of a fillet needs a node on both sides), and fillet m owns tangent points 2m and 2m + 1.
// A fillet the pieces do not hold (a tendon without pieces, or lists shorter than the nodes ask
// for) is crossed nowhere, so the cut reports it instead of reading past a list.
class ProfileCut {
public:
    ProfileCut(const M_Steel& steel, const M_SteelFD* pieces, double x)
        : m_steel(steel), m_pieces(pieces), m_foot(VerticalFoot(x)), m_head(VerticalHead(x))
    {
    }

    int NodeCount() const { return m_steel.LNode.GetSize(); }
    CDblPoint Node(int k) const { return CDblPoint(m_steel.LNode[k].X, m_steel.LNode[k].Z); }
    int Class(int k) const { return m_steel.LNode[k].property; }
    bool HasFillet(int k) const
    {
        return k > 0 && k < NodeCount() - 1 && !IsEqual(m_steel.LNode[k].R, 0.0);
    }
    // Number of fillets at the nodes 0 .. k.
    int FilletsUpTo(int k) const
    {
        int m = 0;
        for (int i = 0; i <= k; ++i)
            if (HasFillet(i)) ++m;
        return m;
    }
    // The last stretch reads the last tangent point and the last arc the pieces hold.
    int TangentPointCount() const { return m_pieces ? m_pieces->TanPts.GetSize() : 0; }
    int ArcCount() const { return m_pieces ? m_pieces->CenPts.GetSize() : 0; }

    bool HasTangentPoint(int i) const { return m_pieces && i >= 0 && i < m_pieces->TanPts.GetSize(); }
    // Tangent point i; a point the pieces do not hold lies nowhere (NaN), so no comparison with
    // it holds and no crossing is found through it.
    CDblPoint TangentPoint(int i) const
    {
        if (!HasTangentPoint(i)) {
            const double nowhere = std::numeric_limits<double>::quiet_NaN();
            return CDblPoint(nowhere, nowhere);
        }
        return m_pieces->TanPts[i];
    }

    void CrossStraight(const CDblPoint& q1, const CDblPoint& q2)
    {
        QM_MathTool::XLineLine(m_foot, m_head, q1, q2, m_crossings, 3);
    }
    void CrossArc(int m)
    {
        if (!m_pieces || m < 0 || m >= m_pieces->CenPts.GetSize() || m >= m_pieces->ArcR.GetSize() ||
            m >= m_pieces->ArcStart.GetSize() || m >= m_pieces->ArcSweep.GetSize())
            return;
        const CDblPoint& centre = m_pieces->CenPts[m];
        QM_MathTool::XLineArc(m_foot, m_head, centre.x, centre.y, m_pieces->ArcR[m], m_pieces->ArcStart[m],
                              m_pieces->ArcSweep[m], m_crossings, 1);
    }

    const CDblPointArray& Crossings() const { return m_crossings; }

private:
    const M_Steel& m_steel;
    const M_SteelFD* m_pieces;
    CDblPoint m_foot;
    CDblPoint m_head;
    CDblPointArray m_crossings;
};

// Puts values of every tendon met at x whose label one of the layer lists holds into a chain
// across the width, between the two side faces -B/2 and +B/2, and appends its gaps to chain.
void AppendWidthChain(const std::vector<const M_Steel*>& met, std::initializer_list<const CStringArray*> layers,
                      double width, DblArray& chain)
{
    std::vector<std::set<CString>> labels;
    for (const CStringArray* layer : layers) labels.emplace_back(layer->begin(), layer->end());
    DblArray across;
    across.Add(-width / 2.0);
    for (const M_Steel* steel : met) {
        for (const std::set<CString>& layer : labels) {
            if (layer.count(steel->R) != 0) across.Append(steel->Y);
        }
    }
    across.Add(width / 2.0);
    if (across.GetSize() > 2) SortDistinct(across, ChainOrder::Increasing);
    AppendGaps(across, ChainOrder::Increasing, chain);
}

} // namespace

// Status of the tendon at station x: -1 outside it; 0 and 1 on its first and last stretch; 2 and
// 3 on a straight piece running with the top or with the bottom face; 4 on a fillet arc; 5 on
// any other inner straight piece. The level of a piece is judged by its depths below the top
// face against half the height of the first (left) section. When the vertical crosses no piece
// the cut is reported and 0 is returned with y and label untouched.
int CPM001T010401Atom::GetXPtPr(M_Steel* steel, M_SteelFD* pieces, double x, double& y, CString& label)
{
    if (!steel) return -1;
    ProfileCut cut(*steel, pieces, x);
    const int n = cut.NodeCount();
    if (n == 0) return -1;
    const double xFirst = steel->LNode[0].X;
    const double xLast = steel->LNode[n - 1].X;
    if (x < xFirst || x > xLast) return -1;

    const double halfH0 = SectionHD[0].hD / 2.0;
    const bool oneSlope = IsEqual(iLb, -iRb) != 0;
    auto depth = [this](const CDblPoint& p) { return GetFame_XZ(p.x) - p.y; };

    int status = 0;
    if (n < 2) {
        // A single node has no piece to cross.
    } else if (x < steel->LNode[1].X || IsEqual(x, steel->LNode[1].X)) {
        // First stretch.
        const CDblPoint n0 = cut.Node(0);
        if (!cut.HasFillet(1)) {
            const CDblPoint n1 = cut.Node(1);
            cut.CrossStraight(n0, n1);
            const double d0 = depth(n0), d1 = depth(n1);
            if (n0.x <= bAc && bAc <= n1.x && !IsEqual(bAc, n1.x) && !oneSlope) status = 0;
            else if (IsEqual(d0, d1) && d0 < halfH0) status = 2;
            else if (IsEqual(n0.y, n1.y) && AtOrAbove(d0, halfH0)) status = 3;
            else status = 0;
        } else {
            const CDblPoint t = cut.TangentPoint(0);
            if (AtOrAbove(t.x, x)) {
                cut.CrossStraight(n0, t);
                const double d0 = depth(n0), d1 = depth(t);
                const bool sameDepth = IsEqual(d0, d1), level = IsEqual(t.y, n0.y);
                if (!IsEqual(n0.x, bAc) && n0.x <= bAc && bAc <= t.x && !IsEqual(t.x, bAc) && !oneSlope) status = 0;
                else if (sameDepth && level) status = d0 < halfH0 ? 2 : 3;
                else if (sameDepth) status = 2;
                else if (level) status = 3;
                else status = 0;
            } else {
                cut.CrossArc(0);
                status = 4;
            }
        }
    } else if (x > steel->LNode[n - 2].X || IsEqual(x, steel->LNode[n - 2].X)) {
        // Last stretch.
        const CDblPoint nl = cut.Node(n - 1);
        CDblPoint start;
        bool crownInside = false;
        bool straight = true;
        if (!cut.HasFillet(n - 2)) {
            start = cut.Node(n - 2);
            crownInside = start.x <= bAc && !IsEqual(start.x, bAc);
        } else {
            start = cut.TangentPoint(cut.TangentPointCount() - 1);
            if (AtOrBelow(start.x, x)) crownInside = start.x < bAc;
            else straight = false;
        }
        if (straight) {
            cut.CrossStraight(start, nl);
            crownInside = crownInside && nl.x >= bAc && !IsEqual(nl.x, bAc);
            const double d0 = depth(start), d1 = depth(nl);
            const bool sameDepth = IsEqual(d0, d1), level = IsEqual(start.y, nl.y);
            if (crownInside && !oneSlope) status = 1;
            else if (sameDepth && level) status = d0 < halfH0 ? 2 : 3;
            else if (sameDepth) status = 2;
            else if (level) status = 3;
            else status = 1;
        } else {
            cut.CrossArc(cut.ArcCount() - 1);
            status = 4;
        }
    } else {
        // Inner stretch: the first node interval that holds x.
        for (int j = 1; j < n - 1; ++j) {
            const double xj = steel->LNode[j].X, xNext = steel->LNode[j + 1].X;
            if (!(xj < x && AtOrBelow(x, xNext))) continue;
            const int m = cut.FilletsUpTo(j);
            const bool filletHere = cut.HasFillet(j), filletNext = cut.HasFillet(j + 1);
            bool onArc = false;
            if (!filletHere && !filletNext) {
                cut.CrossStraight(cut.Node(j), cut.Node(j + 1));
            } else if (!filletHere) {
                const CDblPoint t = cut.TangentPoint(2 * m);
                if (AtOrAbove(t.x, x)) cut.CrossStraight(cut.Node(j), t);
                else { cut.CrossArc(m); onArc = true; }
            } else if (!filletNext) {
                const CDblPoint t = cut.TangentPoint(2 * m - 1);
                if (AtOrBelow(t.x, x)) cut.CrossStraight(t, cut.Node(j + 1));
                else { cut.CrossArc(m - 1); onArc = true; }
            } else {
                const CDblPoint out = cut.TangentPoint(2 * m - 1), in = cut.TangentPoint(2 * m);
                if (out.x > x) { cut.CrossArc(m - 1); onArc = true; }
                else if (in.x < x) { cut.CrossArc(m); onArc = true; }
                else cut.CrossStraight(out, in);
            }
            if (onArc) status = 4;
            else if (cut.Class(j) == 2) status = 2;
            else if (cut.Class(j) == 4) status = 3;
            else if (cut.Class(j) == 7 && cut.Class(j + 1) == 3) status = 2;
            else status = 5;
            break;
        }
    }

    if (cut.Crossings().GetSize() == 0) {
        QMReportError("计算错误061103011", 0);
        return 0;
    }
    y = cut.Crossings()[0].y;
    label = steel->R;
    return status;
}

// The section at station x. The bottom face rises only in a cantilever's variable-height part,
// and the rise counts only at stations outside the span of the tendons and at its two ends.
// A tendon the cut cannot cross is reported by GetXPtPr and left out of the section: it has no
// height there, and no other tendon's height or label may stand in for it.
int CPM001T010401Atom::GetXHD(double x, M_HD& section, DblArray& flags1, DblArray& flags2, DblArray& chain)
{
    const double spanEnd = bBg - fmr;
    double bottom = 0.0;
    if (x < fm || IsEqual(x, fm)) {
        if (!IsEqual(bBpl, 0.0) && x < bBpl) bottom = (bBpl - x) * hHpl / bBpl;
    } else if (x > spanEnd || IsEqual(x, spanEnd)) {
        if (!IsEqual(bBpr, 0.0) && bBg - x < bBpr) bottom = (bBpr - (bBg - x)) * hHpr / bBpr;
    }
    const double top = GetFame_XZ(x);
    section.hD = top - bottom;
    const double half = section.hD / 2.0;

    DblArray up;     // heights of the upper layers
    DblArray down;   // heights of the lower layers
    std::vector<const M_Steel*> met;
    for (std::size_t i = 0; i < Steel.size(); ++i) {
        M_Steel* steel = Steel[i].get();
        if (!steel || steel->LNode.GetSize() == 0) continue;
        if (!(steel->LNode[0].X <= x && x <= steel->LNode[steel->LNode.GetUpperBound()].X)) continue;
        met.push_back(steel);

        M_SteelFD* pieces = i < SteelFD.size() ? SteelFD[i].get() : nullptr;
        double height = std::numeric_limits<double>::quiet_NaN();
        CString label;
        const int status = GetXPtPr(steel, pieces, x, height, label);
        if (std::isnan(height)) continue;   // not crossed: reported, left out
        const double d = top - height;      // depth below the top level

        if (status >= 0) {
            section.VStatus.Add(status);
            section.FVwzh.Add(d < half && !IsEqual(d, half) ? 1 : 0);
            if (steel->PT == 0) {
                flags1.Add(0.0);
                flags2.Add(0.0);
            } else if (steel->PT == 1) {
                flags1.Add(0.0);
                flags2.Add(1.0);
            } else {
                flags1.Add(1.0);
                flags2.Add(0.0);
            }
        }
        if (status == 2) {
            section.TR.Add(label);
            up.Add(height);
        } else if (status == 3) {
            section.BR.Add(label);
            down.Add(height);
        } else if (d < half) {
            section.TsR.Add(label);
            up.Add(height);
        } else {
            section.BsR.Add(label);
            down.Add(height);
        }
    }

    AppendWidthChain(met, {&section.TR}, B, section.Tx);
    AppendWidthChain(met, {&section.TsR}, B, section.Fs);
    AppendWidthChain(met, {&section.BsR}, B, section.Fx);
    AppendWidthChain(met, {&section.BR}, B, section.Bx);
    AppendWidthChain(met, {&section.TR, &section.TsR}, B, section.TFs);
    AppendWidthChain(met, {&section.BR, &section.BsR}, B, section.BFx);

    up.Add(top);
    SortDistinct(up, ChainOrder::Decreasing);
    AppendGaps(up, ChainOrder::Decreasing, section.Tz);
    down.Add(bottom);
    SortDistinct(down, ChainOrder::Increasing);
    AppendGaps(down, ChainOrder::Increasing, section.Bz);

    const double lowestUp = up[up.GetUpperBound()];
    const double highestDown = down[down.GetUpperBound()];
    const bool spanEndStation = IsEqual(x, fm) || IsEqual(x, spanEnd);
    section.Tb = spanEndStation && bottom != 0.0 ? lowestUp - bottom : lowestUp;
    section.Ba = top - highestDown;
    double minUp = 0.0, maxDown = 0.0;
    up.GetMin(minUp);
    down.GetMax(maxDown);
    section.ms = minUp - maxDown;

    chain.RemoveAll();
    chain.Append(section.Tz);
    chain.Add(section.ms);
    for (int k = section.Bz.GetUpperBound(); k >= 1; --k) chain.Add(section.Bz[k]);
    return 1;
}
