// The first design step of the tendons: one tendon per definition of the key parameters, with its
// strand material, tensioning, jack, duct, anchorages, allowances and lengths; the profile of each
// tendon is built in between (tendon_profile.cpp).
#include "tendon/materials.h"

#include "tendon/design_object.h"
#include "tendon/node_fit.h"
#include "tendon/profile.h"

#include "calc/pm001_cap_key_param.h"
#include "catalog/material_catalog.h"
#include "catalog/strand_weight.h"
#include "common/list_sum.h"

#include <cmath>

namespace pm001_tendon {

namespace {

// Rounds to a whole number by adding one half and cutting the fraction off.
double RoundHalfUp(double v) { return std::trunc(v + 0.5); }

} // namespace

void TakeJack(const CString& name, const tagQM_JACK* jack, M_SteelMat& cl)
{
    if (!jack) {
        cl.DSeries = "";
        cl.DAias = "";
        cl.El = cl.Dc = cl.MDl = cl.Dl = 0.0;
        return;
    }
    cl.DSeries = name;
    GetMaterialLabelFromName(name, cl.DAias);
    cl.Dc = jack->diameter;
    cl.MDl = jack->minDistance;
    cl.Dl = jack->length;
    cl.El = jack->workingLength;
}

void TakeDuct(const tagQM_CORRUGATEDPIPE& duct, M_SteelMat& cl)
{
    cl.Bseries = duct.series;
    if (duct.material == 0)
        cl.Bmat = "塑料";
    else if (duct.material == 1)
        cl.Bmat = "金属";
    cl.Btype = duct.kind == 0 ? 0 : 1;
    cl.Bwh = duct.outerHeight;
    cl.Bnh = duct.innerHeight;
    cl.Bww = duct.outerWidth;
    cl.Bnw = duct.innerWidth;
    cl.Bwd = duct.outerDiameter;
    cl.Bnd = duct.innerDiameter;
}

tagQM_CORRUGATEDPIPE CatalogueDuct(const CString& name)
{
    tagQM_CORRUGATEDPIPE duct;
    const unsigned id = GetMaterialIDFromName(name);
    if (id == 0 || !GetCorrugatedPipe(id, &duct)) duct = tagQM_CORRUGATEDPIPE{};
    return duct;
}

DuctOuterSize OuterSizeOf(const M_SteelMat& cl)
{
    if (cl.Btype == 0) return {cl.Bwd, cl.Bwd};
    return {cl.Bww, cl.Bwh};
}

DuctOuterSize CatalogueDuctSize(const CString& name)
{
    M_SteelMat cl;
    TakeDuct(CatalogueDuct(name), cl);
    return OuterSizeOf(cl);
}

void TakeAnchor(const tagQM_ANCHOR& anchor, bool left, M_SteelMat& cl)
{
    CString& series = left ? cl.MLSeries : cl.MRSeries;
    int& type = left ? cl.MLtype : cl.MRtype;
    series = anchor.series;
    if (anchor.type == 0 || anchor.type == 1) type = anchor.type;
    (left ? cl.MLwidth : cl.MRwidth) = anchor.width;
    (left ? cl.MLheight : cl.MRheight) = anchor.height;
    (left ? cl.MLww : cl.MRww) = anchor.headWidth;
    (left ? cl.MLhh : cl.MRhh) = anchor.headHeight;
    (left ? cl.MLdd : cl.MRdd) = anchor.spiralDiameter;
    (left ? cl.MLCapTH : cl.MRCapTH) = anchor.capThickness;
    (left ? cl.MLbd : cl.MRbd) = anchor.spiralBarDiameter;
    (left ? cl.MLbw : cl.MRbw) = anchor.spiralPitch;
    (left ? cl.MLbh : cl.MRbh) = anchor.spiralLength;
}

double TendonTotalLength(const DblArray& pieces, double leftAllowance, double rightAllowance)
{
    DblArray rounded;
    for (int i = 0; i < pieces.GetSize(); ++i) rounded.Add(RoundHalfUp(pieces[i]));
    const double total = KVDataCommon::sum(rounded) + leftAllowance + rightAllowance;
    return 10.0 * std::trunc(total / 10.0 + 0.5);
}

} // namespace pm001_tendon

using namespace pm001_tendon;

int CPM001T010401Atom::ReportNodesNotFitting(const CArray<struct CPM001_CapKeyParam::SteelAr>& definitions,
                                             const std::string& root) const
{
    const TopLevel top = [this](double x) { return GetFame_XZ(x); };
    tagQM_TENDON strand;
    GetTendon(GetMaterialIDFromName(strTendonIndex), &strand);
    return ReportTendonNodesNotFitting(definitions, bBg, top, bAc, CapUnderside{bBg, bBpl, hHpl, bBpr, hHpr},
                                       LeastTendonBendRadius(strand.diameter), root);
}

