// The calculation report's data, its paths, and the hand-off to the user-adjustment tool.
#include "module/pier_component.h"

#include "calc/pm001_calc.h"
#include "calc/pm001_paper_date.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "drawing/user_adjust.h"
#include "host/project_manager.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class CPM001NormReportTestAccess {
public:
    static void SetCapTendonPaperData(const CPM001T0101Atom& cap, CPM001_CapTendon& paper)
    {
        CPM001Norm::SetCapTendonPaperData(cap, paper);
    }
};

namespace {

template <class LIST>
std::vector<typename std::decay_t<decltype(std::declval<LIST>()[0])>> Items(const LIST& list)
{
    std::vector<std::decay_t<decltype(list[0])>> items;
    for (int i = 0; i < list.GetSize(); ++i) items.push_back(list[i]);
    return items;
}

TEST(CapTendonPaperData, TakesTheSideFaceBarsAndStirrupsOfTheCapBeam)
{
    CPM001T0101Atom cap;
    cap.sh.a = 45.5;
    cap.sh.sh1_n = 6;
    cap.sh.sh2_n = 2;
    for (int v : {3, 10, 12, 4}) cap.sg.ns.Add(v);
    cap.sg.nasl = 1;
    cap.sg.nasr = 2;
    cap.sg.as.Add(75.5);
    cap.sg.as.Add(120.0);
    cap.sg.asType.Add(2);
    cap.sg.asType.Add(1);
    for (int v : {5, 6, 7}) cap.sg.lns2.Add(v);
    for (int v : {8, 9, 11}) cap.sg.rns2.Add(v);
    cap.sg.lXBns2 = 3;
    cap.sg.rXBns2 = 4;
    cap.sg.nAns = 55;
    cap.sg.b = 37.5;
    cap.sg.bMid = 62.5;
    cap.sg.Aas = 12.25;

    CPM001_CapTendon paper;
    CPM001NormReportTestAccess::SetCapTendonPaperData(cap, paper);

    EXPECT_EQ(paper.sh_a, 45.5);
    EXPECT_EQ(paper.sh1_n, 6);
    EXPECT_EQ(paper.sh2_n, 2);
    EXPECT_EQ(Items(paper.sg_ns), (std::vector<int>{3, 10, 12, 4}));
    EXPECT_EQ(paper.sg_nasl, 1);
    EXPECT_EQ(paper.sg_nasr, 2);
    EXPECT_EQ(Items(paper.sg_as), (std::vector<double>{75.5, 120.0}));
    EXPECT_EQ(Items(paper.sg_lns2), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(Items(paper.sg_rns2), (std::vector<int>{8, 9, 11}));
    EXPECT_EQ(Items(paper.sg_asType), (std::vector<int>{2, 1}));
    EXPECT_EQ(paper.sg_lXBns2, 3);
    EXPECT_EQ(paper.sg_rXBns2, 4);
    EXPECT_EQ(paper.sg_nAns, 55);
    EXPECT_EQ(paper.sg_b, 37.5);
    EXPECT_EQ(paper.sg_bMid, 62.5);
    EXPECT_EQ(paper.sg_Aas, 12.25);

    // The lists are copies: the report's data do not follow later changes of the design.
    cap.sg.ns[0] = 99;
    EXPECT_EQ(paper.sg_ns[0], 3);
}

TEST(CapTendonPaperData, EmptyListsStayEmpty)
{
    CPM001T0101Atom cap;
    CPM001_CapTendon paper;
    paper.sg_ns.Add(7);   // a filled record is replaced, not appended to
    CPM001NormReportTestAccess::SetCapTendonPaperData(cap, paper);
    EXPECT_EQ(paper.sg_ns.GetSize(), 0);
    EXPECT_EQ(paper.sg_as.GetSize(), 0);
    EXPECT_EQ(paper.sg_asType.GetSize(), 0);
}

class ReportAndAdjust : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        ClearUserAdjustHandOff();
        manager.SetProjectPath("D:\\p\\");
        manager.SetProjectName("Br1");
        manager.SetSystemPath("C:\\KV\\");
        component.SetID(12);
    }
    void TearDown() override
    {
        ReportLog::Current().Clear();
        ClearUserAdjustHandOff();
    }

    static int ErrorCount() { return ReportLog::Current().Count(ReportEntry::Error); }
    static size_t EntryCount() { return ReportLog::Current().Entries().size(); }

    CProjectManager manager;
    CPM001Norm component;
    CComponentNorm& host = component;   // the host calls the report and adjustment through the base
};

TEST_F(ReportAndAdjust, ReportBeforeAnyInputDoesNothing)
{
    host.PreparePaper();
    EXPECT_EQ(EntryCount(), 0u);

    component.m_pCapBeamAtom = std::make_unique<CPM001T0101Atom>();   // a design without an engine
    host.PreparePaper();
    EXPECT_EQ(EntryCount(), 0u);
}

