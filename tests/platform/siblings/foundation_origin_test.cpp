// The foundation modules' origin objects: values taken from their inputs, bad lists reported, archive forms.
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"

#include "host/report.h"
#include "platform/mfc/archive_bytes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class FoundationOrigin : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }
    const std::vector<ReportEntry>& entries() const { return ReportLog::Current().Entries(); }
};

std::vector<double> listOf(const DblArray& list) { return list.vector(); }

CPG001 sampleFooting()
{
    CPG001 in;
    in.lKs_JICHU = 4000.0;
    in.bKs_JICHU = 9000.0;
    in.hKs_JICHU = 1000.0;
    in.DY_JICHU = 250.0;
    in.hTj_JICHU = "2*750";
    in.bTjl_JICHU = "500，400";
    in.bTjr_JICHU = "500 400";
    in.lTj_JICHU = "2*500";
    in.ConGra_JICHU = "  C30 ";
    in.fPJ_JICHU = 1;
    return in;
}

CPG002 samplePiles()
{
    CPG002 in;
    in.rZ_JICHU = 1500.0;
    in.fC_JICHU = 1;
    in.rC_JICHU = 1800.0;
    in.hC_JICHU = 3000.0;
    in.lZ_JICHU = 30000.0;
    in.nZType_JICHU = 1;
    in.fXL_JICHU = 1;
    in.bXl_JICHU = 1000.0;
    in.hXl_JICHU = 1200.0;
    in.zXl_JICHU = "4000;12000";
    in.ConGra_JICHU = "C30";
    return in;
}

CPG003 samplePileCap()
{
    CPG003 in;
    in.PileCapTtype_JICHU = 1;
    in.nLJ_JICHU = 1;
    in.lT_JICHU = 6000.0;
    in.bT_JICHU = 15000.0;
    in.hT_JICHU = 2500.0;
    in.DY_JICHU = -100.0;
    in.bYz_JICHU = 3000.0;
    in.rZ_JICHU = 1200.0;
    in.lZ_JICHU = 40000.0;
    in.bZj_JICHU = "4*3200";
    in.lZj_JICHU = "3600";
    in.ConGra_JICHU = "C35\t";
    return in;
}

} // namespace

TEST_F(FoundationOrigin, SpreadFootingTakesItsValuesAndReadsItsStepLists)
{
    const CPG001 in = sampleFooting();
    CPG001org org;
    EXPECT_EQ(org.SetData(7, &in, nullptr), 1);
    EXPECT_EQ(org.lKs_JICHU, 4000.0);
    EXPECT_EQ(org.GetLengthAcross(), 9000.0);
    EXPECT_EQ(org.hKs_JICHU, 1000.0);
    EXPECT_EQ(org.GetOffset(), 250.0);
    EXPECT_EQ(listOf(org.hTj_JICHU), (std::vector<double>{750.0, 750.0}));
    EXPECT_EQ(listOf(org.bTjl_JICHU), (std::vector<double>{500.0, 400.0}));
    EXPECT_EQ(listOf(org.bTjr_JICHU), (std::vector<double>{500.0, 400.0}));
    EXPECT_EQ(listOf(org.lTj_JICHU), (std::vector<double>{500.0, 500.0}));
    EXPECT_EQ(org.ConGra_JICHU, "C30");
    EXPECT_EQ(org.fPJ_JICHU, 1);
    EXPECT_TRUE(entries().empty());
}

TEST_F(FoundationOrigin, FillingAgainReplacesTheLists)
{
    CPG001 in = sampleFooting();
    CPG001org org;
    ASSERT_EQ(org.SetData(7, &in, nullptr), 1);
    in.hTj_JICHU = "600";
    in.lTj_JICHU = "";
    ASSERT_EQ(org.SetData(7, &in, nullptr), 1);
    EXPECT_EQ(listOf(org.hTj_JICHU), (std::vector<double>{600.0}));
    EXPECT_TRUE(org.lTj_JICHU.IsEmpty());
}

