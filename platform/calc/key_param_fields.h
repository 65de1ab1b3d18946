// The key parameters' JSON keys: one table per record, walked alike by the reader and the writer.
#pragma once

#include "calc/key_bound.h"
#include "calc/pm001_key_param.h"

// Whether a key must be given. An optional key that is left out keeps the record's own default.
enum class KeyNeed { Required, Optional };

// Each VisitKeys hands the visitor every key of its record in the documented order:
// v.Key(name, member, need, bound). Members that are records or lists of records are visited in
// turn. The bound (key_bound.h) is what the value must hold for a cap to be built with it
// (docs/key-parameters.md, "Values no cap can be built with"): every number is given a Bound, a
// BoundWhen or an Unbounded saying why it has none, every list its greatest length (UpTo) and the
// bound of its entries; texts and records have none. A conditional bound reads the record's values
// as they stand when the keys are visited: the bounds are checked on a record already read.

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::M_GJJ& r)
{
    using namespace key_bound;
    v.Key("fBar", r.fBar, KeyNeed::Required, kCode);
    v.Key("fWQ", r.fWQ, KeyNeed::Optional, kSwitch);
    v.Key("fXJ", r.fXJ, KeyNeed::Optional, kSwitch);
    v.Key("dx", r.dx, KeyNeed::Required, kDistance);
}

template <class V>
void VisitKeys(V& v, struct CPM001_CapKeyParam::FrameAr& r)
{
    using namespace key_bound;
    v.Key("name", r.name, KeyNeed::Required);
    v.Key("fGJJ", r.fGJJ, KeyNeed::Optional, kSwitch);
    v.Key("GJJ", r.GJJ, KeyNeed::Optional, kBarGroups);
    v.Key("fWeldT", r.fWeldT, KeyNeed::Optional, kSwitch);
    v.Key("fWeldB", r.fWeldB, KeyNeed::Optional, kSwitch);
    v.Key("LenT", r.LenT, KeyNeed::Optional, kCutOffLengths);
    v.Key("LenB", r.LenB, KeyNeed::Optional, kCutOffLengths);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::NodeAr& r)
{
    using namespace key_bound;
    v.Key("X", r.X, KeyNeed::Required, kPosition);
    // A node with a fillet radius is not on the tendon: the tendon follows its arc, and the node,
    // the corner where its legs meet, may lie beyond the face (over a column near the top) while the
    // arc lies within; the design judges the arc and its duct against the beam.
    constexpr Bound kCornerDepth{kDistance.what, -kMaxLength, true, kMaxLength, true, kDistance.unit};
    v.Key("refZ", r.refZ, KeyNeed::Required, When(r.R != 0.0, " at a node with a fillet radius", kCornerDepth));
    v.Key("Refline", r.Refline, KeyNeed::Optional, kSwitch);
    v.Key("R", r.R, KeyNeed::Optional, kRadius);
}

