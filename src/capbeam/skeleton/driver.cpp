// CPM001T0101Atom: the welded-skeleton design — set-up of the skeleton values, the bar families run
// once for all frames, the frames, the frame drawn in elevation, the frame table and the bar schedule.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/skeleton/bent_up_bars.h"
#include "capbeam/skeleton/bottom_cut_off_bars.h"
#include "capbeam/skeleton/inclined_bars.h"
#include "capbeam/skeleton/driver.h"
#include "capbeam/skeleton/frames.h"
#include "capbeam/skeleton/top_cut_off_bars.h"
#include "common/bar_sizes.h"
#include "common/bar_spacing.h"
#include "common/is_equal.h"
#include "host/report.h"
#include "tendon/design_object.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Atom = CPM001T0101Atom;
using KVDataCommon::IsEqual;

// The top and bottom cut-off bars over the support lines and in the spans.
using CapBeamCutOffBars::GetGJFrame_DCJDJ;
using CapBeamCutOffBars::GetGJFrame_DXJDJ;
// The standard inclined bars beside the support lines and at the beam ends.
using CapBeamInclinedBars::GetGJFrame_BZXJ;

// The bent-up bars with their arcs over the support lines.
using CapBeamBentUpBars::GetGJFrame_WQJ;

// Element j against element m - 1 - j for every j: the list reads the same from both ends.
template <class List, class Same>
bool ReadsSameBothWays(const List& list, Same same)
{
    const int m = list.GetSize();
    for (int j = 0; j < m; ++j) {
        if (!same(list[j], list[m - 1 - j])) return false;
    }
    return true;
}

bool SameReal(double l, double r) { return IsEqual(l, r) != 0; }

// A main frame's bar groups mirror about the beam's middle: group j matches group m - 1 - j entry
// by entry. A secondary frame's cut-off lengths read the same from both ends.
bool KeyFrameMirrors(const struct CPM001_CapKeyParam::FrameAr& record)
{
    if (record.fGJJ == 0) return ReadsSameBothWays(record.LenT, SameReal) && ReadsSameBothWays(record.LenB, SameReal);
    return ReadsSameBothWays(record.GJJ, [](const CArray<CPM001_CapKeyParam::M_GJJ>& l,
                                            const CArray<CPM001_CapKeyParam::M_GJJ>& r) {
        if (l.GetSize() != r.GetSize()) return false;
        for (int e = 0; e < l.GetSize(); ++e) {
            if (l[e].fBar != r[e].fBar || l[e].fWQ != r[e].fWQ || l[e].fXJ != r[e].fXJ || !IsEqual(l[e].dx, r[e].dx))
                return false;
        }
        return true;
    });
}

// Builds, in the scratch row, the schedule row of the through bars of one layer: its mark, the
// number of frames carrying it, the bar's length and one "/" per segment.
const Atom::tRn& ThroughBarRow(Atom& atom, const CString& mark, const IntArray& frames, int layer)
{
    Atom::tRn& row = atom.ScratchRow;
    row.R = mark;
    row.n = frames.GetSize();
    row.TL = 0.0;
    row.szL.RemoveAll();
    // The outer-end lengths belong to the cut-off rows; a through bar has none.
    row.L1 = 0.0;
    row.L2 = 0.0;
    if (layer < atom.ThroughBars.GetSize()) {
        const Atom::singAr& bar = atom.ThroughBars[layer];
        row.TL = bar.sTL;
        for (int s = 1; s < bar.PtAr.GetSize(); ++s) row.szL.Add("/");
    }
    return row;
}

void AppendRows(CArray<Atom::tRn>& schedule, const CArray<Atom::tRn>& rows)
{
    for (const Atom::tRn& row : rows) schedule.Add(row);
}

} // namespace

