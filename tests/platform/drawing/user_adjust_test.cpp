// The user-adjustment tool's hand-off: what it accepts and what it keeps.
#include "drawing/user_adjust.h"

#include "calc/pm001_calc.h"
#include "host/component_norm.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class UserAdjust : public ::testing::Test {
protected:
    void SetUp() override { ClearUserAdjustHandOff(); }
    void TearDown() override { ClearUserAdjustHandOff(); }

    CPM001Calc calc;
    CComponentNorm component;
};

TEST_F(UserAdjust, KeepsWhatItWasHanded)
{
    CString path("D:\\p\\Br1\\dat\\12.dat");
    EXPECT_EQ(AdjustPM001(path, &calc, &component), 1);
    const auto& last = LastUserAdjustHandOff();
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->path, CString("D:\\p\\Br1\\dat\\12.dat"));
    EXPECT_EQ(last->calc, &calc);
    EXPECT_EQ(last->component, &component);
    EXPECT_EQ(path, CString("D:\\p\\Br1\\dat\\12.dat"));   // the caller's path is left as it was

    CString other("E:\\x\\dat\\7.dat");
    CPM001Calc otherCalc;
    EXPECT_EQ(AdjustPM001(other, &otherCalc, &component), 1);
    EXPECT_EQ(LastUserAdjustHandOff()->path, CString("E:\\x\\dat\\7.dat"));
    EXPECT_EQ(LastUserAdjustHandOff()->calc, &otherCalc);
}

TEST_F(UserAdjust, RefusesAnEmptyPathOrAMissingObject)
{
    CString path("D:\\p\\Br1\\dat\\12.dat");
    CString empty;
    EXPECT_EQ(AdjustPM001(empty, &calc, &component), 0);
    EXPECT_EQ(AdjustPM001(path, nullptr, &component), 0);
    EXPECT_EQ(AdjustPM001(path, &calc, nullptr), 0);
    EXPECT_FALSE(LastUserAdjustHandOff().has_value());

    // A refused call leaves the last accepted hand-off as it was.
    ASSERT_EQ(AdjustPM001(path, &calc, &component), 1);
    EXPECT_EQ(AdjustPM001(empty, &calc, &component), 0);
    EXPECT_EQ(LastUserAdjustHandOff()->path, path);
}

TEST_F(UserAdjust, EachThreadKeepsItsOwnHandOff)
{
    CString path("D:\\p\\Br1\\dat\\12.dat");
    ASSERT_EQ(AdjustPM001(path, &calc, &component), 1);
    bool otherSawNone = false;
    std::thread other([&] { otherSawNone = !LastUserAdjustHandOff().has_value(); });
    other.join();
    EXPECT_TRUE(otherSawNone);
    ClearUserAdjustHandOff();
    EXPECT_FALSE(LastUserAdjustHandOff().has_value());
}

} // namespace
