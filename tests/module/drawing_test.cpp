// The pier's drawing: block-scale checks, the drawing-setting record, the alignment record, drawing
// and drawing adjustment.
#include "module/pier_component.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "drawing/align_setting.h"
#include "drawing/draw_adjust.h"
#include "drawing/draw_out.h"
#include "host/cpm001_input.h"
#include "host/project_manager.h"
#include "host/report.h"
#include "host/road_norm.h"
#include "module/owned_objects.h"
#include "pier/alignment_record.h"
#include "pier/drawing_setting_record.h"
#include "calc/pm001_calc.h"
#include "input/pier_origin_data.h"
#include "pier/drawing_options.h"
#include "pier/pier_design_record.h"
#include "pier/stopper_pedestal_atom.h"
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_cap_org.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing.h"
#include "siblings/spread_footing_org.h"
#include "siblings/tie_beams.h"

#include <gtest/gtest.h>

#include <string>

class CPM001NormDrawingTestAccess {
public:
    // Runs the scale checks and the record filling on a record of the caller's.
    static int SetDrawSetData(CPM001Norm& c, CDrawSetPM001& record, CPM001* input)
    {
        c.m_pDrawSet = &record;
        const int ok = c.SetDrawSetData(input);
        c.m_pDrawSet = nullptr;
        return ok;
    }
};

namespace {

class PierDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        ClearDrawOutHandOff();
        ClearAlignHandOffs();
        ClearAdjustDrawCompInfo();
        FillEveryMember(pier);
        pier.m_pAlignData.reset();
        pier.SetUIComponent(&input);
        pier.SetProjectManager(&project);
        pier.SetRoadNorm(&road);
        pier.SetID(7);
        pier.m_nFoundationKind = 0;
    }
    void TearDown() override { ReportLog::Current().Clear(); }

    int Fill(CDrawSetPM001& record) { return CPM001NormDrawingTestAccess::SetDrawSetData(pier, record, &input); }
    int Draw() { return static_cast<CComponentNorm&>(pier).DoDraw(); }
    static std::vector<std::string> Messages()
    {
        std::vector<std::string> out;
        for (const ReportEntry& e : ReportLog::Current().Entries()) out.emplace_back(e.message.GetString());
        return out;
    }

    CPM001 input;
    CProjectManager project;
    CRoadNorm road;
    CPM001Norm pier;
};

TEST_F(PierDrawing, ScalesAreCheckedInclusiveWithTheBlockLabelAndBothBoundsReported)
{
    input.rPM001T01GZ = "4.9";
    input.rPM001T01BIAOGE = "0.5";
    input.rPM001T01FUZHU = "1";          // the smallest scale of the notes
    input.rPM001T01GJ01LM = "500";
    input.rPM001T01GJ01DM = "500.1";
    input.rPG006T01DK = "5";
    input.rPM001T01GZJCPM = "abc";       // no number: not checked
    input.rPM001T010401HD = "0";
    CDrawSetPM001 record;
    EXPECT_EQ(Fill(record), 0);
    // The report helper closes each message with the key that is wrong.
    const std::vector<std::string> expected = {
        "“一般构造(立/平/侧面)”图块比例过小,不能小于5，rPM001T01GZ有错误．",
        "“盖梁钢筋构造断面”图块比例过大,不能大于500，rPM001T01GJ01DM有错误．",
        "“表格”图块比例过小,不能小于1，rPM001T01BIAOGE有错误．"};
    EXPECT_EQ(Messages(), expected);
    ASSERT_EQ(ReportLog::Current().Entries().size(), 3u);
    EXPECT_EQ(ReportLog::Current().Entries()[0].keys.Find("rPM001T01GZ"), 0);
    EXPECT_EQ(ReportLog::Current().Entries()[0].label, 7u);
    EXPECT_EQ(ReportLog::Current().Entries()[0].part, 6u);
    // The record is complete although a check failed.
    ASSERT_NE(record.pCap, nullptr);
    EXPECT_DOUBLE_EQ(record.dScaleGeneral, 4.9);
    EXPECT_DOUBLE_EQ(record.dScaleFoundationPlan, 0.0);
    EXPECT_DOUBLE_EQ(record.dScaleTable, 0.5);
}

