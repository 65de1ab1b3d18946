// The cap-beam design driver: the order of its steps as seen from a failing key-parameter step, and
// the skew shifts of the cantilevers worked by hand.
#include "calc/key_param_json.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/report.h"
#include "pier/gz_pm001_atom.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using Atom = CPM001T0101Atom;

// Three columns 5000 apart with cantilevers of 2000 (left) and 2100 (right); the skew shifts the
// cantilever ends over vP = 1500.
GZ_PM001Atom Pier(double tanA, int pmOrPt)
{
    GZ_PM001Atom gz;
    gz.PMorPT = pmOrPt;
    gz.a = std::atan(tanA);
    gz.vP = 1500;
    gz.bBg = 14100;
    gz.bAc = 7050;
    gz.lWg = 1800;
    gz.hHgl = 1600;
    gz.hXbl = 1000;
    gz.hXbr = 1000;
    gz.bBz.Add(5000);
    gz.bBz.Add(5000);
    gz.bBzl = 2000;
    gz.bBzr = 2100;
    gz.PierCapConGra = "C40";
    return gz;
}

// Key parameters that the key-parameter step refuses: a main frame record with one bar group where
// three columns need six.
CPM001_CapKeyParam RefusedKeyParameters(int layMode)
{
    CPM001_CapKeyParam kp;
    kp.st_fLayMode = layMode;
    kp.FrameName.Add("W");
    kp.FrameY.Add(0.0);
    struct CPM001_CapKeyParam::FrameAr record;
    record.name = "W";
    record.fGJJ = 1;
    record.GJJ.SetSize(1);
    kp.FrameAr.Add(record);
    return kp;
}

class CapBeamDriver : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
};

} // namespace

TEST_F(CapBeamDriver, AFailedStepLeavesTheCantileversShiftedForTheSkew)
{
    // tan a = 0.2: the left cantilever shrinks by 0.2 x 1500 = 300, the right one grows by as much.
    Atom atom;
    GZ_PM001Atom gz = Pier(0.2, 1);
    CPM001_CapKeyParam kp = RefusedKeyParameters(0);
    EXPECT_EQ(atom.SetData(&gz, &kp), 0);
    EXPECT_NEAR(atom.bBzl, 1700.0, 1e-9);
    EXPECT_NEAR(atom.bBzr, 2400.0, 1e-9);
    EXPECT_EQ(atom.IsFromFile(), 0);
    // The refusing step reported; the driver added nothing.
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 1);
    // The record itself is not changed.
    EXPECT_EQ(gz.bBzl, 2000);
    EXPECT_EQ(gz.bBzr, 2100);
}

TEST_F(CapBeamDriver, OtherLayModesNeverShiftTheCantilevers)
{
    Atom atom;
    GZ_PM001Atom gz = Pier(0.2, 1);
    CPM001_CapKeyParam kp = RefusedKeyParameters(1);
    EXPECT_EQ(atom.SetData(&gz, &kp), 0);
    EXPECT_EQ(atom.bBzl, 2000);
    EXPECT_EQ(atom.bBzr, 2100);
}

TEST_F(CapBeamDriver, TheColumnBasedCorrectionIsNotAppliedBeforeTheDesign)
{
    Atom atom;
    GZ_PM001Atom gz = Pier(0.2, 0);
    CPM001_CapKeyParam kp = RefusedKeyParameters(0);
    EXPECT_EQ(atom.SetData(&gz, &kp), 0);
    EXPECT_EQ(atom.bBzl, 2000);
    EXPECT_EQ(atom.bBzr, 2100);
}

TEST_F(CapBeamDriver, ASquarePierKeepsItsCantilevers)
{
    Atom atom;
    GZ_PM001Atom gz = Pier(0.0, 1);
    CPM001_CapKeyParam kp = RefusedKeyParameters(0);
    atom.SetData(&gz, &kp);
    EXPECT_EQ(atom.bBzl, 2000);
    EXPECT_EQ(atom.bBzr, 2100);
}