TEST_F(FoundationOrigin, NullInputIsRefused)
{
    CPG001org footing;
    CPG002org piles;
    CPG003org cap;
    EXPECT_EQ(footing.SetData(7, nullptr, nullptr), 0);
    EXPECT_EQ(piles.SetData(nullptr), 0);
    EXPECT_EQ(cap.SetData(7, nullptr), 0);
    EXPECT_TRUE(entries().empty());
}

TEST_F(FoundationOrigin, BadStepListsAreEachReportedUnderTheirKeys)
{
    CPG001 in = sampleFooting();
    in.hTj_JICHU = "750,abc";
    in.lTj_JICHU = "3*";
    CPG001org org;
    EXPECT_EQ(org.SetData(7, &in, nullptr), 0);
    ASSERT_EQ(entries().size(), 2u);
    EXPECT_EQ(entries()[0].label, 7u);
    EXPECT_EQ(entries()[0].keys, "hTj_JICHU");
    EXPECT_EQ(entries()[0].part, 2u);
    EXPECT_EQ(entries()[0].message, "“台阶高度”中第2个数据“abc”不是有效的数字，hTj_JICHU有错误．");
    EXPECT_EQ(entries()[1].keys, "lTj_JICHU");
    EXPECT_EQ(entries()[1].message, "“顺桥向台阶宽度”中第1个数据“3*”不是有效的数字，lTj_JICHU有错误．");
    // A list that could not be read holds nothing; the good ones are read.
    EXPECT_TRUE(org.hTj_JICHU.IsEmpty());
    EXPECT_TRUE(org.lTj_JICHU.IsEmpty());
    EXPECT_EQ(org.bTjl_JICHU.GetSize(), 2);
}

TEST_F(FoundationOrigin, PileFoundationTakesItsValues)
{
    const CPG002 in = samplePiles();
    CPG002org org;
    EXPECT_EQ(org.SetData(&in), 1);
    EXPECT_EQ(org.rZ_JICHU, 1500.0);
    EXPECT_EQ(org.fC_JICHU, 1);
    EXPECT_EQ(org.rC_JICHU, 1800.0);
    EXPECT_EQ(org.hC_JICHU, 3000.0);
    EXPECT_EQ(org.lZ_JICHU, 30000.0);
    EXPECT_EQ(org.nZType_JICHU, 1);
    EXPECT_EQ(org.fXL_JICHU, 1);
    EXPECT_EQ(org.bXl_JICHU, 1000.0);
    EXPECT_EQ(org.hXl_JICHU, 1200.0);
    EXPECT_EQ(listOf(org.zXl_JICHU), (std::vector<double>{4000.0, 12000.0}));
    EXPECT_EQ(org.ConGra_JICHU, "C30");
}

TEST_F(FoundationOrigin, TheColumnMeetsTheEnlargedHeadWhenThereIsOne)
{
    CPG002 in = samplePiles();
    CPG002org org;
    ASSERT_EQ(org.SetData(&in), 1);
    EXPECT_EQ(org.GetHeadDiameter(), 1800.0);
    in.fC_JICHU = 0;
    ASSERT_EQ(org.SetData(&in), 1);
    EXPECT_EQ(org.GetHeadDiameter(), 1500.0);
}

TEST_F(FoundationOrigin, BadTieBeamListIsReportedWithoutALabel)
{
    CPG002 in = samplePiles();
    in.zXl_JICHU = "4000,20000*1";
    CPG002org org;
    EXPECT_EQ(org.SetData(&in), 0);
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries()[0].label, 0u);
    EXPECT_EQ(entries()[0].keys, "zXl_JICHU");
    EXPECT_EQ(entries()[0].part, 3u);
    EXPECT_TRUE(org.zXl_JICHU.IsEmpty());
}