TEST_F(PierDrawing, TableAndNoteScalesBetweenOneAndFivePassWhereTheOtherBlocksFail)
{
    // The table and the notes go down to 1, every other block to 5: 1, 3 and 4.99 pass for the
    // first two and fail for the general layout; 5 passes for all three.
    struct Case {
        const char* scale;
        bool generalFails;
    };
    for (const Case& c : {Case{"1", true}, Case{"3", true}, Case{"4.99", true}, Case{"5", false}}) {
        SCOPED_TRACE(c.scale);
        ReportLog::Current().Clear();
        input.rPM001T01BIAOGE = c.scale;
        input.rPM001T01FUZHU = c.scale;
        input.rPM001T01GZ = "100";
        CDrawSetPM001 tableAndNote;
        EXPECT_EQ(Fill(tableAndNote), 1);
        EXPECT_TRUE(Messages().empty());

        input.rPM001T01GZ = c.scale;
        CDrawSetPM001 general;
        EXPECT_EQ(Fill(general), c.generalFails ? 0 : 1);
        std::vector<std::string> expected;
        if (c.generalFails) expected.push_back("“一般构造(立/平/侧面)”图块比例过小,不能小于5，rPM001T01GZ有错误．");
        EXPECT_EQ(Messages(), expected);
    }
}

TEST(ColumnDrawing, ModesChooseTheViewsOfRectangularColumns)
{
    struct Case {
        int mode, first, second;
    };
    for (const Case& c : {Case{0, 1, 0}, Case{1, 0, 1}, Case{2, 1, 1}, Case{3, 0, 0}, Case{-1, 0, 0}}) {
        const ColumnViews views = RectColumnViews(c.mode);
        EXPECT_EQ(views.first, c.first) << "mode " << c.mode;
        EXPECT_EQ(views.second, c.second) << "mode " << c.mode;
    }
}

TEST_F(PierDrawing, TendonIntervalIsCheckedOnlyForAPrestressedCapWithTheTableAskedFor)
{
    input.DesignValue1 = 50.0;
    input.DesignOpt4 = 1;
    input.nStructureType = 1;
    CDrawSetPM001 ordinary;
    EXPECT_EQ(Fill(ordinary), 1);
    input.nStructureType = 0;
    input.DesignOpt4 = 0;
    CDrawSetPM001 noTable;
    EXPECT_EQ(Fill(noTable), 1);
    EXPECT_TRUE(Messages().empty());

    input.DesignOpt4 = 1;
    CDrawSetPM001 small;
    EXPECT_EQ(Fill(small), 0);
    input.DesignValue1 = 2000.5;
    CDrawSetPM001 large;
    EXPECT_EQ(Fill(large), 0);
    input.DesignValue1 = 2000.0;
    CDrawSetPM001 edge;
    EXPECT_EQ(Fill(edge), 1);
    const std::vector<std::string> expected = {"“钢束竖曲线坐标表中的X坐标间隔”过小,不能小于100，js有错误．",
                                               "“钢束竖曲线坐标表中的X坐标间隔”过大,不能大于2000，js有错误．"};
    EXPECT_EQ(Messages(), expected);
    EXPECT_EQ(ReportLog::Current().Entries()[0].keys.Find("js"), 0);
}

