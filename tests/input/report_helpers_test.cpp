// The pier checks' report helpers: the int compare, the range check and the list check.
#include "input/report_helpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

class ReportHelpers : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }

    const std::vector<ReportEntry>& entries() const { return ReportLog::Current().Entries(); }

    int ok = 1;
};

struct IntRelationCase {
    const char* relation;
    int a;
    int b;
    int holds;
};

TEST_F(ReportHelpers, IntCompareTestsEachRelationExactly)
{
    const IntRelationCase cases[] = {
        {"必须大于", 3, 2, 1}, {"必须大于", 2, 2, 0}, {"必须大于", 1, 2, 0},
        {"必须小于", 1, 2, 1}, {"必须小于", 2, 2, 0}, {"必须小于", 3, 2, 0},
        {"必须等于", 2, 2, 1}, {"必须等于", 3, 2, 0}, {"必须等于", 1, 2, 0},
        {"不能小于", 2, 2, 1}, {"不能小于", 3, 2, 1}, {"不能小于", 1, 2, 0},
        {"不能大于", 2, 2, 1}, {"不能大于", 1, 2, 1}, {"不能大于", 3, 2, 0},
        {"不能等于", 1, 2, 1}, {"不能等于", 3, 2, 1}, {"不能等于", 2, 2, 0},
        // Integers beyond a double's exact range of neighbours are still told apart.
        {"必须大于", INT_MAX, INT_MAX - 1, 1}, {"不能小于", INT_MIN, INT_MIN + 1, 0},
    };
    for (const IntRelationCase& c : cases) {
        ReportLog::Current().Clear();
        ok = 1;
        const int r = QMReportError_compare_A_B<int>(5, "msg", c.a, c.relation, c.b, "LG", ok, 6, 0);
        EXPECT_EQ(r, c.holds) << c.relation << " " << c.a << " " << c.b;
        EXPECT_EQ(ok, c.holds) << c.relation << " " << c.a << " " << c.b;
        EXPECT_EQ(entries().size(), c.holds ? 0u : 1u) << c.relation << " " << c.a << " " << c.b;
    }
}

TEST_F(ReportHelpers, IntCompareWithAnUnknownRelationHolds)
{
    // Only the exact texts count: a near miss or an empty text names no relation.
    for (const char* relation : {"", "大于", "必须大于 ", "must be greater"}) {
        EXPECT_EQ(QMReportError_compare_A_B<int>(1, "msg", 1, relation, 2, "LG", ok, 6, 0), 1);
    }
    EXPECT_EQ(ok, 1);
    EXPECT_TRUE(entries().empty());
}

TEST_F(ReportHelpers, IntCompareReportsOneEntryPerKeyWithItsSuffix)
{
    EXPECT_EQ(QMReportError_compare_A_B<int>(9, "“墩柱个数”过大,不能大于20", 21, "不能大于", 20, "bBz", ok, 6, 3), 0);
    ASSERT_EQ(entries().size(), 1u);
    const ReportEntry& e = entries()[0];
    EXPECT_EQ(e.kind, ReportEntry::Diagnose);
    EXPECT_EQ(e.label, 9u);
    EXPECT_EQ(e.keys, "bBz");
    EXPECT_EQ(e.type, "Error");
    EXPECT_EQ(e.message, "“墩柱个数”过大,不能大于20，bBz有错误．");
    EXPECT_EQ(e.item, 3u);
    EXPECT_EQ(e.flag, 0);
    EXPECT_EQ(e.part, 6u);

    ReportLog::Current().Clear();
    QMReportError_compare_A_B<int>(9, "个数不符", 1, "必须等于", 2, "bQf/TypeZhif", ok, 3, 0);
    ASSERT_EQ(entries().size(), 2u);
    EXPECT_EQ(entries()[0].keys, "bQf");
    EXPECT_EQ(entries()[0].message, "个数不符，可能bQf有错误．");
    EXPECT_EQ(entries()[1].keys, "TypeZhif");
    EXPECT_EQ(entries()[1].message, "个数不符，可能TypeZhif有错误．");
    EXPECT_EQ(entries()[1].part, 3u);
}

TEST_F(ReportHelpers, IntCompareWithNoKeyStillFails)
{
    EXPECT_EQ(QMReportError_compare_A_B<int>(1, "msg", 1, "必须等于", 2, "", ok, 6, 0), 0);
    EXPECT_EQ(ok, 0);
    EXPECT_TRUE(entries().empty());
}

TEST_F(ReportHelpers, OkNeverReturnsToOne)
{
    ok = 0;
    EXPECT_EQ(QMReportError_compare_A_B<int>(1, "msg", 3, "必须大于", 2, "LG", ok, 6, 0), 1);
    EXPECT_EQ(ReportErrorOutOfRange<double>(1, "lo", "hi", 5.0, 0.0, 10.0, "B", ok, 6, 0), 1);
    EXPECT_EQ(ok, 0);
}