TEST_F(ReportAndAdjust, ReportWithoutCapBeamDesignDoesNothing)
{
    component.m_pCalc = std::make_unique<CPM001Calc>();
    host.PreparePaper();
    EXPECT_EQ(EntryCount(), 0u);
}

TEST_F(ReportAndAdjust, ReportGoesToTheEngine)
{
    component.m_pCalc = std::make_unique<CPM001Calc>();
    component.m_pCapBeamAtom = std::make_unique<CPM001T0101Atom>();

    // The engine has designed nothing: it says so on the error channel.
    host.PreparePaper();
    EXPECT_EQ(ErrorCount(), 1);

    component.m_pCalc->SetOrgData();
    component.m_pCalc->SetDsnData();
    ASSERT_EQ(component.m_pCalc->DoDesign(), 1);
    ReportLog::Current().Clear();
    host.PreparePaper();
    EXPECT_EQ(EntryCount(), 0u);   // the report data came with their cap-beam part
    host.PreparePaper();           // and may be asked for again
    EXPECT_EQ(EntryCount(), 0u);
    EXPECT_NE(component.m_pCapBeamAtom, nullptr);
}

TEST_F(ReportAndAdjust, ReportPaths)
{
    component.SetProjectManager(&manager);
    EXPECT_EQ(component.GetPaperTemplatePath(), CString("C:\\KV\\Template\\paper\\pm001\\pm001.docx"));
    EXPECT_EQ(component.GetPaperDocumentPath(), CString("D:\\p\\Br1\\计算书\\Br1.docx"));

    manager.SetProjectPath("E:\\工程");   // no separator is added
    manager.SetProjectName("跨线桥");
    EXPECT_EQ(component.GetPaperDocumentPath(), CString("E:\\工程跨线桥\\计算书\\跨线桥.docx"));
}

TEST_F(ReportAndAdjust, PathsWithoutProjectAreEmpty)
{
    EXPECT_TRUE(component.GetPaperTemplatePath().IsEmpty());
    EXPECT_TRUE(component.GetPaperDocumentPath().IsEmpty());
    EXPECT_TRUE(component.GetAdjustDataPath().IsEmpty());
}

TEST_F(ReportAndAdjust, AdjustmentDataFilePath)
{
    component.SetProjectManager(&manager);
    EXPECT_EQ(component.GetAdjustDataPath(), CString("D:\\p\\Br1\\dat\\12.dat"));

    manager.SetProjectPath("D:\\p");   // the name follows the path directly
    EXPECT_EQ(component.GetAdjustDataPath(), CString("D:\\pBr1\\dat\\12.dat"));

    component.SetID(4294967295u);      // the ID is unsigned: all its digits, never a sign
    EXPECT_EQ(component.GetAdjustDataPath(), CString("D:\\pBr1\\dat\\4294967295.dat"));
}

TEST_F(ReportAndAdjust, LongPathsAreComposedWhole)
{
    const std::string longPath = "D:\\" + std::string(5000, 'a') + "\\";
    const std::string longName = std::string(3000, 'b');
    manager.SetProjectPath(longPath.c_str());
    manager.SetProjectName(longName.c_str());
    component.SetProjectManager(&manager);
    EXPECT_EQ(component.GetAdjustDataPath().str(), longPath + longName + "\\dat\\12.dat");
}

TEST_F(ReportAndAdjust, AdjustHandsThePathTheEngineAndTheComponentToTheTool)
{
    component.SetProjectManager(&manager);
    component.InitialUpdate();
    ASSERT_NE(component.m_pCalc, nullptr);

    EXPECT_EQ(host.Adjust(), 1);
    const auto& handOff = LastUserAdjustHandOff();
    ASSERT_TRUE(handOff.has_value());
    EXPECT_EQ(handOff->path, CString("D:\\p\\Br1\\dat\\12.dat"));   // the file need not exist
    EXPECT_EQ(handOff->calc, component.m_pCalc.get());
    EXPECT_EQ(handOff->component, &host);
}

TEST_F(ReportAndAdjust, AdjustWithoutProjectManagerFails)
{
    component.InitialUpdate();
    EXPECT_EQ(host.Adjust(), 0);
    EXPECT_FALSE(LastUserAdjustHandOff().has_value());
}

TEST_F(ReportAndAdjust, AdjustWithoutCalculationObjectIsRefusedByTheTool)
{
    component.SetProjectManager(&manager);
    EXPECT_EQ(host.Adjust(), 0);
    EXPECT_FALSE(LastUserAdjustHandOff().has_value());
}

TEST_F(ReportAndAdjust, AdjustWithEmptyProjectPathAndName)
{
    manager.SetProjectPath("");
    manager.SetProjectName("");
    component.SetProjectManager(&manager);
    component.InitialUpdate();
    // Even with no path and no name the path names the data folder and file.
    EXPECT_EQ(host.Adjust(), 1);
    EXPECT_EQ(LastUserAdjustHandOff()->path, CString("\\dat\\12.dat"));
}

} // namespace