template <class V>
void VisitKeys(V& v, struct CPM001_CapKeyParam::SteelAr& r)
{
    using namespace key_bound;
    v.Key("name", r.name, KeyNeed::Optional);
    v.Key("m", r.m, KeyNeed::Required, Unbounded{"a strand count: at least 1, where the set must agree with itself"});
    v.Key("n", r.n, KeyNeed::Required, kCount);
    v.Key("Y", r.Y, KeyNeed::Required, UpTo(kMaxFrames, "positions", kPosition));
    v.Key("Ytype", r.Ytype, KeyNeed::Optional, kCarried);
    v.Key("Node", r.Node, KeyNeed::Required, UpTo(kMaxProfilePoints, "control points"));
    v.Key("PT", r.PT, KeyNeed::Required, kCode);
    v.Key("PC", r.PC, KeyNeed::Required, kStressFraction);
    v.Key("DSeriesIndex", r.DSeriesIndex, KeyNeed::Required);
    v.Key("BseriesIndex", r.BseriesIndex, KeyNeed::Required);
    v.Key("MLSeriesIndex", r.MLSeriesIndex, KeyNeed::Required);
    v.Key("MRSeriesIndex", r.MRSeriesIndex, KeyNeed::Required);
    v.Key("cl_ES", r.cl_ES, KeyNeed::Optional, kModulus);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::M_ZLName& r)
{
    v.Key("name", r.name, KeyNeed::Required);
    v.Key("n", r.n, KeyNeed::Required, key_bound::kCount);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::M_XH& r)
{
    // Frame numbers, from 1 to the number of frames, where the set must agree with itself.
    constexpr Unbounded frame{"a frame number: from 1 to the number of frames, where the set must agree with itself"};
    v.Key("nA", r.nA, KeyNeed::Required, frame);
    v.Key("nB", r.nB, KeyNeed::Required, frame);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam& r)
{
    using namespace key_bound;
    constexpr KeyNeed req = KeyNeed::Required;
    constexpr KeyNeed opt = KeyNeed::Optional;
    v.Key("fDistribute", r.fDistribute, opt, kSwitch);
    v.Key("fPosSdAndSt", r.fPosSdAndSt, opt, kSwitch);
    v.Key("fPosShAndSg", r.fPosShAndSg, opt, kSwitch);
    v.Key("fVartc", r.fVartc, opt, kCarried);
    v.Key("fDrawLMByFsk", r.fDrawLMByFsk, opt, kSwitch);
    v.Key("fCapSep", r.fCapSep, opt, kSwitch);

    v.Key("st_d", r.st_d, req, kDiameter);
    v.Key("st_type", r.st_type, req, kBarType);
    v.Key("st_ac", r.st_ac, opt, kCarried);
    v.Key("st_ua", r.st_ua, req, kDistance);
    v.Key("st_sa", r.st_sa, req, kDistance);
    v.Key("st_angle", r.st_angle, req, kInclination);
    v.Key("st_fLayMode", r.st_fLayMode, opt, kSwitch);
    v.Key("st_fWeld", r.st_fWeld, opt, kSwitch);
    v.Key("st_LstWeld", r.st_LstWeld, req, kPositiveLength);
    v.Key("st_fCalculateLarc", r.st_fCalculateLarc, opt, kCode);
    v.Key("st_LeadPointR", r.st_LeadPointR, opt, kRadius);
    v.Key("KeyLen1", r.KeyLen1, req, kDistance);
    v.Key("KeyLen2", r.KeyLen2, req, kRadius);
    v.Key("WeldArcR", r.WeldArcR, req, Unbounded{"outside 25 to 500 the design takes 5 × st_d, with a warning"});

    v.Key("FrameName", r.FrameName, req, kFrameNames);
    v.Key("FrameY", r.FrameY, req, UpTo(kMaxFrames, "positions", kPosition));
    v.Key("FrameAr", r.FrameAr, req, kFrameRecords);

    // The densified zones are laid at sg_s2 in the densified layouts, the square layouts lay their
    // end zones at sg_s3.
    v.Key("sg_d", r.sg_d, req, kDiameter);
    v.Key("sg_type", r.sg_type, req, kBarType);
    v.Key("sg_ac", r.sg_ac, opt, kCarried);
    v.Key("sg_a", r.sg_a, req, kDistance);
    v.Key("sg_Min", r.sg_Min, req, kSpacingOrZero);
    v.Key("sg_Max", r.sg_Max, req, kSpacingOrZero);
    v.Key("sg_fLayMode", r.sg_fLayMode, opt, kSwitch);
    v.Key("sg_s", r.sg_s, req, kSpacing);
    v.Key("sg_s2", r.sg_s2, req, When(r.sg_fenG == 1, " when sg_fenG is 1", kSpacing));
    v.Key("sg_fenG", r.sg_fenG, opt, kCode);
    v.Key("sg_s3", r.sg_s3, req, When(r.sg_fLayMode == 0, " when sg_fLayMode is 0", kSpacing));
    v.Key("sg_lns2", r.sg_lns2, opt, UpTo(kMaxSupportLines, "counts", kStirrupSpacings));
    v.Key("sg_rns2", r.sg_rns2, opt, UpTo(kMaxSupportLines, "counts", kStirrupSpacings));
    v.Key("sg_HookedTpye", r.sg_HookedTpye, opt, kSwitch);
    v.Key("XH", r.XH, opt, UpTo(kMaxFrames, "stirrup groups"));

    v.Key("sh_type", r.sh_type, req, kBarType);
    v.Key("sh_d", r.sh_d, req, kDiameter);
    v.Key("sh_ac", r.sh_ac, opt, kCarried);
    v.Key("sh_Min", r.sh_Min, req, kSpacingOrZero);
    v.Key("sh_Max", r.sh_Max, req, kSpacingOrZero);
    v.Key("sh_s", r.sh_s, req, kSpacing);

    // The end-face bars are laid only when fDistribute is on.
    const bool endFaces = r.fDistribute != 0;
    v.Key("sd_type", r.sd_type, req, When(endFaces, " when fDistribute is on", kBarType));
    v.Key("sd_d", r.sd_d, req, When(endFaces, " when fDistribute is on", kDiameter));
    v.Key("sd_ac", r.sd_ac, opt, kCarried);
    v.Key("sd_Min", r.sd_Min, req, When(endFaces, " when fDistribute is on", kSpacing));
    v.Key("sd_Max", r.sd_Max, req, When(endFaces, " when fDistribute is on", kSpacing));

    // The bars along the tendons are counted and weighed whenever there are tendons; their spacings
    // must then be above 0 as well, where the set must agree with itself.
    v.Key("SteelAr", r.SteelAr, opt, UpTo(kMaxTendonDefinitions, "tendon definitions"));
    v.Key("ZLName", r.ZLName, opt, UpTo(kMaxTendonDefinitions, "names"));
    v.Key("SBtype", r.SBtype, opt, kBarTypeOrNone);
    v.Key("SBd", r.SBd, opt, When(!r.SteelAr.IsEmpty(), " when tendons are given", kDiameter));
    v.Key("Ldis", r.Ldis, opt, When(!r.SteelAr.IsEmpty(), " when tendons are given", kSpacing));
    v.Key("Cdis", r.Cdis, opt, When(!r.SteelAr.IsEmpty(), " when tendons are given", kSpacing));
    v.Key("PY", r.PY, opt, kCarried);
}

