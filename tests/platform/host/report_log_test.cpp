// The report channels: entry kinds and the per-thread log.
#include "host/report.h"

#include <gtest/gtest.h>

#include <thread>

TEST(ReportChannels, EachChannelAddsItsKindInOrder)
{
    ReportLog::Current().Clear();
    QMReportDiagnose(9, "bBg", "Error", "盖梁长度有错误", 4, 0, 6);
    QMReportError("计算错误06082101", 0);
    QMReportWarning("已自动修正", 0);
    QMReportInformation("提示", 0);

    const auto& e = ReportLog::Current().Entries();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].kind, ReportEntry::Diagnose);
    EXPECT_EQ(e[0].label, 9u);
    EXPECT_EQ(e[0].keys, "bBg");
    EXPECT_EQ(e[0].item, 4u);
    EXPECT_EQ(e[1].kind, ReportEntry::Error);
    EXPECT_EQ(e[1].message, "计算错误06082101");
    EXPECT_EQ(e[2].kind, ReportEntry::Warning);
    EXPECT_EQ(e[3].kind, ReportEntry::Information);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 1);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Diagnose), 1);
    ReportLog::Current().Clear();
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 0);
}

// A report that repeats the one before it in every field is kept as its count; the same message
// for another item, or after another report, is an entry of its own. Counts are of reports.
TEST(ReportChannels, AReportRepeatedInARowIsCountedInOneEntry)
{
    ReportLog::Current().Clear();
    for (int i = 0; i < 3; ++i) QMReportWarning("已自动修正", 0);
    QMReportDiagnose(9, "bBg", "Error", "盖梁长度有错误", 4, 0, 6);
    QMReportDiagnose(9, "bBg", "Error", "盖梁长度有错误", 5, 0, 6);
    QMReportDiagnose(9, "bBg", "Error", "盖梁长度有错误", 5, 0, 6);
    QMReportWarning("已自动修正", 0);

    const auto& e = ReportLog::Current().Entries();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].count, 3u);
    EXPECT_EQ(e[1].item, 4u);
    EXPECT_EQ(e[1].count, 1u);
    EXPECT_EQ(e[2].item, 5u);
    EXPECT_EQ(e[2].count, 2u);
    EXPECT_EQ(e[3].kind, ReportEntry::Warning);
    EXPECT_EQ(e[3].count, 1u);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 4);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Diagnose), 3);
    ReportLog::Current().Clear();
}

TEST(ReportChannels, EachThreadKeepsItsOwnEntries)
{
    ReportLog::Current().Clear();
    QMReportError("main", 0);
    std::size_t otherCount = 0;
    std::thread other([&otherCount] {
        QMReportError("other 1", 0);
        QMReportError("other 2", 0);
        otherCount = ReportLog::Current().Entries().size();
    });
    other.join();
    EXPECT_EQ(otherCount, 2u);
    ASSERT_EQ(ReportLog::Current().Entries().size(), 1u);
    EXPECT_EQ(ReportLog::Current().Entries()[0].message, "main");
    ReportLog::Current().Clear();
}
