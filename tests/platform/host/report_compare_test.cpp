// QMReportError_compare_A_B<double>: relations, key suffixes, the ok flag and non-finite values.
#include "host/report.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class CompareAndReport : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }

    const std::vector<ReportEntry>& entries() const { return ReportLog::Current().Entries(); }

    int compare(double a, const char* relation, double b, const char* keys = "LG")
    {
        return QMReportError_compare_A_B<double>(0, "msg", a, relation, b, keys, ok, 6, 0);
    }

    int ok = 1;
};

struct RelationCase {
    const char* relation;
    double a;
    double b;
    int holds;
};

} // namespace

TEST_F(CompareAndReport, OneKeyGivesOneEntryWithThePlainSuffix)
{
    const int r = QMReportError_compare_A_B<double>(7, "“盖梁截面宽度”过小,不能小于300", 250.0, "不能小于", 300.0, "LG",
                                                     ok, 6, 0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(ok, 0);
    ASSERT_EQ(entries().size(), 1u);
    const ReportEntry& e = entries()[0];
    EXPECT_EQ(e.kind, ReportEntry::Diagnose);
    EXPECT_EQ(e.label, 7u);
    EXPECT_EQ(e.keys, "LG");
    EXPECT_EQ(e.type, "Error");
    EXPECT_EQ(e.message, "“盖梁截面宽度”过小,不能小于300，LG有错误．");
    EXPECT_EQ(e.item, 0u);
    EXPECT_EQ(e.flag, 0);
    EXPECT_EQ(e.part, 6u);
}

TEST_F(CompareAndReport, SeveralKeysGiveOneEntryPerKeyInOrder)
{
    const int r = QMReportError_compare_A_B<double>(3, "间距过小", 100.0, "必须大于", 200.0, "bBz/D", ok, 4, 2);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(ok, 0);
    ASSERT_EQ(entries().size(), 2u);
    EXPECT_EQ(entries()[0].keys, "bBz");
    EXPECT_EQ(entries()[0].message, "间距过小，可能bBz有错误．");
    EXPECT_EQ(entries()[1].keys, "D");
    EXPECT_EQ(entries()[1].message, "间距过小，可能D有错误．");
    for (const auto& e : entries()) {
        EXPECT_EQ(e.label, 3u);
        EXPECT_EQ(e.item, 2u);
        EXPECT_EQ(e.part, 4u);
        EXPECT_EQ(e.type, "Error");
    }
}

TEST_F(CompareAndReport, EveryRelationAtAndAroundEquality)
{
    const RelationCase cases[] = {
        {"必须大于", 3, 3, 0}, {"必须大于", 4, 3, 1}, {"必须大于", 2, 3, 0},
        {"必须小于", 3, 3, 0}, {"必须小于", 2, 3, 1}, {"必须小于", 4, 3, 0},
        {"必须等于", 3, 3, 1}, {"必须等于", 4, 3, 0}, {"必须等于", 2, 3, 0},
        {"不能小于", 3, 3, 1}, {"不能小于", 4, 3, 1}, {"不能小于", 2, 3, 0},
        {"不能大于", 3, 3, 1}, {"不能大于", 2, 3, 1}, {"不能大于", 4, 3, 0},
        {"不能等于", 3, 3, 0}, {"不能等于", 4, 3, 1}, {"不能等于", 2, 3, 1},
    };
    for (const auto& c : cases) {
        ok = 1;
        ReportLog::Current().Clear();
        EXPECT_EQ(compare(c.a, c.relation, c.b), c.holds) << c.relation << " " << c.a << " " << c.b;
        EXPECT_EQ(ok, c.holds) << c.relation << " " << c.a << " " << c.b;
        EXPECT_EQ(entries().size(), c.holds ? 0u : 1u) << c.relation << " " << c.a << " " << c.b;
    }
}

TEST_F(CompareAndReport, ComparisonsAreExact)
{
    EXPECT_EQ(compare(1.0 + 1e-9, "必须等于", 1.0), 0);
    ok = 1;
    EXPECT_EQ(compare(300.0 + 1e-9, "必须大于", 300.0), 1);
}

TEST_F(CompareAndReport, UnknownRelationHolds)
{
    EXPECT_EQ(compare(1.0, "大于", 5.0), 1);
    EXPECT_EQ(compare(1.0, "必须大于 ", 5.0), 1);
    EXPECT_EQ(compare(1.0, "", 5.0), 1);
    EXPECT_EQ(ok, 1);
    EXPECT_TRUE(entries().empty());
}

TEST_F(CompareAndReport, OkNeverReturnsToOne)
{
    ok = 0;
    EXPECT_EQ(compare(5.0, "不能小于", 1.0), 1);
    EXPECT_EQ(ok, 0);
}

TEST_F(CompareAndReport, KeysThatNameNoKeyStillViolate)
{
    EXPECT_EQ(compare(1.0, "必须大于", 5.0, ""), 0);
    EXPECT_EQ(ok, 0);
    ok = 1;
    EXPECT_EQ(compare(1.0, "必须大于", 5.0, "/"), 0);
    EXPECT_EQ(ok, 0);
    EXPECT_TRUE(entries().empty());
}

TEST_F(CompareAndReport, NotANumberViolatesEveryRelation)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const char* relation : {"必须大于", "必须小于", "必须等于", "不能小于", "不能大于", "不能等于"}) {
        ok = 1;
        EXPECT_EQ(compare(nan, relation, 300.0), 0) << relation;
        EXPECT_EQ(ok, 0) << relation;
        ok = 1;
        EXPECT_EQ(compare(300.0, relation, nan), 0) << relation;
        EXPECT_EQ(ok, 0) << relation;
    }
    ok = 1;
    EXPECT_EQ(compare(nan, "其他", 300.0), 1);
    EXPECT_EQ(ok, 1);
}

TEST_F(CompareAndReport, InfinityViolatesEveryRelation)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(compare(inf, "不能小于", 300.0), 0);   // would hold if compared as a number
    ok = 1;
    EXPECT_EQ(compare(-inf, "不能大于", 10000.0), 0);
    ok = 1;
    EXPECT_EQ(compare(5.0, "不能大于", inf), 0);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Diagnose), 3);
}