// The sibling modules judge their own values: their counts lay nothing here and are only refused
// below 0.
template <class V>
void VisitKeys(V& v, TiedMemberKeyParam& r)
{
    v.Key("mainBarDiameter", r.mainBarDiameter, KeyNeed::Optional, key_bound::kSiblingDiameter);
    v.Key("mainBarType", r.mainBarType, KeyNeed::Optional, key_bound::kBarTypeOrNone);
    v.Key("barsAcross", r.barsAcross, KeyNeed::Optional, key_bound::kCount);
    v.Key("barsAlong", r.barsAlong, KeyNeed::Optional, key_bound::kCount);
    v.Key("stirrupDiameter", r.stirrupDiameter, KeyNeed::Optional, key_bound::kSiblingDiameter);
    v.Key("stirrupSpacing", r.stirrupSpacing, KeyNeed::Optional, key_bound::kSiblingSpacing);
}

template <class V>
void VisitKeys(V& v, SpiralMemberKeyParam& r)
{
    v.Key("mainBarDiameter", r.mainBarDiameter, KeyNeed::Optional, key_bound::kSiblingDiameter);
    v.Key("mainBarType", r.mainBarType, KeyNeed::Optional, key_bound::kBarTypeOrNone);
    v.Key("mainBarCount", r.mainBarCount, KeyNeed::Optional, key_bound::kCount);
    v.Key("spiralDiameter", r.spiralDiameter, KeyNeed::Optional, key_bound::kSiblingDiameter);
    v.Key("spiralPitch", r.spiralPitch, KeyNeed::Optional, key_bound::kSiblingSpacing);
}

template <class V>
void VisitKeys(V& v, BarMeshKeyParam& r)
{
    v.Key("barDiameter", r.barDiameter, KeyNeed::Optional, key_bound::kSiblingDiameter);
    v.Key("barType", r.barType, KeyNeed::Optional, key_bound::kBarTypeOrNone);
    v.Key("barSpacing", r.barSpacing, KeyNeed::Optional, key_bound::kSiblingSpacing);
}

template <class V>
void VisitKeys(V& v, CPG008KeyParam& r)
{
    v.Key("mainBarDiameter", r.mainBarDiameter, KeyNeed::Optional, key_bound::kSiblingDiameter);
    v.Key("mainBarType", r.mainBarType, KeyNeed::Optional, key_bound::kBarTypeOrNone);
    v.Key("topBarCount", r.topBarCount, KeyNeed::Optional, key_bound::kCount);
    v.Key("bottomBarCount", r.bottomBarCount, KeyNeed::Optional, key_bound::kCount);
    v.Key("stirrupDiameter", r.stirrupDiameter, KeyNeed::Optional, key_bound::kSiblingDiameter);
    v.Key("stirrupSpacing", r.stirrupSpacing, KeyNeed::Optional, key_bound::kSiblingSpacing);
}

template <class V>
void VisitKeys(V& v, CPG006KeyParam& r)
{
    v.Key("nFrontPedestalMesh", r.nFrontPedestalMesh, KeyNeed::Optional, key_bound::kCount);
    v.Key("nBackPedestalMesh", r.nBackPedestalMesh, KeyNeed::Optional, key_bound::kCount);
}

template <class V>
void VisitKeys(V& v, CPM001PileFoundationKeyParam& r)
{
    v.Key("transition", r.TransitionKeyParam, KeyNeed::Optional);
    v.Key("tieBeams", r.TieBeamKeyParam, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, CPM001PileCapKeyParam& r)
{
    v.Key("rectBody", r.RectKeyParam, KeyNeed::Optional);
    v.Key("arcBody", r.ArcKeyParam, KeyNeed::Optional);
    v.Key("transition", r.TransitionKeyParam, KeyNeed::Optional);
    v.Key("joint", r.JointKeyParam, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, CPM001KeyParam& r)
{
    v.Key("cap", r.CapKeyParam, KeyNeed::Required);
    v.Key("rectColumns", r.RectColumnKeyParam, KeyNeed::Optional);
    v.Key("circleColumns", r.CircleColumnKeyParam, KeyNeed::Optional);
    v.Key("tieBeams", r.TieBeamKeyParam, KeyNeed::Optional);
    v.Key("footing", r.FootingKeyParam, KeyNeed::Optional);
    v.Key("pileFoundation", r.PileFoundationKeyParam, KeyNeed::Optional);
    v.Key("pileCap", r.PileCapKeyParam, KeyNeed::Optional);
    v.Key("stopperPedestal", r.StopperPedestalKeyParam, KeyNeed::Optional);
}
