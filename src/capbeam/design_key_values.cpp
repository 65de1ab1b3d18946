// The cap's key values a design was made with, as its stored records carry them.
#include "capbeam/design_key_values.h"

#include "calc/pm001_design_key_record.h"
#include "capbeam/cap_beam_key_intake.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "tendon/design_object.h"

namespace {

using KeyTendon = struct CPM001_CapKeyParam::SteelAr;

// A tendon definition as the tendon's records keep it: its positions across, its duct and its
// control points, each node's face as 0 (bottom) or 1 (top).
template <class Nodes>
void AddStoredTendon(CPM001_CapKeyParam& kp, const CArray<double>& y, const CString& duct, const Nodes& nodes)
{
    KeyTendon& tendon = kp.SteelAr.ElementAt(kp.SteelAr.Add(KeyTendon{}));
    tendon.Y = y;
    tendon.BseriesIndex = duct;
    for (const auto& given : nodes) {
        CPM001_CapKeyParam::NodeAr& node = tendon.Node.ElementAt(tendon.Node.Add(CPM001_CapKeyParam::NodeAr{}));
        node.X = given.X;
        node.refZ = given.refZ;
        node.Refline = given.Refline != 0 ? 1 : 0;
        node.R = given.R;
    }
}

// The bars counted along the tendons, from the tendons' design or from a key set.
template <class Source>
void TakeTendonBars(CPM001_CapKeyParam& kp, const Source& source)
{
    kp.SBtype = source.SBtype;
    kp.SBd = source.SBd;
    kp.Ldis = source.Ldis;
    kp.Cdis = source.Cdis;
}

} // namespace

CPM001_CapKeyParam CapKeyValuesOfDesign(const CPM001T0101Atom& cap, const CPM001DesignKeyRecord* record)
{
    CPM001_CapKeyParam kp;
    kp.fDistribute = cap.fDistribute;
    kp.fPosSdAndSt = cap.fPosSdAndSt;
    kp.fPosShAndSg = cap.fPosShAndSg;
    kp.fCapSep = cap.fSkewFrames == 1 ? 0 : 1;

    const auto& st = cap.st;
    kp.st_d = st.d;
    kp.st_type = st.type;
    kp.st_ua = st.ua;
    kp.st_sa = st.sa;
    kp.st_fLayMode = st.fLayMode;
    kp.st_fWeld = st.fWeld;
    kp.st_LstWeld = st.LstWeld;
    kp.st_fCalculateLarc = st.fCalculateLarc;
    kp.st_LeadPointR = st.LeadPointR;
    for (const auto* frame : st.Frame)
        if (frame) kp.FrameY.Add(frame->y);

    kp.sg_a = cap.sg.a;
    kp.sg_type = cap.sg.type;
    kp.sg_d = cap.sg.d;
    kp.sg_Min = cap.sg.Min;
    kp.sg_Max = cap.sg.Max;
    kp.sg_fLayMode = cap.sg.fLayMode;
    kp.sg_s = cap.sg.s;
    kp.sg_s2 = cap.sg.s2;
    kp.sg_fenG = cap.sg.fenG;
    kp.sg_s3 = cap.sg.s3;

    kp.sh_type = cap.sh.type;
    kp.sh_d = cap.sh.d;
    kp.sh_s = cap.sh.s;
    kp.sh_Min = cap.sh.Min;
    kp.sh_Max = cap.sh.Max;

    kp.sd_type = cap.sd.type;
    kp.sd_d = cap.sd.d;
    kp.sd_Min = cap.sd.Min;
    kp.sd_Max = cap.sd.Max;

    if (record) {
        kp.KeyLen1 = record->KeyLen1;
        kp.KeyLen2 = record->KeyLen2;
        kp.FrameName = record->FrameName;
        kp.FrameAr = record->FrameAr;
    }

    const CPM001T010401Atom* tendons = cap.JGType != 0 ? cap.st.pTendonAtom : nullptr;
    if (!tendons) return kp;
    for (const auto& steel : tendons->Steel)
        if (steel) AddStoredTendon(kp, steel->Y, steel->cl.BseriesIndex, steel->LNode);
    if (!kp.SteelAr.IsEmpty()) TakeTendonBars(kp, *tendons);
    return kp;
}

CPM001_CapKeyParam CapKeyValuesAsStored(const CPM001_CapKeyParam& given, bool tendonsLaid)
{
    CPM001_CapKeyParam kp;
    kp.fDistribute = given.fDistribute;
    kp.fPosSdAndSt = given.fPosSdAndSt;
    kp.fPosShAndSg = given.fPosShAndSg;
    kp.fCapSep = given.fCapSep == 0 ? 0 : 1;

    kp.st_d = given.st_d;
    kp.st_type = given.st_type;
    kp.st_ua = given.st_ua;
    kp.st_sa = given.st_sa;
    kp.st_fLayMode = given.st_fLayMode;
    kp.st_fWeld = given.st_fWeld;
    kp.st_LstWeld = given.st_LstWeld;
    kp.st_fCalculateLarc = given.st_fCalculateLarc;
    kp.st_LeadPointR = given.st_fCalculateLarc == 1 ? given.st_LeadPointR : 0.0;
    kp.FrameY = given.FrameY;

    kp.sg_a = given.sg_a;
    kp.sg_type = TruncatedInt(given.sg_type);
    kp.sg_d = given.sg_d;
    kp.sg_Min = given.sg_Min;
    kp.sg_Max = given.sg_Max;
    kp.sg_fLayMode = given.sg_fLayMode;
    kp.sg_s = given.sg_s;
    kp.sg_s2 = given.sg_s2;
    kp.sg_fenG = given.sg_fenG;
    kp.sg_s3 = given.sg_s3;

    kp.sh_type = given.sh_type;
    kp.sh_d = given.sh_d;
    kp.sh_s = given.sh_s;
    kp.sh_Min = given.sh_Min;
    kp.sh_Max = given.sh_Max;

    kp.sd_type = given.sd_type;
    kp.sd_d = given.sd_d;
    kp.sd_Min = given.sd_Min;
    kp.sd_Max = given.sd_Max;

    kp.KeyLen1 = given.KeyLen1;
    kp.KeyLen2 = given.KeyLen2;
    kp.FrameName = given.FrameName;
    kp.FrameAr = given.FrameAr;

    if (!tendonsLaid || given.SteelAr.IsEmpty()) return kp;
    for (const KeyTendon& definition : given.SteelAr)
        AddStoredTendon(kp, definition.Y, definition.BseriesIndex, definition.Node);
    TakeTendonBars(kp, given);
    return kp;
}