template <class T>
struct RangeCase {
    T value;
    T min;
    T max;
    int inside;
    const char* message;   // the one message reported, or null
};

TEST_F(ReportHelpers, DoubleRangeBoundsAreInclusive)
{
    const RangeCase<double> cases[] = {
        {300.0, 300.0, 10000.0, 1, nullptr},
        {10000.0, 300.0, 10000.0, 1, nullptr},
        {299.9, 300.0, 10000.0, 0, "“盖梁截面宽度”过小,不能小于300，B有错误．"},
        {10000.1, 300.0, 10000.0, 0, "“盖梁截面宽度”过大,不能大于10000，B有错误．"},
        // Below min and above max at once (min > max): only the lower bound is reported.
        {50.0, 100.0, 10.0, 0, "“盖梁截面宽度”过小,不能小于300，B有错误．"},
    };
    for (const auto& c : cases) {
        ReportLog::Current().Clear();
        ok = 1;
        const int r = ReportErrorOutOfRange<double>(2, "“盖梁截面宽度”过小,不能小于300", "“盖梁截面宽度”过大,不能大于10000",
                                                    c.value, c.min, c.max, "B", ok, 6, 4);
        EXPECT_EQ(r, c.inside) << c.value;
        EXPECT_EQ(ok, c.inside) << c.value;
        if (c.message == nullptr) {
            EXPECT_TRUE(entries().empty()) << c.value;
        } else {
            ASSERT_EQ(entries().size(), 1u) << c.value;
            EXPECT_EQ(entries()[0].message, c.message);
            EXPECT_EQ(entries()[0].keys, "B");
            EXPECT_EQ(entries()[0].item, 4u);
            EXPECT_EQ(entries()[0].part, 6u);
        }
    }
}

TEST_F(ReportHelpers, IntRangeBoundsAreInclusive)
{
    const RangeCase<int> cases[] = {
        {1, 1, 20, 1, nullptr},
        {20, 1, 20, 1, nullptr},
        {0, 1, 20, 0, "“墩柱个数”过小,不能小于1，bBz有错误．"},
        {21, 1, 20, 0, "“墩柱个数”过大,不能大于20，bBz有错误．"},
    };
    for (const auto& c : cases) {
        ReportLog::Current().Clear();
        ok = 1;
        const int r = ReportErrorOutOfRange<int>(2, "“墩柱个数”过小,不能小于1", "“墩柱个数”过大,不能大于20", c.value, c.min,
                                                 c.max, "bBz", ok, 6, 0);
        EXPECT_EQ(r, c.inside) << c.value;
        EXPECT_EQ(ok, c.inside) << c.value;
        if (c.message == nullptr) {
            EXPECT_TRUE(entries().empty()) << c.value;
        } else {
            ASSERT_EQ(entries().size(), 1u) << c.value;
            EXPECT_EQ(entries()[0].message, c.message);
        }
    }
}

TEST_F(ReportHelpers, RangeWithSeveralKeysReportsEachKey)
{
    ReportErrorOutOfRange<double>(1, "“第1根墩柱高度”过小,不能小于200", "“第1根墩柱高度”过大,不能大于100000", 150.0, 200.0,
                                  100000.0, "zGl/zZct", ok, 6, 0);
    ASSERT_EQ(entries().size(), 2u);
    EXPECT_EQ(entries()[0].message, "“第1根墩柱高度”过小,不能小于200，可能zGl有错误．");
    EXPECT_EQ(entries()[1].message, "“第1根墩柱高度”过小,不能小于200，可能zZct有错误．");
}

TEST_F(ReportHelpers, ListCheckStopsAtTheFirstViolation)
{
    CArray<double, double> values;
    values.Add(500.0);
    values.Add(200.0);
    values.Add(100.0);
    EXPECT_EQ(ReportErrorCompareArray(3, "过小", values, "不能小于", 300.0, "bQf", ok, 6, 1), 0);
    EXPECT_EQ(ok, 0);
    // Only the element 200 is reported; 100 is not looked at.
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries()[0].message, "过小，bQf有错误．");
    EXPECT_EQ(entries()[0].item, 1u);
}

TEST_F(ReportHelpers, ListCheckPassesWhenEveryElementHolds)
{
    CArray<double, double> values;
    EXPECT_EQ(ReportErrorCompareArray(3, "过小", values, "不能小于", 300.0, "bQf", ok, 6, 0), 1);
    values.Add(300.0);
    values.Add(1000.0);
    EXPECT_EQ(ReportErrorCompareArray(3, "过小", values, "不能小于", 300.0, "bQf", ok, 6, 0), 1);
    EXPECT_EQ(ok, 1);
    EXPECT_TRUE(entries().empty());
}

} // namespace
