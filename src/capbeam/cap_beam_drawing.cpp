// CPM001T0101Atom: the cap beam's drawing settings adjustment and its alignment data.
#include "capbeam/cap_beam_reinforcement.h"

#include "common/is_equal.h"
#include "pier/alignment_record.h"
#include "pier/drawing_setting_record.h"
#include "tendon/design_object.h"

#include <algorithm>
#include <vector>

using KVDataCommon::IsEqual;

namespace {

// A tendon's X coordinates go into the coordinate table in rows of this many.
constexpr int kTendonXPerRow = 35;

bool AnyContains(const CStringArray& texts, const char* what)
{
    for (int i = 0; i < texts.GetSize(); ++i)
        if (texts[i].Find(what) >= 0) return true;
    return false;
}

bool AnyOtherThanSlash(const CStringArray& texts)
{
    for (int i = 0; i < texts.GetSize(); ++i)
        if (texts[i] != "/") return true;
    return false;
}

} // namespace

int CPM001T0101Atom::SetDrawSetData(CDrawSetCap* set) const
{
    if (!set) return 0;
    set->fSymDraw = set->fSymDraw != 0 && fSymmetry != 0 ? 1 : 0;
    set->fNoteDM = fNoteFormDM == 0 ? 1 : 0;
    return 1;
}

int CPM001T0101Atom::SetDrawData_PT(CAlignDataCap* cap, int fSymDraw, int fCapDrawOpt) const
{
    if (!cap) return 0;
    CAlignDataCap& d = *cap;
    d.bBg = bBg;

    // Main skeletons: one frame per distinct order position, the first of each in frame order.
    d.fSk = 0;
    std::vector<int> seenSorts;
    for (int i = 0; i < st.Frame.GetSize(); ++i) {
        const FrameAr* frame = st.Frame[i];
        if (!frame || frame->fsk == 0) continue;
        d.fSk = 1;
        if (std::find(seenSorts.begin(), seenSorts.end(), frame->sort) != seenSorts.end()) continue;
        seenSorts.push_back(frame->sort);
        d.SkFrame.push_back(i);
    }
    d.nSk = static_cast<int>(seenSorts.size());

    // Frame-table rows with something other than "/" in one of their cells.
    for (int k = 0; k < st.tFrame.GetSize(); ++k) {
        const tFrameAr* row = st.tFrame[k];
        if (row && (AnyOtherThanSlash(row->szX1) || AnyOtherThanSlash(row->szX2) || AnyOtherThanSlash(row->szX3) ||
                    AnyOtherThanSlash(row->szX4)))
            d.tFrameRow.push_back(k);
    }

    // Stations that start a section kind.
    d.nDM = 0;
    for (int k = 0; k < fDM.GetSize(); ++k) {
        if (fDM[k] == 0) continue;
        ++d.nDM;
        d.DMIndex.push_back(k);
    }
    std::sort(d.DMIndex.begin(), d.DMIndex.end());

    // Dimension labels with an X term, schedule segments with an L term.
    d.fX = 0;
    for (int list = 0; list < 4 && !d.fX; ++list) {
        for (int i = 0; i < st.Frame.GetSize() && !d.fX; ++i) {
            const FrameAr* frame = st.Frame[i];
            if (!frame) continue;
            const CStringArray* labels[] = {&frame->difLabel1, &frame->difLabel2, &frame->difLabel3, &frame->difLabel4};
            if (AnyContains(*labels[list], "X")) d.fX = 1;
        }
    }
    d.fL = 0;
    for (int r = 0; r < st.Rn.GetSize() && !d.fL; ++r)
        if (AnyContains(st.Rn[r].szL, "L")) d.fL = 1;

    d.hHgl = hHgl;
    d.lGL = lWg;   // the alignment record names the cap-beam width lGL
    d.fSymDraw = fSymDraw;
    d.fCapDrawOpt = fCapDrawOpt;
    d.nInclMarks = nInclMarks;

    // Stirrup views: the plain one, the variable-height ends, the skewed layout.
    d.nSg = 1;
    if (!IsEqual(bBpl, 0.0) && !IsEqual(bBpr, 0.0)) ++d.nSg;
    if (sg.fLayMode == 0 && !IsEqual(a, 0.0)) ++d.nSg;

    // Schedule segment labels with an L term, plus one per row that has any.
    d.nLText = 0;
    for (int r = 0; r < st.Rn.GetSize(); ++r) {
        const CStringArray& labels = st.Rn[r].szL;
        int found = 0;
        for (int i = 0; i < labels.GetSize(); ++i)
            if (labels[i].Find("L") >= 0) ++found;
        d.nLText += found;
        if (found > 0) ++d.nLText;
    }

    // Tendons of a prestressed cap beam.
    const CPM001T010401Atom* tendons = m_pTendonAtom.get();
    if (PMorPT != 0 && JGType != 0 && tendons) {
        d.nSteel = static_cast<int>(tendons->Steel.size());
        for (int i = 0; i < d.nSteel; ++i) d.SteelIndex.push_back(i);

        std::vector<int> kinds;
        for (int i = 0; i < tendons->enSection.GetSize(); ++i) kinds.push_back(tendons->enSection[i]);
        std::sort(kinds.begin(), kinds.end());
        kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
        d.nSteelSection = static_cast<int>(kinds.size());
        d.SteelSection = kinds;

        d.FVszb = tendons->FVszb;
        d.fSymSteel = tendons->fSymLayout;
        d.fSteel = d.nSteel >= 1 ? 1 : 0;
        d.FVcurve = tendons->FVcurve;
        d.fCurveYs = tendons->FVcurve != 0 && tendons->FVys != 0 ? 1 : 0;
        d.fCurveNoYs = tendons->FVcurve != 0 && tendons->FVys == 0 ? 1 : 0;

        d.nSteelXRow = 0;
        for (const auto& steel : tendons->Steel) {
            const int count = steel ? steel->X.GetSize() : 0;
            d.SteelXCount.push_back(count);
            d.nSteelXRow += count / kTendonXPerRow + 1;
        }
    }
    return 1;
}
