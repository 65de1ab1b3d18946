// Named queries: every query of the table on a pier set by hand, unknown names, refused indices.
#include "module/pier_component.h"

#include "pier/pier_design_record.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A three-column pier with tie beams, set field by field; the expected answers below are written
// out by hand from these values.
class NamedQueries : public ::testing::Test {
protected:
    void SetUp() override
    {
        component.m_pAtom = std::make_unique<CPM001Atom>();
        CPM001Atom& a = *component.m_pAtom;
        a.fXL = 1;
        a.zXl.Add(101.25);
        a.zXl.Add(102.75);
        a.zXl.Add(103.125);
        a.PierLayMode = 1;
        a.bBz.Add(6000.0);
        a.bBz.Add(6500.0);
        a.iLb = 0.5;
        a.iRb = -0.02;
        a.bBg = 15500.0;
        a.bAg = -250.5;
        a.bBzl = 1500.25;
        a.bBzr = 1499.75;
        a.zGl = 123.456;
        a.hHd.Add(8000.5);
        a.hHd.Add(7500.0);
        a.hHd.Add(7000.125);
        a.zHzt.Add(115.4567);
        a.zHzt.Add(115.1234);
        a.zHzt.Add(114.9);
        a.lZzf = 800.0;
        a.bZzf = 650.5;
        a.hZzf.Add(350.0);
        a.hZzf.Add(275.5);
        a.hZzf.Add(300.0);
    }

    CPM001Atom& Atom() { return *component.m_pAtom; }

    // The answer to name when it answers; "<result 0>" when it does not (then value must be unchanged).
    std::string Ask(const char* name)
    {
        CString value;
        const int result = component.GetValueByName(name, value);
        if (result == 0) {
            EXPECT_TRUE(value.IsEmpty()) << name;
            return "<result 0>";
        }
        EXPECT_EQ(result, 1) << name;
        return value.str();
    }

    // Result and value for a query asked with a value already holding text.
    std::pair<int, std::string> AskWith(const char* name, const char* before)
    {
        CString value(before);
        const int result = component.GetValueByName(name, value);
        return {result, value.str()};
    }

    CPM001Norm component;
};

TEST_F(NamedQueries, TieBeamLevelsAreListedAfterTheCallersText)
{
    EXPECT_EQ(Ask("XLSN"), "#0##1##2#");
    EXPECT_EQ(AskWith("XLSN", "X"), std::make_pair(1, std::string("X#0##1##2#")));

    Atom().fXL = 0;
    EXPECT_EQ(Ask("XLSN"), "");
    EXPECT_EQ(AskWith("XLSN", "keep"), std::make_pair(1, std::string("keep")));
}

TEST_F(NamedQueries, LayoutAndColumnsAndSlopeKind)
{
    EXPECT_EQ(Ask("bPART"), "TRUE");
    Atom().PierLayMode = 0;
    EXPECT_EQ(AskWith("bPART", "old"), std::make_pair(1, std::string("FALSE")));   // replaces

    EXPECT_EQ(Ask("ZhuSN"), "#0##1##2#");                                             // three columns
    EXPECT_EQ(AskWith("ZhuSN", "Z"), std::make_pair(1, std::string("Z#0##1##2#")));
    Atom().bBz.RemoveAll();
    EXPECT_EQ(Ask("ZhuSN"), "#0#");                                                   // one column

    EXPECT_EQ(Ask("iBF"), "TRUE");                                                    // 0.5 and -0.02
    Atom().iLb = 0.02;
    Atom().iRb = 0.0200000005;                                                        // within 1e-6
    EXPECT_EQ(Ask("iBF"), "FALSE");
}

TEST_F(NamedQueries, SlopesWithTheDecimalsOfTheName)
{
    EXPECT_EQ(Ask("iLB<<2>>"), "0.50");
    EXPECT_EQ(Ask("iLB<<1>>"), "0.5");
    EXPECT_EQ(Ask("iRB<<3>>"), "-0.020");
    EXPECT_EQ(Ask("iRB<<4"), "-0.0200");               // ">>" is only removed, not required
    Atom().iLb = 1.75;
    EXPECT_EQ(Ask("iLB<<>>"), "2");                     // no decimals
    EXPECT_EQ(Ask("iLB<<iLB<<1>>"), "1.8");             // every "iLB<<" is removed
}

TEST_F(NamedQueries, LengthsAndLevelsWithSixDecimals)
{
    EXPECT_EQ(Ask("bBG"), "15500.000000");
    EXPECT_EQ(Ask("bAG"), "-250.500000");
    EXPECT_EQ(Ask("bBZL"), "1500.250000");
    EXPECT_EQ(Ask("bBZR"), "1499.750000");
    EXPECT_EQ(Ask("zGai"), "123.456000");
    EXPECT_EQ(Ask("DSHXA"), "800.000000");
    EXPECT_EQ(Ask("DSSXA"), "650.500000");
}

TEST_F(NamedQueries, LowestFrontPedestal)
{
    EXPECT_EQ(Ask("DSHDA"), "275.500000");
    Atom().hZzf.RemoveAll();
    EXPECT_EQ(Ask("DSHDA"), "0.000000");
}

TEST_F(NamedQueries, ColumnSpacingsAndHeightsByIndexFromOne)
{
    EXPECT_EQ(Ask("bBZ#1"), "6000.000000");
    EXPECT_EQ(Ask("bBZ#2"), "6500.000000");
    EXPECT_EQ(Ask("bBZ#2>>"), "6500.000000");
    EXPECT_EQ(Ask("bBZ#3"), "<result 0>");              // two spacings only
    EXPECT_EQ(Ask("bBZ#3>>"), "<result 0>");
    EXPECT_EQ(Ask("hHD#1"), "8000.500000");
    EXPECT_EQ(Ask("hHD#3"), "7000.125000");
    EXPECT_EQ(Ask("hHD#4"), "<result 0>");
}