TEST_F(FoundationOrigin, PileCapTakesItsValuesAndReadsItsSpacings)
{
    const CPG003 in = samplePileCap();
    CPG003org org;
    EXPECT_EQ(org.SetData(9, &in), 1);
    EXPECT_EQ(org.PileCapTtype_JICHU, 1);
    EXPECT_EQ(org.nLJ_JICHU, 1);
    EXPECT_EQ(org.lT_JICHU, 6000.0);
    EXPECT_EQ(org.GetLengthAcross(), 15000.0);
    EXPECT_EQ(org.hT_JICHU, 2500.0);
    EXPECT_EQ(org.GetOffset(), -100.0);
    EXPECT_EQ(org.bYz_JICHU, 3000.0);
    EXPECT_EQ(org.rZ_JICHU, 1200.0);
    EXPECT_EQ(org.lZ_JICHU, 40000.0);
    EXPECT_EQ(listOf(org.bZj_JICHU), (std::vector<double>{3200.0, 3200.0, 3200.0, 3200.0}));
    EXPECT_EQ(listOf(org.lZj_JICHU), (std::vector<double>{3600.0}));
    EXPECT_EQ(org.ConGra_JICHU, "C35");
}

TEST_F(FoundationOrigin, BadSpacingListIsReportedUnderItsKey)
{
    CPG003 in = samplePileCap();
    in.bZj_JICHU = "3200,,x";
    CPG003org org;
    EXPECT_EQ(org.SetData(9, &in), 0);
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries()[0].label, 9u);
    EXPECT_EQ(entries()[0].keys, "bZj_JICHU");
    EXPECT_EQ(entries()[0].part, 4u);
    EXPECT_EQ(entries()[0].message, "“横桥向桩间距”中第2个数据“x”不是有效的数字，bZj_JICHU有错误．");
}

// ---- archive forms ----

namespace {

template <class Org>
Bytes storedOrigin(Org& org)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    org.SerializeOriginData(ar);
    return out;
}

template <class Org>
void loadOrigin(Org& org, const Bytes& in)
{
    CArchive ar(in.data(), in.size());
    org.SerializeOriginData(ar);
    if (ar.GetRemaining() != 0) throw std::logic_error("bytes left over");
}

// Every shorter prefix of a stored form must end in the archive exception and leave the
// object as it was.
template <class Org>
void expectEveryTruncationThrows(const Bytes& whole)
{
    Org fresh;
    const Bytes untouched = storedOrigin(fresh);
    for (std::size_t n = 0; n < whole.size(); ++n) {
        Org org;
        const Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_THROW(loadOrigin(org, prefix), CArchiveException) << "prefix of " << n << " bytes";
        EXPECT_EQ(storedOrigin(org), untouched) << "prefix of " << n << " bytes";
    }
}

} // namespace

TEST_F(FoundationOrigin, PileFoundationArchiveFormIsTheOneDocumented)
{
    CPG002org org;
    org.rZ_JICHU = 1500.0;
    org.fXL_JICHU = 1;
    org.zXl_JICHU.Add(2000.0);
    org.ConGra_JICHU = "C30";
    const Bytes zero8 = repeated(0, 8);
    const Bytes zero4 = repeated(0, 4);
    const Bytes expected = bytes({1, 0, 0, 0})                              // version
                           + bytes({0, 0, 0, 0, 0, 0x70, 0x97, 0x40})      // rZ 1500.0
                           + zero4 + zero8 + zero8 + zero8 + zero4         // fC, rC, hC, lZ, nZType
                           + bytes({1, 0, 0, 0})                           // fXL
                           + zero8 + zero8                                 // bXl, hXl
                           + bytes({1, 0, 0, 0, 0, 0, 0, 0x40, 0x9F, 0x40}) // zXl: count 1, 2000.0
                           + bytes({3, 'C', '3', '0'});                    // concrete
    EXPECT_EQ(storedOrigin(org), expected);
}