int CPM001T010401Atom::SetSteelData(CPM001_CapKeyParam* kp)
{
    if (!kp) return 0;
    const auto& definitions = kp->SteelAr;
    const int count = definitions.GetSize();
    if (count <= 0) return 0;

    // Every definition needs control points; the outermost tendon ends give the free end lengths.
    DblArray firstStations, lastStations;
    for (int i = 0; i < count; ++i) {
        const auto& points = definitions[i].Node;
        if (points.GetSize() == 0) return 0;
        firstStations.Add(points[0].X);
        lastStations.Add(points[points.GetSize() - 1].X);
    }
    double smallestFirst = 0.0, largestLast = 0.0;
    firstStations.GetMin(smallestFirst);
    lastStations.GetMax(largestLast);
    fm = smallestFirst;
    fmr = bBg - largestLast;

    Steel.clear();
    SteelFD.clear();
    Steel.resize(static_cast<std::size_t>(count));
    SteelFD.resize(static_cast<std::size_t>(count));

    // Control points that do not fit the beam, or bend the strands tighter than they take, are
    // reported by their keys; the profiles are still built from them, so that what they lead to is
    // shown with them.
    ReportNodesNotFitting(definitions);
    const TopLevel top = [this](double x) { return GetFame_XZ(x); };
    for (int i = 0; i < count; ++i) {
        const auto& def = definitions[i];
        Steel[i] = std::make_unique<M_Steel>();
        M_Steel& steel = *Steel[i];
        steel.Index = i;
        steel.m = def.m;
        steel.n = def.n;
        steel.name = def.name;
        steel.Ytype = def.Ytype;
        steel.Y.RemoveAll();
        for (int k = 0; k < def.Y.GetSize(); ++k) steel.Y.Add(def.Y[k]);

        // Strand material, shared by all tendons of the cap beam.
        steel.YSeries = strTendonIndex;
        tagQM_TENDON strand;
        GetTendon(GetMaterialIDFromName(strTendonIndex), &strand);
        GetMaterialLabelFromName(strTendonIndex, steel.YAlias);
        steel.fpk = strand.fpk;
        steel.Yarea = strand.area;
        steel.Ygama = KVDataCommon::gsweight(strTendonIndex, static_cast<unsigned>(def.m));

        steel.R.Format("%s%d", PSF.GetString(), i + 1);

        // The elevation profile.
        steel.LNode.SetSize(def.Node.GetSize());
        TendonProfileWork work;
        if (!BuildTendonProfile(*this, top, def.Node, steel, work)) return 0;

        // Tensioned ends and tensioning force.
        steel.PT = def.PT;
        steel.FVPTL = (steel.PT == 0 || steel.PT == 1) ? 1 : 0;
        steel.FVPTR = (steel.PT == 0 || steel.PT == 2) ? 1 : 0;
        steel.PC = def.PC;
        steel.PCT = steel.PC * steel.fpk * steel.Yarea / 1000.0;

        // Jack.
        M_SteelMat& cl = steel.cl;
        cl.DSeriesIndex = def.DSeriesIndex;
        tagQM_JACK jack;
        const bool jackFound = GetJack(GetMaterialIDFromName(cl.DSeriesIndex), &jack) != 0;
        TakeJack(cl.DSeriesIndex, jackFound ? &jack : nullptr, cl);

        // Duct: one the catalogue does not hold is taken as an empty record.
        cl.BseriesIndex = def.BseriesIndex;
        GetMaterialLabelFromName(cl.BseriesIndex, cl.BAlias);
        TakeDuct(CatalogueDuct(cl.BseriesIndex), cl);

        // Anchorages at the left and the right end; an end that is not tensioned is a dead end.
        cl.MLSeriesIndex = def.MLSeriesIndex;
        tagQM_ANCHOR anchor;
        if (!GetAnchor(GetMaterialIDFromName(cl.MLSeriesIndex), &anchor)) anchor = tagQM_ANCHOR{};
        GetMaterialLabelFromName(cl.MLSeriesIndex, cl.MLAlias);
        TakeAnchor(anchor, true, cl);
        cl.MLPT = steel.PT == 2 ? 1 : 0;

        cl.MRSeriesIndex = def.MRSeriesIndex;
        if (!GetAnchor(GetMaterialIDFromName(cl.MRSeriesIndex), &anchor)) anchor = tagQM_ANCHOR{};
        GetMaterialLabelFromName(cl.MRSeriesIndex, cl.MRAlias);
        TakeAnchor(anchor, false, cl);
        cl.MRPT = steel.PT == 1 ? 1 : 0;

        // Working lengths beyond the anchorages at the tensioned ends, and the lengths.
        steel.cl_DEL = cl.El;
        steel.cl_ELL = steel.PT == 2 ? 0.0 : steel.cl_DEL;
        steel.cl_ELR = steel.PT == 1 ? 0.0 : steel.cl_DEL;
        steel.cl_TL = TendonTotalLength(steel.L, steel.cl_ELL, steel.cl_ELR);
        steel.cl_ES = def.cl_ES;
        cl.BL = steel.cl_TL - steel.cl_ELL - steel.cl_ELR;

        // Anchorages: two working ones, or one working and one dead end.
        steel.Mn = steel.PT == 0 ? 2.0 : 1.0;
        steel.Mng = steel.PT == 0 ? 0.0 : 1.0;

        SteelFD[i] = FinishTendonProfile(*this, steel, work);
    }
    return 1;
}