TEST_F(PierDrawing, RecordTakesScalesInItsOrderAndSwitchesInverted)
{
    // Scale of block n is 10 + n, so every field tells which block it came from.
    CString PM001DrawingInput::*blocks[15] = {
        &PM001DrawingInput::rPM001T01GZ, &PM001DrawingInput::rPM001T01GZJCPM,
        &PM001DrawingInput::rPM001T01GJ01LM, &PM001DrawingInput::rPM001T01GJ01DM,
        &PM001DrawingInput::rPM001T010401LMPM, &PM001DrawingInput::rPM001T010401HD,
        &PM001DrawingInput::rPM001T010401SW02, &PM001DrawingInput::rPM001T01_PC001DZGJLM,
        &PM001DrawingInput::rPM001T01_PC001DZGJDM, &PM001DrawingInput::rPM001T01_PG008T01XB010203,
        &PM001DrawingInput::rPG006T01DK, &PM001DrawingInput::rPG006T01DS,
        &PM001DrawingInput::rPM001T02DSLMPM, &PM001DrawingInput::rPM001T01BIAOGE,
        &PM001DrawingInput::rPM001T01FUZHU};
    for (int i = 0; i < 15; ++i) input.*blocks[i] = CString(std::to_string(11 + i).c_str());
    input.DrawSwitchA = 0;
    input.DrawSwitchB = 1;
    input.DrawSwitchC = 1;
    input.DrawSwitchD = 0;
    input.DesignOpt8 = 0;
    input.DesignSwitch1 = 1;
    input.DesignSwitch5 = 0;
    input.DrawOptB = 1;
    input.DrawOptC = 1;
    input.fVarjichupmt = 3;
    input.DrawText1 = "甲";
    pier.m_bStopperPedestal = 1;
    pier.m_bPierTieBeams = 1;
    pier.m_nColumnShape = 1;
    project.GetDrawingSetting()->m_LayerLineType.setting = 0;

    CDrawSetPM001 r;
    ASSERT_EQ(Fill(r), 1);
    const double pier13to22[] = {r.dScaleNote, r.dScaleTable, r.dScaleGeneral, r.dScaleFoundationPlan,
                                 r.dScaleTendon, r.dScaleTendonSection, r.dScaleTendonDetail, r.dScalePedestal,
                                 r.dScaleStopper, r.dScaleStopperLayout};
    const double blocks13to22[] = {15, 14, 1, 2, 5, 6, 7, 12, 11, 13};
    for (int i = 0; i < 10; ++i) EXPECT_DOUBLE_EQ(pier13to22[i], 10 + blocks13to22[i]) << i;
    EXPECT_EQ(r.bLayerByType, 1);
    EXPECT_EQ(r.nVarjichupmt, 3);
    EXPECT_EQ(r.bSwitch1, 0);
    EXPECT_EQ(r.bSwitch5, 1);
    EXPECT_EQ(r.bDrawOpt8, 1);
    EXPECT_EQ(r.szText1, "甲");

    ASSERT_NE(r.pFooting, nullptr);
    EXPECT_EQ(r.pPile, nullptr);
    EXPECT_EQ(r.pPileCap, nullptr);
    ASSERT_NE(r.pStopperPedestal, nullptr);
    EXPECT_DOUBLE_EQ(r.pStopperPedestal->dScaleStopper, 21.0);
    EXPECT_DOUBLE_EQ(r.pStopperPedestal->dScalePedestal, 22.0);
    ASSERT_NE(r.pPierTieBeam, nullptr);
    EXPECT_EQ(r.pPierTieBeam->bDraw, 1);   // switched off, but circular columns always draw it
    EXPECT_DOUBLE_EQ(r.pPierTieBeam->dScaleTieBeam, 20.0);
    ASSERT_NE(r.pColumn, nullptr);
    EXPECT_EQ(r.pColumn->nDrawMode, 1);
    EXPECT_EQ(r.pColumn->bDrawA, 1);
    EXPECT_EQ(r.pColumn->bDrawB, 0);
    EXPECT_DOUBLE_EQ(r.pColumn->dScaleElevation, 18.0);
    EXPECT_DOUBLE_EQ(r.pColumn->dScaleSection, 19.0);
    ASSERT_NE(r.pCap, nullptr);
    EXPECT_DOUBLE_EQ(r.pCap->dScaleElevation, 13.0);
    EXPECT_DOUBLE_EQ(r.pCap->dScaleSection, 14.0);
    EXPECT_EQ(r.pCap->fCapDrawOpt, 1);
    EXPECT_EQ(r.pCap->bSwitchC, 0);

    // Layers follow line types only when the project does not already set them (setting 1).
    project.GetDrawingSetting()->m_LayerLineType.setting = 1;
    pier.m_nColumnShape = 0;
    pier.m_bStopperPedestal = 0;
    pier.m_bPierTieBeams = 0;
    pier.m_nFoundationKind = 2;
    CDrawSetPM001 second;
    Fill(second);
    EXPECT_EQ(second.bLayerByType, 0);
    EXPECT_EQ(second.pStopperPedestal, nullptr);
    EXPECT_EQ(second.pPierTieBeam, nullptr);
    EXPECT_EQ(second.pFooting, nullptr);
    EXPECT_NE(second.pPileCap, nullptr);
}

TEST_F(PierDrawing, DrawingBeforeADesignDrawsNothing)
{
    pier.m_pCapBeamAtom.reset();
    EXPECT_EQ(Draw(), 0);
    EXPECT_EQ(pier.DoDrawAdjust(), 0);
    EXPECT_EQ(pier.m_pDrawSet, nullptr);
    EXPECT_EQ(pier.m_pAlignData, nullptr);
    EXPECT_FALSE(LastDrawOutHandOff().has_value());

    FillEveryMember(pier);
    pier.m_pAlignData.reset();
    pier.SetUIComponent(nullptr);
    EXPECT_EQ(Draw(), 0);
    EXPECT_EQ(pier.m_pAlignData, nullptr);
}

