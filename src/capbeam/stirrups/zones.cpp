// Stirrups: the zones along the beam — densified zones at the support lines, normal zones, end zones.
#include "capbeam/stirrups/layout.h"

#include "capbeam/stirrups/bar_counts.h"
#include "common/bar_spacing.h"
#include "common/is_equal.h"
#include "host/report.h"

#include <algorithm>
#include <cmath>

using CapBeamBarCounts::TruncCount;
using KVDataCommon::IsEqual;

namespace CapBeamStirrups {

namespace {

// Cantilever lengths at the skeleton's inner edges (1, 2) and at the beam faces (3, 4).
struct Cantilevers {
    explicit Cantilevers(const Atom& atom)
    {
        const double half = atom.lWg / 2.0;
        yL1 = atom.GetXBCD1(1, half - atom.st.a), yL2 = atom.GetXBCD1(1, -half + atom.st.a);
        yL3 = atom.GetXBCD1(1, half), yL4 = atom.GetXBCD1(1, -half);
        yR1 = atom.GetXBCD1(0, half - atom.st.a), yR2 = atom.GetXBCD1(0, -half + atom.st.a);
        yR3 = atom.GetXBCD1(0, half), yR4 = atom.GetXBCD1(0, -half);
    }
    double yL1, yL2, yL3, yL4, yR1, yR2, yR3, yR4;
};

// Normal spacings of a cantilever between the densified zone at its support line and the end, from
// the count first taken (FirstNormalSpacings). face: the cantilever length at the beam faces.
void CantileverCount(const Atom& atom, int first, double face, double d, int& dense, int& normal,
                     const char* tooDense)
{
    const auto& sg = atom.sg;
    normal = first;
    if (IsEqual(d, 0.0)) {
        // The outermost stirrup must keep more than the end distance from the beam face.
        const double r = face - dense * sg.s2 - normal * sg.s;
        if (r < sg.a || IsEqual(r, sg.a)) {
            if (normal == 0 && dense > 0) --dense;
            else if (normal > 0) --normal;
        }
    }
    if (normal < 0) {
        QMReportError(tooDense, 0);
        normal = 0;
    }
}

// End zone beyond a cantilever's normal stirrups: spacings s3, or densified spacings s2 when the
// cantilever has no normal stirrups (after s3 spacings over all but one beam height of a long
// tapered part).
bool EndZone(const Atom& atom, double zone, int normal, double d, int& n3, int& nDense, double& rest)
{
    const auto& sg = atom.sg;
    if (normal > 0) {
        nDense = 0;
        KVDataCommon::BJ2(zone - sg.a, 1e-5, sg.s3, n3, rest);
    } else if (!(d > 2.0 * atom.hHgl)) {
        n3 = 0;
        KVDataCommon::BJ2(zone - sg.a, 1e-5, sg.s2, nDense, rest);
    } else {
        n3 = 0;
        double p = sg.a;
        do {
            if (n3 >= kMaxSteps) {
                ReportTooManySteps();
                return false;
            }
            ++n3;
            p += sg.s3;
        } while (p < zone - atom.hHgl);
        KVDataCommon::BJ2(zone - p, 1e-5, sg.s2, nDense, rest);
    }
    return true;
}

// Gap between the densified zones of span `span` (0-based). Zones that overlap leave a gap below
// zero: the stirrups cannot be laid, and the design stops. A gap within the tolerance of zero is
// the two zones meeting on one stirrup.
bool CheckSpanGap(double& g, int span)
{
    if (g >= 0.0) return true;
    if (IsEqual(g, 0.0)) {
        g = 0.0;
        return true;
    }
    CString where;
    where.Format("第%d跨两侧的箍筋加密区重叠，", span + 1);
    return ReportBelowZero("PM001_T0101_sg_as", where);
}

// Spacings s3 of a uniform square layout's end zone beside a tapered part of length bBp, laid from the
// end distance towards the first uniform stirrup. A count below zero means that the zone would end a
// whole end spacing or more before the end distance: it lays no stirrup and its count is 0, at every
// skew angle. No stirrup is lost: the tapered part and the uniform part are laid by counts of their
// own, never by this one.
int UniformEndSpacings(const Atom& atom, double bBp)
{
    const auto& sg = atom.sg;
    return TruncCount((std::tan(std::fabs(atom.a)) * (atom.lWg - atom.st.a) + sg.b + bBp - sg.a) / sg.s3);
}

int LayOutDensifiedSquare(Atom& atom, Plan& plan)
{
    auto& sg = atom.sg;
    const int nPier = atom.nPier;
    const int last = plan.last;
    sg.ns.SetSize(nPier + 1);
    sg.as.SetSize(nPier - 1);
    sg.asType.SetSize(nPier - 1);

    const Cantilevers c(atom);
    CantileverCount(atom, FirstNormalSpacings(atom, plan, BeamEnd::Left, sg.lns2[0]), std::min(c.yL3, c.yL4), plan.dL,
                    sg.lns2[0], sg.ns[0], "可能最左侧支承线左侧给定的箍筋加密间距数过大,请检查");
    CantileverCount(atom, FirstNormalSpacings(atom, plan, BeamEnd::Right, sg.rns2[last]), std::min(c.yR3, c.yR4),
                    plan.dR, sg.rns2[last], sg.ns[nPier], "可能最右侧支承线右侧给定的箍筋加密间距数过大，请检查");

    ZoneLengths(atom, plan);
    if (!EndZone(atom, plan.LL, sg.ns[0], plan.dL, sg.lns3, sg.lXBns2, sg.TBL)) return 0;
    if (!EndZone(atom, plan.RR, sg.ns[nPier], plan.dR, sg.rns3, sg.rXBns2, sg.TBR)) return 0;

    for (int i = 0; i < atom.bBz.GetSize(); ++i) {
        double g = atom.bBz[i] - sg.rns2[i] * sg.s2 - sg.lns2[i + 1] * sg.s2;
        if (!CheckSpanGap(g, i)) return 0;
        if (g <= sg.s) {
            sg.as[i] = g;
            sg.ns[i + 1] = 0;
            sg.asType[i] = 1;
        } else {
            KVDataCommon::BJ17(g, sg.Min, sg.Max, sg.s, sg.ns[i + 1], sg.as[i]);
            sg.asType[i] = 2;
        }
    }
    return 1;
}

// Length left for the end zone between the beam end and a support line's densified zone. While it
// is shorter than the smallest spacing, one densified spacing is given up (with a warning), down to none.
double EndRest(const Atom& atom, double cantilever, int& dense, const char* warning)
{
    const auto& sg = atom.sg;
    double x = cantilever - dense * sg.s2 - sg.a;
    while (x < sg.Min && !IsEqual(x, 0.0) && dense > 0) {
        QMReportWarning(warning, 0);
        --dense;
        x = cantilever - dense * sg.s2 - sg.a;
    }
    return x;
}

void AppendZone(CapBeamRecords::SgDataSet& sg, int n, double rest, int kind)
{
    sg.ns.Add(n);
    sg.as.Add(rest);
    sg.asType.Add(kind);
}

int LayOutDensifiedSkewed(Atom& atom, Plan& plan)
{
    auto& sg = atom.sg;
    int n = 0;
    double rest = 0.0;
    const double left = EndRest(atom, atom.bBzl, sg.lns2[0], "第一个支承线左侧的箍筋加密钢筋过多，系统进行了自动处理！");
    KVDataCommon::BJ3(left, sg.Min, sg.s, n, rest, sg.nasl);
    AppendZone(sg, n, rest, 1);

    for (int i = 0; i < atom.bBz.GetSize() && atom.bBz[i] != 0.0; ++i) {
        double g = atom.bBz[i] - sg.rns2[i] * sg.s2 - sg.lns2[i + 1] * sg.s2;
        if (!CheckSpanGap(g, i)) return 0;
        if (g <= sg.s) {
            AppendZone(sg, 0, g, 1);
        } else {
            n = 0;
            rest = 0.0;
            KVDataCommon::BJ17(g, sg.Min, sg.Max, sg.s, n, rest);
            AppendZone(sg, n, rest, 2);
        }
    }

    const double right =
        EndRest(atom, atom.bBzr, sg.rns2[plan.last], "最后一个支承线右侧的箍筋加密钢筋过多，系统进行了自动处理！");
    n = 0;
    rest = 0.0;
    KVDataCommon::BJ3(right, sg.Min, sg.s, n, rest, sg.nasr);
    AppendZone(sg, n, rest, 1);
    return 1;
}

int LayOutUniform(Atom& atom, Plan& plan)
{
    auto& sg = atom.sg;
    if (plan.layout == Layout::UniformSkewed) {
        KVDataCommon::BJ4(atom.bBg - 2.0 * sg.a, sg.Min, sg.s, sg.nAns, sg.Aas);
        return 1;
    }
    // Square stirrups of a skewed beam: the uniform part lies between the skewed ends.
    const double t = std::tan(std::fabs(atom.a));
    const double Lc = atom.bBg - atom.bBpl - atom.bBpr - t * atom.lWg;
    const bool tapered = !IsEqual(atom.bBpl, 0.0) || !IsEqual(atom.bBpr, 0.0);
    KVDataCommon::BJ4(Lc, tapered ? 50.0 : sg.a, sg.s, sg.nAns, sg.b);
    sg.bMid = t * atom.lWg / 2.0 + sg.b;
    // A zone that lays no stirrup counts 0 (ZoneLengths marks it bare).
    sg.lns3 = std::max(UniformEndSpacings(atom, atom.bBpl), 0);
    sg.rns3 = std::max(UniformEndSpacings(atom, atom.bBpr), 0);
    ZoneLengths(atom, plan);
    return 1;
}

} // namespace

double CantileverRoom(const Atom& atom, BeamEnd end)
{
    const Cantilevers c(atom);
    return end == BeamEnd::Left ? std::min(c.yL1, c.yL2) : std::min(c.yR1, c.yR2);
}

double CantileverEnd(const Atom& atom, const Plan& plan, BeamEnd end)
{
    const double d = end == BeamEnd::Left ? plan.dL : plan.dR;
    return IsEqual(d, 0.0) ? atom.sg.a : d;
}

int FirstNormalSpacings(const Atom& atom, const Plan& plan, BeamEnd end, int dense)
{
    const auto& sg = atom.sg;
    return TruncCount((CantileverRoom(atom, end) - dense * sg.s2 - CantileverEnd(atom, plan, end)) / sg.s);
}

void ZoneLengths(const Atom& atom, Plan& plan)
{
    const auto& sg = atom.sg;
    if (plan.layout == Layout::DensifiedSquare) {
        const Cantilevers c(atom);
        plan.LL = std::max(c.yL1, c.yL2) - sg.lns2[0] * sg.s2 - sg.ns[0] * sg.s;
        plan.RR = std::max(c.yR1, c.yR2) - sg.rns2[plan.last] * sg.s2 - sg.ns[atom.nPier] * sg.s;
    } else if (plan.layout == Layout::UniformSquare) {
        plan.bareL = UniformEndSpacings(atom, atom.bBpl) < 0;
        plan.bareR = UniformEndSpacings(atom, atom.bBpr) < 0;
    }
}

int LayOutZones(Atom& atom, Plan& plan)
{
    switch (plan.layout) {
    case Layout::DensifiedSquare: return LayOutDensifiedSquare(atom, plan);
    case Layout::DensifiedSkewed: return LayOutDensifiedSkewed(atom, plan);
    default: return LayOutUniform(atom, plan);
    }
}

} // namespace CapBeamStirrups
