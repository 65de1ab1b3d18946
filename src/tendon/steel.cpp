// Archive form of the tendon record, its material block, nodes and profile curve.
#include "tendon/steel.h"

#include "tendon/archive_items.h"

namespace pm001_tendon {

using tendon_archive::Items;

void M_SteelMat::Serialize(CArchive& ar)
{
    Items(ar, DSeries, DSeriesIndex, DAias, Dc, Dl, MDl, El);
    Items(ar, Bseries, BseriesIndex, BAlias, Btype, Bmat, Bnd, Bwd, Bnh, Bwh, Bnw, Bww, BL);
    Items(ar, MLSeries, MLSeriesIndex, MLAlias, MLtype, MLPT, MLwidth, MLheight, MLbd, MLbw, MLbh, MLdd, MLww, MLhh,
          MLCapTH);
    Items(ar, MRSeries, MRSeriesIndex, MRAlias, MRtype, MRPT, MRwidth, MRheight, MRbd, MRbw, MRbh, MRdd, MRww, MRhh,
          MRCapTH);
}

void M_LNode::Serialize(CArchive& ar) { Items(ar, NR, property, X, Refline, refZ, Z, ZZ, R, alf, T, S, E); }

void M_Steel::Serialize(CArchive& ar)
{
    Items(ar, Index, m, n, name, Y, YSeries, Ytype, YAlias, fpk, Yarea, Ygama, R);
    tendon_archive::ValueRecords(ar, "LNode", LNode, M_LNode::kMinStoredBytes);
    Items(ar, L, LKind, Ckline, Ckplace, Dsx, Ysx, YZ, X, Z);
    Items(ar, PT, FVPTL, FVPTR, FVPTLDL, FVPTQPL, FVPTLDR, FVPTQPR);
    Items(ar, PC, PCT, cl_DEL, cl_ELL, cl_ELR, cl_TL, cl_ES, Mn, Mng);
    // The end position types come before the material block in the archive.
    Items(ar, lMC, rMC);
    cl.Serialize(ar);
    if (ar.IsStoring()) {
        if (pCurve) {
            SerializeCurve(ar, *pCurve);
        } else {
            CCircleCurve none;   // a tendon not yet profiled stores a curve without points
            SerializeCurve(ar, none);
        }
    } else {
        pCurve = std::make_unique<CCircleCurve>();
        SerializeCurve(ar, *pCurve);
        fOwner = 1;
    }
}

void M_Steel::SerializeCurve(CArchive& ar, CCircleCurve& curve)
{
    if (ar.IsStoring()) {
        const int count = curve.GetControlPointCount();
        ar << count;
        for (int i = 0; i < count; ++i) {
            const CCircleCurve::ControlPoint& p = curve.GetControlPoint(i);
            ar << p.x << p.y << p.r << p.flag;
        }
        return;
    }
    const int count = ar.ReadRecordCount(kStoredControlPointBytes);
    curve.Clear();
    for (int i = 0; i < count; ++i) {
        double x = 0.0, y = 0.0, r = 0.0;
        int flag = 0;
        ar >> x >> y >> r >> flag;
        curve.AddControlPoint(x, y, r, flag);
    }
}

} // namespace pm001_tendon
