// The key parameters' JSON keys: one table per record, walked alike by the reader and the writer.
#pragma once

#include "calc/pm001_key_param.h"

// Whether a key must be given. An optional key that is left out keeps the record's own default.
enum class KeyNeed { Required, Optional };

// Each VisitKeys hands the visitor every key of its record in the documented order:
// v.Key(name, member, need). Members that are records or lists of records are visited in turn.

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::M_GJJ& r)
{
    v.Key("fBar", r.fBar, KeyNeed::Required);
    v.Key("fWQ", r.fWQ, KeyNeed::Optional);
    v.Key("fXJ", r.fXJ, KeyNeed::Optional);
    v.Key("dx", r.dx, KeyNeed::Required);
}

template <class V>
void VisitKeys(V& v, struct CPM001_CapKeyParam::FrameAr& r)
{
    v.Key("name", r.name, KeyNeed::Required);
    v.Key("fGJJ", r.fGJJ, KeyNeed::Optional);
    v.Key("GJJ", r.GJJ, KeyNeed::Optional);
    v.Key("fWeldT", r.fWeldT, KeyNeed::Optional);
    v.Key("fWeldB", r.fWeldB, KeyNeed::Optional);
    v.Key("LenT", r.LenT, KeyNeed::Optional);
    v.Key("LenB", r.LenB, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::NodeAr& r)
{
    v.Key("X", r.X, KeyNeed::Required);
    v.Key("refZ", r.refZ, KeyNeed::Required);
    v.Key("Refline", r.Refline, KeyNeed::Optional);
    v.Key("R", r.R, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, struct CPM001_CapKeyParam::SteelAr& r)
{
    v.Key("name", r.name, KeyNeed::Optional);
    v.Key("m", r.m, KeyNeed::Required);
    v.Key("n", r.n, KeyNeed::Required);
    v.Key("Y", r.Y, KeyNeed::Required);
    v.Key("Ytype", r.Ytype, KeyNeed::Optional);
    v.Key("Node", r.Node, KeyNeed::Required);
    v.Key("PT", r.PT, KeyNeed::Required);
    v.Key("PC", r.PC, KeyNeed::Required);
    v.Key("DSeriesIndex", r.DSeriesIndex, KeyNeed::Required);
    v.Key("BseriesIndex", r.BseriesIndex, KeyNeed::Required);
    v.Key("MLSeriesIndex", r.MLSeriesIndex, KeyNeed::Required);
    v.Key("MRSeriesIndex", r.MRSeriesIndex, KeyNeed::Required);
    v.Key("cl_ES", r.cl_ES, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::M_ZLName& r)
{
    v.Key("name", r.name, KeyNeed::Required);
    v.Key("n", r.n, KeyNeed::Required);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam::M_XH& r)
{
    v.Key("nA", r.nA, KeyNeed::Required);
    v.Key("nB", r.nB, KeyNeed::Required);
}

template <class V>
void VisitKeys(V& v, CPM001_CapKeyParam& r)
{
    constexpr KeyNeed req = KeyNeed::Required;
    constexpr KeyNeed opt = KeyNeed::Optional;
    v.Key("fDistribute", r.fDistribute, opt);
    v.Key("fPosSdAndSt", r.fPosSdAndSt, opt);
    v.Key("fPosShAndSg", r.fPosShAndSg, opt);
    v.Key("fVartc", r.fVartc, opt);
    v.Key("fDrawLMByFsk", r.fDrawLMByFsk, opt);
    v.Key("fCapSep", r.fCapSep, opt);

    v.Key("st_d", r.st_d, req);
    v.Key("st_type", r.st_type, req);
    v.Key("st_ac", r.st_ac, opt);
    v.Key("st_ua", r.st_ua, req);
    v.Key("st_sa", r.st_sa, req);
    v.Key("st_angle", r.st_angle, req);
    v.Key("st_fLayMode", r.st_fLayMode, opt);
    v.Key("st_fWeld", r.st_fWeld, opt);
    v.Key("st_LstWeld", r.st_LstWeld, req);
    v.Key("st_fCalculateLarc", r.st_fCalculateLarc, opt);
    v.Key("st_LeadPointR", r.st_LeadPointR, opt);
    v.Key("KeyLen1", r.KeyLen1, req);
    v.Key("KeyLen2", r.KeyLen2, req);
    v.Key("WeldArcR", r.WeldArcR, req);

    v.Key("FrameName", r.FrameName, req);
    v.Key("FrameY", r.FrameY, req);
    v.Key("FrameAr", r.FrameAr, req);

    v.Key("sg_d", r.sg_d, req);
    v.Key("sg_type", r.sg_type, req);
    v.Key("sg_ac", r.sg_ac, opt);
    v.Key("sg_a", r.sg_a, req);
    v.Key("sg_Min", r.sg_Min, req);
    v.Key("sg_Max", r.sg_Max, req);
    v.Key("sg_fLayMode", r.sg_fLayMode, opt);
    v.Key("sg_s", r.sg_s, req);
    v.Key("sg_s2", r.sg_s2, req);
    v.Key("sg_fenG", r.sg_fenG, opt);
    v.Key("sg_s3", r.sg_s3, req);
    v.Key("sg_lns2", r.sg_lns2, opt);
    v.Key("sg_rns2", r.sg_rns2, opt);
    v.Key("sg_HookedTpye", r.sg_HookedTpye, opt);
    v.Key("XH", r.XH, opt);

    v.Key("sh_type", r.sh_type, req);
    v.Key("sh_d", r.sh_d, req);
    v.Key("sh_ac", r.sh_ac, opt);
    v.Key("sh_Min", r.sh_Min, req);
    v.Key("sh_Max", r.sh_Max, req);
    v.Key("sh_s", r.sh_s, req);

    v.Key("sd_type", r.sd_type, req);
    v.Key("sd_d", r.sd_d, req);
    v.Key("sd_ac", r.sd_ac, opt);
    v.Key("sd_Min", r.sd_Min, req);
    v.Key("sd_Max", r.sd_Max, req);

    v.Key("SteelAr", r.SteelAr, opt);
    v.Key("ZLName", r.ZLName, opt);
    v.Key("SBtype", r.SBtype, opt);
    v.Key("SBd", r.SBd, opt);
    v.Key("Ldis", r.Ldis, opt);
    v.Key("Cdis", r.Cdis, opt);
    v.Key("PY", r.PY, opt);
}

template <class V>
void VisitKeys(V& v, TiedMemberKeyParam& r)
{
    v.Key("mainBarDiameter", r.mainBarDiameter, KeyNeed::Optional);
    v.Key("mainBarType", r.mainBarType, KeyNeed::Optional);
    v.Key("barsAcross", r.barsAcross, KeyNeed::Optional);
    v.Key("barsAlong", r.barsAlong, KeyNeed::Optional);
    v.Key("stirrupDiameter", r.stirrupDiameter, KeyNeed::Optional);
    v.Key("stirrupSpacing", r.stirrupSpacing, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, SpiralMemberKeyParam& r)
{
    v.Key("mainBarDiameter", r.mainBarDiameter, KeyNeed::Optional);
    v.Key("mainBarType", r.mainBarType, KeyNeed::Optional);
    v.Key("mainBarCount", r.mainBarCount, KeyNeed::Optional);
    v.Key("spiralDiameter", r.spiralDiameter, KeyNeed::Optional);
    v.Key("spiralPitch", r.spiralPitch, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, BarMeshKeyParam& r)
{
    v.Key("barDiameter", r.barDiameter, KeyNeed::Optional);
    v.Key("barType", r.barType, KeyNeed::Optional);
    v.Key("barSpacing", r.barSpacing, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, CPG008KeyParam& r)
{
    v.Key("mainBarDiameter", r.mainBarDiameter, KeyNeed::Optional);
    v.Key("mainBarType", r.mainBarType, KeyNeed::Optional);
    v.Key("topBarCount", r.topBarCount, KeyNeed::Optional);
    v.Key("bottomBarCount", r.bottomBarCount, KeyNeed::Optional);
    v.Key("stirrupDiameter", r.stirrupDiameter, KeyNeed::Optional);
    v.Key("stirrupSpacing", r.stirrupSpacing, KeyNeed::Optional);
}

template <class V>
void VisitKeys(V& v, CPG006KeyParam& r)
{
    v.Key("nFrontPedestalMesh", r.nFrontPedestalMesh, KeyNeed::Optional);
    v.Key("nBackPedestalMesh", r.nBackPedestalMesh, KeyNeed::Optional);
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
