// The cap beam's drawing settings adjustment and alignment data, on hand-made designs.
#include "capbeam/cap_beam_reinforcement_test_support.h"

#include "pier/alignment_record.h"
#include "pier/drawing_setting_record.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace {

CStringArray Texts(std::initializer_list<const char*> texts)
{
    CStringArray out;
    for (const char* t : texts) out.Add(CString(t));
    return out;
}

void AddFrame(CPM001T0101Atom& atom, int fsk, int sort)
{
    auto frame = std::make_unique<CPM001T0101Atom::FrameAr>();
    frame->fsk = fsk;
    frame->sort = sort;
    atom.st.Frame.AddOwned(std::move(frame));
}

void AddScheduleRow(CPM001T0101Atom& atom, std::initializer_list<const char*> labels)
{
    CPM001T0101Atom::tRn row;
    row.szL = Texts(labels);
    atom.st.Rn.Add(row);
}

TEST(CapBeamDrawSettings, HalfDrawingOnlyForASymmetricLayoutAndSectionNotes)
{
    CPM001T0101Atom atom;
    CDrawSetCap set;
    set.fSymDraw = 1;
    EXPECT_EQ(atom.SetDrawSetData(&set), 1);
    EXPECT_EQ(set.fSymDraw * 10 + set.fNoteDM, 1);   // not symmetric; sections not noted in a form
    atom.fSymmetry = atom.fNoteFormDM = 1;
    atom.SetDrawSetData(&set);
    EXPECT_EQ(set.fSymDraw * 10 + set.fNoteDM, 0);   // an option left off stays off
    set.fSymDraw = 2;
    atom.SetDrawSetData(&set);
    EXPECT_EQ(set.fSymDraw, 1);
    EXPECT_EQ(atom.SetDrawSetData(nullptr), 0);
}

TEST(CapBeamAlignment, FramesTableRowsSectionsAndLabels)
{
    CPM001T0101Atom atom;
    for (auto [fsk, sort] : {std::pair{1, 4}, {1, 4}, {0, 9}, {1, 7}}) AddFrame(atom, fsk, sort);
    atom.st.Frame[3]->difLabel3 = Texts({"1200", "2X150"});
    auto slashes = std::make_unique<CPM001T0101Atom::tFrameAr>();
    slashes->szX1 = Texts({"/", "/"});
    auto oneValue = std::make_unique<CPM001T0101Atom::tFrameAr>();
    oneValue->szX3 = Texts({"/", "2"});
    atom.st.tFrame.AddOwned(std::move(slashes));
    atom.st.tFrame.AddOwned(std::move(oneValue));
    for (int v : {1, 0, 0, 1, 1}) atom.fDM.Add(v);
    AddScheduleRow(atom, {"L1", "/", "L"});   // 2 labels + 1 for the row
    AddScheduleRow(atom, {"/"});
    AddScheduleRow(atom, {"L2"});             // 1 label + 1 for the row
    atom.lWg = 11000.0;
    atom.nInclMarks = 4;

    CAlignDataCap cap;
    EXPECT_EQ(atom.SetDrawData_PT(&cap, 1, 1), 1);
    EXPECT_EQ(cap.fSk * 10 + cap.nSk, 12);
    EXPECT_EQ(cap.SkFrame, (std::vector<int>{0, 3}));   // frame 2 is secondary though its sort is new
    EXPECT_EQ(cap.tFrameRow, (std::vector<int>{1}));
    EXPECT_EQ(cap.nDM, 3);
    EXPECT_EQ(cap.DMIndex, (std::vector<int>{0, 3, 4}));
    EXPECT_EQ(cap.fX * 10 + cap.fL, 11);
    EXPECT_EQ(cap.nLText, 5);
    EXPECT_EQ(cap.lGL, 11000.0);
    EXPECT_EQ(cap.fSymDraw + cap.fCapDrawOpt + cap.nInclMarks, 6);

    CPM001T0101Atom plain;
    AddFrame(plain, 0, 1);
    AddScheduleRow(plain, {"/"});
    CAlignDataCap none;
    plain.SetDrawData_PT(&none, 0, 0);
    EXPECT_EQ(none.fSk + none.nSk + none.fX + none.fL + none.nLText, 0);
    EXPECT_EQ(plain.SetDrawData_PT(nullptr, 0, 0), 0);
}

TEST(CapBeamAlignment, StirrupViewCount)
{
    struct Case { double bBpl, bBpr; int layMode; double a; int expected; };
    for (Case c : {Case{500, 500, 0, 0.1, 3}, Case{500, 0, 0, 0.1, 2}, Case{500, 500, 1, 0.1, 2},
                   Case{500, 0, 0, 0.0, 1}}) {
        CPM001T0101Atom atom;
        atom.bBpl = c.bBpl;
        atom.bBpr = c.bBpr;
        atom.sg.fLayMode = c.layMode;
        atom.a = c.a;
        CAlignDataCap cap;
        atom.SetDrawData_PT(&cap, 0, 0);
        EXPECT_EQ(cap.nSg, c.expected) << c.bBpl << " " << c.bBpr << " " << c.layMode << " " << c.a;
    }
}

TEST(CapBeamAlignment, TendonsOnlyWhenPrestressedAndBothFlagsSet)
{
    for (int pmOrPt : {1, 0}) {
        CPM001T0101Atom atom;
        atom.JGType = 1;
        atom.PMorPT = pmOrPt;
        auto tendons = std::make_unique<CPM001T010401Atom>();
        for (int count : {34, 35, 0}) {
            auto steel = std::make_unique<CPM001T010401Atom::M_Steel>();
            for (int i = 0; i < count; ++i) steel->X.Add(100.0 * i);
            tendons->Steel.push_back(std::move(steel));
        }
        for (int kind : {3, 1, 3, 2}) tendons->enSection.Add(kind);
        tendons->FVcurve = tendons->FVszb = tendons->fSymLayout = 1;
        CPM001T0101AtomTestAccess::AdoptTendon(atom, std::move(tendons));
        CAlignDataCap cap;
        atom.SetDrawData_PT(&cap, 0, 0);
        if (pmOrPt == 0) {
            EXPECT_EQ(cap.nSteel + cap.fSteel + cap.nSteelXRow, 0);
            continue;
        }
        EXPECT_EQ(cap.SteelIndex, (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(cap.nSteel * 10 + cap.fSteel, 31);
        EXPECT_EQ(cap.SteelSection, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(cap.nSteelSection, 3);
        EXPECT_EQ(cap.FVszb + cap.fSymSteel + cap.FVcurve, 3);
        EXPECT_EQ(cap.fCurveYs * 10 + cap.fCurveNoYs, 1);   // curve without its coordinate table
        EXPECT_EQ(cap.SteelXCount, (std::vector<int>{34, 35, 0}));
        EXPECT_EQ(cap.nSteelXRow, 4);                        // 1 + 2 + 1
    }
    CPM001T0101Atom noTendons;
    noTendons.JGType = noTendons.PMorPT = 1;
    CAlignDataCap empty;
    EXPECT_EQ(noTendons.SetDrawData_PT(&empty, 0, 0), 1);
    EXPECT_EQ(empty.nSteel, 0);
}

} // namespace