TEST_F(PierDrawing, DrawingFillsTheAlignmentRecordAndUnhooksTheSettings)
{
    ASSERT_EQ(Draw(), 1);
    EXPECT_EQ(pier.m_pDrawSet, nullptr);
    ASSERT_NE(pier.m_pAlignData, nullptr);
    EXPECT_EQ(pier.m_pAlignData->pPG001->nMode, 1);   // spread footing marks its record
    EXPECT_NE(pier.m_pAlignData->pCap, nullptr);
    EXPECT_NE(pier.m_pAlignData->pColumnZD02, nullptr);
    ASSERT_TRUE(LastDrawOutHandOff().has_value());
    EXPECT_EQ(LastDrawOutHandOff()->component, &pier);
    ASSERT_TRUE(LastAlignHandOff().has_value());
    EXPECT_EQ(LastAlignHandOff()->align, pier.m_pAlignData.get());

    // A second drawing replaces the record.
    const CAlignDataPM001* first = pier.m_pAlignData.get();
    ClearDrawOutHandOff();
    input.rPM001T01GZ = "501";
    EXPECT_EQ(Draw(), 0);   // a bad scale stops before anything is drawn
    EXPECT_FALSE(LastDrawOutHandOff().has_value());
    EXPECT_EQ(pier.m_pAlignData.get(), first);
    EXPECT_EQ(pier.m_pDrawSet, nullptr);
}

TEST_F(PierDrawing, MembersThatCannotBeAlignedStopTheDrawing)
{
    pier.m_nFoundationKind = 2;
    pier.m_nPileCapVariant = 2;   // the third pile-cap body has no alignment record
    EXPECT_EQ(Draw(), 0);
    ASSERT_NE(pier.m_pAlignData, nullptr);
    EXPECT_NE(pier.m_pAlignData->pCT01, nullptr);   // children were made before it stopped
    EXPECT_FALSE(LastDrawOutHandOff().has_value());

    pier.m_nPileCapVariant = 0;
    EXPECT_EQ(Draw(), 1);

    // A member the pier's flags ask for but that was never designed.
    pier.m_bPierTieBeams = 1;
    pier.m_pPierTieBeamAtom.reset();
    EXPECT_EQ(Draw(), 0);
    pier.m_bPierTieBeams = 0;
    pier.m_nFoundationKind = 1;
    pier.m_pPileOrg.reset();
    EXPECT_EQ(Draw(), 0);
}

TEST_F(PierDrawing, AdjustmentHandsTheComponentToTheToolEvenAfterABadScale)
{
    project.SetProjectPath("D:\\桥\\");
    project.SetProjectName("工程");
    road.SetName("主线");
    pier.m_nFoundationKind = 1;
    pier.m_pAtom->BaseType = 1;
    pier.m_bPierTieBeams = 0;
    input.rPM001T01GZ = "1";   // out of range, reported, not stopping

    EXPECT_EQ(pier.DoDrawAdjust(), 1);
    EXPECT_EQ(pier.m_pDrawSet, nullptr);
    EXPECT_NE(pier.m_pAlignData, nullptr);
    EXPECT_EQ(Messages().size(), 1u);
    ASSERT_TRUE(LastDrawingSetting().has_value());
    EXPECT_EQ(LastDrawingSetting()->m_nComponentCode, 1048597);
    EXPECT_EQ(LastDrawingSetting()->m_nBaseType, 2);
    EXPECT_NE(LastDrawingSetting()->m_pDrawSet, nullptr);   // the record while it lived
    ASSERT_TRUE(LastAdjustDrawCompInfo().has_value());
    const CAdjustDrawCompInfo& info = *LastAdjustDrawCompInfo();
    EXPECT_EQ(info.szProjectPath, "D:\\桥");
    EXPECT_EQ(info.szProjectName, "工程");
    EXPECT_EQ(info.nComponentID, 7u);
    EXPECT_EQ(info.szRoadName, "主线");
    EXPECT_EQ(info.pComponent, &pier);
    EXPECT_EQ(info.nComponentCode, 1048597);
    EXPECT_EQ(g_pGetComponentGraphFunc, &KVDrawOut_GetComponentGraph);
}

}  // namespace