namespace CapBeamSkeleton {

int LayoutSymmetry(const CPM001T0101Atom& atom, const CPM001_CapKeyParam& kp)
{
    if (atom.GetSkeletonLayout() == Atom::SkeletonLayout::AlongSkew || atom.fSymmetric == 0) return 0;
    if (!ReadsSameBothWays(atom.enSection, [](int l, int r) { return l == r; })) return 0;
    // Lists of different lengths cannot mirror each other.
    const IntArray& left = atom.sg.lns2;
    const IntArray& right = atom.sg.rns2;
    if (left.GetSize() != right.GetSize()) return 0;
    for (int j = 0; j < left.GetSize(); ++j) {
        if (left[j] != right[left.GetSize() - 1 - j]) return 0;
    }
    for (const auto& record : kp.FrameAr) {
        if (!KeyFrameMirrors(record)) return 0;
    }
    return 1;
}

void MirrorWholeBeamBentLabels(CPM001T0101Atom& atom)
{
    const int lastGroup = 2 * atom.nPier - 1;
    for (const Atom::M_WQJ_R* bent : atom.BentBars) {
        if (!bent || !bent->pWQJ || bent->pWQJ->nB != 0 || bent->pWQJ->nC != lastGroup) continue;
        for (Atom::tRn& row : atom.BentRows) {
            if (row.R != bent->R) continue;
            const int m = row.szL.GetSize();
            for (int j = m / 2 + 1; j < m; ++j) {
                if (row.szL[j].Find("L") >= 0) row.szL[j] = row.szL[m - 1 - j];
            }
        }
    }
}

void SectionKindFlags(CPM001T0101Atom& atom)
{
    const IntArray& kinds = atom.enSection;
    atom.fBearAndMidSpan = 0;
    if (kinds.GetSize() > 1) {
        atom.fBearAndMidSpan = std::all_of(kinds.begin(), kinds.end(), [&](int k) { return k == kinds[0]; }) ? 1 : 0;
    }
    atom.fDM.RemoveAll();
    atom.fDM.SetSize(kinds.GetSize());
    for (int j = 0; j < kinds.GetSize(); ++j) {
        const bool seenBefore = std::find(kinds.begin(), kinds.begin() + j, kinds[j]) != kinds.begin() + j;
        atom.fDM[j] = seenBefore ? 0 : 1;
    }
}

void GroupByName(const CStringArray& names, IntArray& groups)
{
    std::vector<CString> distinct;
    groups.RemoveAll();
    for (const CString& name : names) {
        auto found = std::find(distinct.begin(), distinct.end(), name);
        if (found == distinct.end()) found = distinct.insert(distinct.end(), name);
        groups.Add(static_cast<int>(found - distinct.begin()) + 1);
    }
}

void BuildBarSchedule(CPM001T0101Atom& atom)
{
    CArray<Atom::tRn>& schedule = atom.st.Rn;
    schedule.RemoveAll();
    if (!atom.TopThroughList.IsEmpty()) schedule.Add(ThroughBarRow(atom, atom.TopThroughMark, atom.TopThroughList, 0));
    if (!atom.BottomThroughList.IsEmpty())
        schedule.Add(ThroughBarRow(atom, atom.BottomThroughMark, atom.BottomThroughList, 1));

    // A mark cut in both passes is one row, placed with the main skeletons' rows.
    for (Atom::tRn& row : atom.TopCutRows) {
        for (int q = 0; q < atom.TopCutRows2.GetSize(); ++q) {
            if (atom.TopCutRows2[q].R != row.R) continue;
            row.n += atom.TopCutRows2[q].n;
            atom.TopCutRows2.RemoveAt(q);
            break;
        }
    }
    AppendRows(schedule, atom.TopCutRows);
    AppendRows(schedule, atom.BentRows);
    AppendRows(schedule, atom.BentArcRows);
    AppendRows(schedule, atom.InclRows);
    AppendRows(schedule, atom.TopCutRows2);
    AppendRows(schedule, atom.BottomCutRows);
}

} // namespace CapBeamSkeleton