TEST_F(NamedQueries, IndicesThatNameNoElementAreRefused)
{
    for (const char* name : {"bBZ#0", "bBZ#", "bBZ#-1", "bBZ#x", "hHD#0", "hHD#-2", "bBZ#99999999999999999999",
                             "zHZT#0#<<2>>", "zHZT#-1#<<2>>", "zXL##<<2>>", "zXL#4#<<1>>"}) {
        EXPECT_EQ(AskWith(name, "v"), std::make_pair(0, std::string("v"))) << name;
    }
}

TEST_F(NamedQueries, ColumnTopsAndTieBeamLevelsWithIndexAndDecimals)
{
    EXPECT_EQ(Ask("zHZT#1#<<2>>"), "115.46");
    EXPECT_EQ(Ask("zHZT#2#<<3>>"), "115.123");
    EXPECT_EQ(Ask("zHZT#3#<<1>>"), "114.9");
    EXPECT_EQ(Ask("zXL#2#<<3>>"), "102.750");
    EXPECT_EQ(Ask("zXL#1#<<3>>"), "101.250");
    EXPECT_EQ(Ask("zXL#3#<<1>>"), "103.1");
    EXPECT_EQ(Ask("zXL#4#<<1>>"), "<result 0>");
    EXPECT_EQ(Ask("zHZT#4#<<1>>"), "<result 0>");
}

// The index text is removed from the decimals too: its digits there are lost.
TEST_F(NamedQueries, IndexDigitsInTheDecimalsAreRemoved)
{
    EXPECT_EQ(Ask("zXL#2#<<2>>"), "103");               // no decimals left: 102.75 -> 103
    EXPECT_EQ(Ask("zHZT#2#<<2>>"), "115");
    EXPECT_EQ(Ask("zHZT#3#<<13>>"), "114.9");           // "13" loses its "3": one decimal
}

// Without "#<<" no index is read: index 0 names no element.
TEST_F(NamedQueries, IndexedLevelsNeedTheDecimalsMark)
{
    EXPECT_EQ(AskWith("zHZT#2", "v"), std::make_pair(0, std::string("v")));
    EXPECT_EQ(AskWith("zXL#1>>", "v"), std::make_pair(0, std::string("v")));
}

TEST_F(NamedQueries, KnownNamesWithoutAnswerLeaveTheValue)
{
    EXPECT_EQ(AskWith("DSBGA", "v"), std::make_pair(1, std::string("v")));
    EXPECT_EQ(AskWith("ZZFVNA", "v"), std::make_pair(1, std::string("v")));
}

TEST_F(NamedQueries, UnknownNamesLeaveTheValue)
{
    for (const char* name : {"bbg", "BBG", "zHZT", "zhzt#1#<<2>>", "xlsn", "bBZ", "bBG ", " bBG", "iLB<", "ILB<<2>>",
                             "DSHD", "ZZFVN", "hHD", "zXL", "zGAI", ""}) {
        EXPECT_EQ(AskWith(name, "v"), std::make_pair(0, std::string("v"))) << '"' << name << '"';
    }
}

// A number of decimals that the format cannot take as digits is not handed to the formatting.
TEST_F(NamedQueries, MalformedDecimalsAreRefused)
{
    for (const char* name : {"iLB<<%s>>", "iLB<<2x>>", "iRB<<-1>>", "iLB<< 2>>", "iLB<<1075>>",
                             "iLB<<99999999999999999999>>", "zXL#1#<<%n>>", "zHZT#1#<<.2>>", "zHZT#1#<<2#>>"}) {
        EXPECT_EQ(AskWith(name, "v"), std::make_pair(0, std::string("v"))) << name;
    }
    CString value;
    ASSERT_EQ(component.GetValueByName("iLB<<1074>>", value), 1);   // the most decimals a real has
    EXPECT_EQ(value.GetLength(), 1 + 1 + 1074);
    EXPECT_EQ(value.Left(6), CString("0.5000"));
}

TEST_F(NamedQueries, TheFirstMatchingQueryAnswers)
{
    // "bBZL" and "bBZR" are their own queries, not indexed spacings.
    EXPECT_EQ(Ask("bBZL"), "1500.250000");
    // An indexed name answers by its prefix whatever follows.
    EXPECT_EQ(Ask("bBZ#1bBZ#"), "6000.000000");
}

TEST_F(NamedQueries, AnsweredThroughTheHostsBaseClass)
{
    CComponentNorm& base = component;
    CString value;
    EXPECT_EQ(base.GetValueByName("bBG", value), 1);
    EXPECT_EQ(value, CString("15500.000000"));
}

TEST(NamedQueriesWithoutDesign, NothingAnswersBeforeADesign)
{
    CPM001Norm component;
    for (const char* name : {"XLSN", "bPART", "ZhuSN", "iBF", "iLB<<2>>", "bBG", "bBZ#1", "hHD#1", "zGai",
                             "zHZT#1#<<2>>", "zXL#1#<<2>>", "DSHDA", "DSBGA", "ZZFVNA", "unknown"}) {
        CString value("v");
        EXPECT_EQ(component.GetValueByName(name, value), 0) << name;
        EXPECT_EQ(value, CString("v")) << name;
    }
}

} // namespace