TEST_F(CapBeamDriver, MissingInputIsRefused)
{
    Atom atom;
    GZ_PM001Atom gz = Pier(0.2, 1);
    EXPECT_EQ(atom.SetData(nullptr, nullptr), 0);
    EXPECT_EQ(atom.SetData(&gz, nullptr), 0);
    EXPECT_EQ(atom.bBzl, 2000);   // taken over, not shifted
}

TEST_F(CapBeamDriver, ADesignClearsTheFromFileMark)
{
    Atom atom;
    CPM001T0101AtomTestAccess::SetFromFile(atom, 1);
    GZ_PM001Atom gz = Pier(0.2, 1);
    CPM001_CapKeyParam kp = RefusedKeyParameters(0);
    atom.SetData(&gz, &kp);
    EXPECT_EQ(atom.IsFromFile(), 0);
}

namespace {

// The sample pier on a spread footing (examples/footing.json): three circular columns of 1300,
// 5000 apart, cantilevers of 1750, a cap 13500 long and 2000 wide, 1800 high at the middle with
// 1000 high end faces over 1000 long variable-height ends; skewed with tan a = 0.1.
GZ_PM001Atom SamplePier(int pmOrPt)
{
    GZ_PM001Atom gz;
    gz.PMorPT = pmOrPt;
    gz.a = std::atan(0.1);
    gz.vP = 1500;
    gz.bBg = 13500;
    gz.bAc = 6750;
    gz.lWg = 2000;
    gz.B = 2000;
    gz.hHgl = 1800;
    gz.hXbl = 1000;
    gz.hXbr = 1000;
    gz.bBpl = 1000;
    gz.bBpr = 1000;
    gz.hHpl = 800;
    gz.hHpr = 800;
    gz.iLb = 0.02;
    gz.iRb = 0.02;
    gz.bBz.Add(5000);
    gz.bBz.Add(5000);
    gz.bBzl = 1750;
    gz.bBzr = 1750;
    gz.ColumnSectionType = 1;
    gz.D = 1300;
    gz.dGZ3 = 400;
    gz.PierCapConGra = "C40";
    return gz;
}

CPM001_CapKeyParam SampleKeyParameters()
{
    CPM001KeyParam all;
    std::string error;
    const bool read = ReadKeyParamFile(std::string(PM001_SOURCE_DIR) + "/examples/keyparams/footing.json", all, error);
    EXPECT_TRUE(read) << error;
    return all.CapKeyParam;
}

} // namespace

TEST_F(CapBeamDriver, AFinishedDesignEndsWithTheCantileversItBeganWith)
{
    Atom atom;
    GZ_PM001Atom gz = SamplePier(1);
    CPM001_CapKeyParam kp = SampleKeyParameters();
    ASSERT_EQ(kp.st_fLayMode, 0);
    ASSERT_EQ(atom.SetData(&gz, &kp), 1);
    EXPECT_NEAR(atom.bBzl, 1750.0, 1e-9);
    EXPECT_NEAR(atom.bBzr, 1750.0, 1e-9);
}

TEST_F(CapBeamDriver, TheColumnBasedCorrectionStaysInTheDesign)
{
    // c = 400, b = 1300 (circular), B = 2000: d = (400 - (2000 - 1300 - 400)) / 2 = 50; with
    // tan a = 0.1 the left cantilever grows by 5 and the right one shrinks by 5.
    Atom atom;
    GZ_PM001Atom gz = SamplePier(0);
    CPM001_CapKeyParam kp = SampleKeyParameters();
    ASSERT_EQ(atom.SetData(&gz, &kp), 1);
    EXPECT_NEAR(atom.bBzl, 1755.0, 1e-9);
    EXPECT_NEAR(atom.bBzr, 1745.0, 1e-9);
}