int CPM001T0101Atom::SetstData(CPM001_CapKeyParam* kp)
{
    if (!kp) return 0;
    // The frame list points into the frame store; a second design of the same object would
    // resize the store under it. A design is made once, on a fresh object.
    if (fFamiliesDone != 0 || !HDM.IsEmpty() || !FrameStore.IsEmpty() || !st.Frame.IsEmpty() || !st.tFrame.IsEmpty()) {
        QMReportError("计算错误06082001：盖梁骨架钢筋已设计，不能重复设计！", 0);
        return 0;
    }

    // Covers and frame positions.
    st.da = st.ua;
    FrameY.Copy(kp->FrameY);

    // Beam heights at the supports and mid-spans.
    for (int k = 0; k < nPier; ++k) {
        const double x = GetFame_ZDX1(k, 0.0);
        HDM.Add(GetFame_XZ(x) + st.ua);
        if (k < nPier - 1) {
            const double next = GetFame_ZDX1(k + 1, 0.0);
            HDM.Add(GetFame_XZ((x + next) / 2.0) + st.ua);
        }
    }

    // Side cover of the outermost frame: the frame farthest from the beam axis, on either side.
    double outermost = 0.0;
    for (double y : FrameY) outermost = std::max(outermost, std::fabs(y));
    st.a = lWg / 2.0 - outermost;

    st.stt = "顶层通常筋";
    st.stb = "底层通长筋";
    st.sttc = "顶层截断筋";
    st.stbc = "底层截断筋";
    st.stw = "弯起筋";
    st.stx = "标准斜筋";

    // Welds: 10 d on one side or 5 d on both, never longer than the short end legs.
    st.LWeld = st.fWeld == 0 ? st.d * 10.0 : st.d * 5.0;
    if (st.LstWeld < st.LWeld) st.LWeld = st.LstWeld;

    // The tendons are designed with the skeleton; a tendon failure has reported itself and does
    // not stop the ordinary reinforcement.
    if (JGType != 0 && !kp->SteelAr.IsEmpty() && m_pTendonAtom) m_pTendonAtom->DoDesign(kp);

    // Spacing of the frames across the beam. A single frame has no spacing.
    const int n = kp->FrameName.GetSize();
    st.Min = 80.0;
    st.nFrame = n;
    st.ns = n - 3;
    const double width = lWg - 2.0 * st.a;
    const double spacing = n > 1 ? width / (n - 1) : 0.0;
    KVDataCommon::BJ16(width, st.Min, spacing, st.ns, st.s, st.as);

    KeyLen1 = kp->KeyLen1;
    KeyLen2 = kp->KeyLen2;
    WeldArcR = kp->WeldArcR;
    st.fCalculateLarc = kp->st_fCalculateLarc;
    if (st.fCalculateLarc == 1) {
        st.LeadPointR = kp->st_LeadPointR;
        st.LeadPointR2 = 2.5 * st.d;
    } else {
        st.LeadPointR = 0.0;
        st.LeadPointR2 = 0.0;
    }

    // The bar families, built once for all frames (a skeleton without frames has none), then the
    // frames that read them.
    if (n > 0 && GetAllFrameRi(*kp) == 0) return 0;
    FrameStore.SetSize(n);
    for (int i = 0; i < n; ++i) {
        GetFrame(*kp, i, FrameStore[i]);
        st.Frame.Add(&FrameStore[i]);
    }

    // The frame drawn in elevation.
    if (n > 0) {
        int shown = 0;
        if (fDrawLMByFsk == 0) {
            shown = a > 0.0 ? n - 1 : 0;
        } else {
            for (int i = 0; i < n; ++i) {
                if (FrameStore[i].fsk != 0) {
                    shown = i;
                    break;
                }
            }
        }
        FrameStore[shown].fDrawLM = 1;
    }

    if (CapBeamSkeleton::BuildFrameTable(*this) == 0) {
        QMReportError("计算错误06082003：盖梁骨架分组为空，无法生成骨架表！", 0);
        return 0;
    }

    // The bar schedule: through bars, then the cut-off bars of the main skeletons (with the rows
    // of the secondary skeletons that carry the same mark), bent-up bars and their arcs, standard
    // inclined bars, the remaining secondary cut-off bars and the bottom cut-off bars.
    CapBeamSkeleton::BuildBarSchedule(*this);

    if (fSymmetry == 0) fZT = 0;
    return 1;
}

int CPM001T0101Atom::GetAllFrameRi(CPM001_CapKeyParam& kp)
{
    dMainBarWd = KVDataCommon::wd(st.d, st.type);
    dWeldLen = st.LstWeld;

    // The through bars' outlines are what every other family builds on.
    if (GetPYXTCJpaAr() == 0) return 0;

    TopThroughMark = "";
    BottomThroughMark = "";
    GetGJFrame_TCJBH(kp, TopThroughMark, TopThroughList, BottomThroughMark, BottomThroughList);

    GetGJFrame_DCJDJ(*this, kp, 1, TopCutBars, TopCutRows);
    GetGJFrame_WQJ(*this, kp, BentBars, BentArcs, BentRows, BentArcRows);
    GetGJFrame_BZXJ(*this, kp, InclBars, InclRows);
    GetGJFrame_DCJDJ(*this, kp, 0, TopCutBars2, TopCutRows2);
    GetGJFrame_DXJDJ(*this, kp, BottomCutBars, BottomCutRows);

    // The through bars come last: the bent bars decide which of them stands inside at the ends.
    ThroughBars.RemoveAll();
    ThroughBars.SetSize(2);
    GetGJFrame_TCJ(ThroughBars.GetData());

    // Copies for frames that carry only one through bar: nothing is welded to them.
    ThroughBarsPlain.RemoveAll();
    ThroughBarsPlain.SetSize(2);
    for (int layer = 0; layer < 2; ++layer) {
        ThroughBarsPlain[layer] = ThroughBars[layer];
        for (M_XZR& v : ThroughBarsPlain[layer].PtAr) {
            v.fH = 0;
            v.fHzy = 0;
            v.fHsx = 0;
            v.LH = 0.0;
        }
    }

    GetenSectionAr(kp, enSection);

    fSymmetry = CapBeamSkeleton::LayoutSymmetry(*this, kp);
    if (fSymmetry != 0) CapBeamSkeleton::MirrorWholeBeamBentLabels(*this);

    if (enSection.IsEmpty()) {
        QMReportError("计算错误06082002：盖梁截面类型为空，骨架钢筋设计失败！", 0);
        return 0;
    }
    CapBeamSkeleton::SectionKindFlags(*this);

    if (GetSkeletonLayout() == SkeletonLayout::Across || IsEqual(a, 0.0)) CapBeamSkeleton::GroupByName(kp.FrameName, FrameGroup);
    else GetFramesort(kp, FrameGroup);

    fFamiliesDone = 1;
    return 1;
}