TEST_F(FoundationOrigin, StoredOriginDataLoadsBackByteIdentical)
{
    const CPG001 footingIn = sampleFooting();
    const CPG002 pilesIn = samplePiles();
    CPG003 capIn = samplePileCap();
    capIn.ConGra_JICHU = "水下C35";   // a Chinese text goes through code page 936
    CPG001org footing;
    CPG002org piles;
    CPG003org cap;
    ASSERT_EQ(footing.SetData(1, &footingIn, nullptr), 1);
    ASSERT_EQ(piles.SetData(&pilesIn), 1);
    ASSERT_EQ(cap.SetData(1, &capIn), 1);

    const Bytes a = storedOrigin(footing), b = storedOrigin(piles), c = storedOrigin(cap);
    CPG001org footing2;
    CPG002org piles2;
    CPG003org cap2;
    loadOrigin(footing2, a);
    loadOrigin(piles2, b);
    loadOrigin(cap2, c);
    EXPECT_EQ(storedOrigin(footing2), a);
    EXPECT_EQ(storedOrigin(piles2), b);
    EXPECT_EQ(storedOrigin(cap2), c);
    EXPECT_EQ(listOf(footing2.bTjl_JICHU), (std::vector<double>{500.0, 400.0}));
    EXPECT_EQ(piles2.GetHeadDiameter(), 1800.0);
    EXPECT_EQ(cap2.ConGra_JICHU, "水下C35");
    EXPECT_EQ(cap2.bZj_JICHU.GetSize(), 4);
}

TEST_F(FoundationOrigin, EmptyObjectsStoreAndLoad)
{
    CPG001org footing;
    CPG002org piles;
    CPG003org cap;
    CPG001org footing2;
    CPG002org piles2;
    CPG003org cap2;
    EXPECT_NO_THROW(loadOrigin(footing2, storedOrigin(footing)));
    EXPECT_NO_THROW(loadOrigin(piles2, storedOrigin(piles)));
    EXPECT_NO_THROW(loadOrigin(cap2, storedOrigin(cap)));
}

TEST_F(FoundationOrigin, EveryTruncationThrowsAndLeavesTheObjectAsItWas)
{
    const CPG001 footingIn = sampleFooting();
    const CPG002 pilesIn = samplePiles();
    const CPG003 capIn = samplePileCap();
    CPG001org footing;
    CPG002org piles;
    CPG003org cap;
    ASSERT_EQ(footing.SetData(1, &footingIn, nullptr), 1);
    ASSERT_EQ(piles.SetData(&pilesIn), 1);
    ASSERT_EQ(cap.SetData(1, &capIn), 1);
    expectEveryTruncationThrows<CPG001org>(storedOrigin(footing));
    expectEveryTruncationThrows<CPG002org>(storedOrigin(piles));
    expectEveryTruncationThrows<CPG003org>(storedOrigin(cap));
}

TEST_F(FoundationOrigin, AnotherVersionIsRefused)
{
    CPG003org cap;
    Bytes form = storedOrigin(cap);
    form[0] = 2;
    CPG003org loaded;
    try {
        loadOrigin(loaded, form);
        FAIL() << "a version 2 form was accepted";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
        EXPECT_EQ(e.m_offset, 0u);
    }
}

TEST_F(FoundationOrigin, HugeListCountsAndBadTextAreRefusedBeforeAllocating)
{
    CPG002org piles;
    Bytes form = storedOrigin(piles);
    // zXl's count follows version, rZ, fC, rC, hC, lZ, nZType, fXL, bXl, hXl.
    const std::size_t countAt = 4 + 8 + 4 + 8 + 8 + 8 + 4 + 4 + 8 + 8;
    ASSERT_EQ(form[countAt], 0);
    Bytes huge(form.begin(), form.begin() + static_cast<std::ptrdiff_t>(countAt));
    huge = huge + bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});   // 0x7FFFFFFF reals claimed
    huge = huge + Bytes(form.begin() + static_cast<std::ptrdiff_t>(countAt) + 2, form.end());
    CPG002org loaded;
    EXPECT_THROW(loadOrigin(loaded, huge), CArchiveException);

    // A concrete text whose bytes are not valid GBK.
    Bytes badText(form.begin(), form.end() - 1);
    badText = badText + bytes({2, 0xFF, 0xFF});
    EXPECT_THROW(loadOrigin(loaded, badText), CArchiveException);
}
