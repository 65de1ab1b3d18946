// CPM001Atom::OutPM001AtomData: the report's value names, kinds and decimals, and the values themselves.
#include "pier/pier_design_record.h"

#include "published_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

enum Kind { I, R, L, S, SL };   // integer, real, list of reals, text, list of texts

struct Expected {
    const char* name;
    Kind kind;
    int decimals = 1;   // reals and real lists
};

// The record's values as the calculation report receives them.
const std::vector<Expected> kT0101 = {
    {"JGType", I}, {"PierLayMode", I}, {"fSeparationSymmetry", I}, {"bAg", R}, {"a", R}, {"vP", R},
    {"BaseType", I}, {"BaseLayMode", I}, {"DX", R}, {"DY", R},

    {"bAc", R}, {"zGl", R}, {"hXbl", R}, {"bBpl", R}, {"hXbr", R}, {"bBpr", R}, {"bTtl", R}, {"bXbl", R},
    {"hml", R}, {"htl", R}, {"bTtr", R}, {"bXbr", R}, {"hmr", R}, {"htr", R}, {"iLb", R}, {"iRb", R},
    {"iLbL", R}, {"iLbR", R}, {"iRbL", R}, {"iRbR", R},

    {"SectionType", I}, {"B", R}, {"B1", R}, {"B2", R}, {"hHgf", R}, {"hHgb", R}, {"hHgl", R}, {"V", R},
    {"U", R}, {"bBzl", R}, {"bBzr", R}, {"bBz", L}, {"zZct", R}, {"lCzf", R}, {"ColumnSectionType", I},
    {"D", R}, {"bRec", R}, {"lRec", R}, {"FilletMode", I}, {"X", R}, {"Y", R}, {"R", R}, {"fXL", I},
    {"bXl", R}, {"hXl", R}, {"zXl", L},

    {"CushionNumber", I}, {"fVaiKongZhi", I}, {"zQf", R}, {"zQb", R}, {"bQf", L}, {"bQb", L},
    {"TypeZhif", SL}, {"TypeZhib", SL}, {"BedStoneTypef", I}, {"lZzf", R}, {"lZzb", R}, {"hZzf", L},
    {"BedStoneTypeb", I}, {"bZzf", R}, {"bZzb", R}, {"hZzb", L},

    {"fHaveStopper", I}, {"fVaiDang", I}, {"hFz", R}, {"bL1", R}, {"bL2", R}, {"bFzjl", R}, {"bR1", R},
    {"bR2", R}, {"bFzjr", R}, {"hFzf", R}, {"bLf1", R}, {"bLf2", R}, {"bFzfl", R}, {"bRf1", R}, {"bRf2", R},
    {"bFzfr", R},

    {"PierCapConGra", S}, {"PierColumnConGra", S}, {"BedStoneConGra", S}, {"StopperConGra", S},
    {"fDisribute", I}, {"fVarjichupmt", I}, {"fZT", I},

    {"gzPMScale", R}, {"gzLMScale", R}, {"stPMScale", R}, {"PrePMScale", R},

    {"zGai", L, 3}, {"zHzt", L}, {"hHd", L}, {"bBg", R}, {"hHpl", R}, {"hHpr", R}, {"hHglc", R}, {"hHgt", R},
    {"bAd", R}, {"hXblf", R}, {"gz_hXblb", R}, {"hXbrf", R}, {"hXbrb", R}, {"lWg", R}, {"szHD", S},
    {"lCzb", R}, {"iDb", R}, {"DL", R}, {"bLx", L}, {"lFzdk", R},
};

const std::vector<const char*> kFlags = {
    "fLianhe", "fVarGai", "fVarbAg", "fVarGaip", "fVarZhut", "fZhugao", "fVarZhud", "fVarJichut",
    "fVarJichud", "fVarZhuangd", "fVarZhuangl", "fVarHpt", "fVarHft", "fVarHct", "fVarHzt",
};

CBGOutputData::Type TypeOf(Kind k)
{
    switch (k) {
    case I: return CBGOutputData::Int;
    case R: return CBGOutputData::Double;
    case L: return CBGOutputData::DoubleList;
    case S: return CBGOutputData::Text;
    case SL: return CBGOutputData::TextList;
    }
    return CBGOutputData::Int;
}

const CBGOutputData& At(const OutputDataMap& map, const std::string& key)
{
    const auto it = map.find(CString(key));
    if (it == map.end()) throw std::out_of_range("no output value " + key);
    return *it->second;
}

} // namespace

TEST(DesignRecordOutput, EveryNameWithItsKindAndDecimals)
{
    ASSERT_EQ(kT0101.size() + kFlags.size(), 134u);
    const CPM001Atom r;
    OutputDataMap map;
    r.OutPM001AtomData(map);
    std::set<std::string> listed;
    for (const Expected& e : kT0101) listed.insert(std::string("PM001_T0101_") + e.name);
    for (const char* flag : kFlags) listed.insert(std::string("PM001_lb_") + flag);
    EXPECT_EQ(listed.size(), 134u) << "a name listed twice";
    EXPECT_EQ(PublishedNamesAgainst(map, listed), "");

    for (const Expected& e : kT0101) {
        const std::string key = std::string("PM001_T0101_") + e.name;
        ASSERT_EQ(map.count(CString(key)), 1u) << key;
        const CBGOutputData& v = At(map, key);
        EXPECT_EQ(v.type, TypeOf(e.kind)) << key;
        if (e.kind == R || e.kind == L) {
            EXPECT_EQ(v.decimals, e.decimals) << key;
        }
        EXPECT_EQ(v.note, "") << key;
        // A fresh record: zeros, empty texts, empty lists.
        EXPECT_EQ(v.intValue, 0) << key;
        EXPECT_EQ(v.doubleValue, 0.0) << key;
        EXPECT_TRUE(v.text.IsEmpty()) << key;
        EXPECT_TRUE(v.doubleList.IsEmpty()) << key;
        EXPECT_TRUE(v.textList.IsEmpty()) << key;
    }
    for (const char* flag : kFlags) {
        const std::string key = std::string("PM001_lb_") + flag;
        ASSERT_EQ(map.count(CString(key)), 1u) << key;
        EXPECT_EQ(At(map, key).type, CBGOutputData::Int) << key;
        EXPECT_EQ(At(map, key).intValue, 0) << key;
    }
}

TEST(DesignRecordOutput, ValuesNotForTheReportStayOut)
{
    const CPM001Atom r;
    OutputDataMap map;
    r.OutPM001AtomData(map);
    for (const char* name : {"TieBeamConGra", "TendonMaterial", "ComponentLabel", "DesignOpt1", "DesignOpt5",
                             "DesignOpt6", "DesignOpt7", "DesignOpt10", "DesignValue1", "DesignValue2",
                             "DesignText1", "DesignText2", "TextStyleMode", "fSameBedStoneRows"})
        EXPECT_EQ(map.count(CString("PM001_T0101_") + name), 0u) << name;
    EXPECT_EQ(map.count("PM001_T0101_fLianhe"), 0u);   // flags go under their own prefix only
}

TEST(DesignRecordOutput, CrossSlopeInPercentAndElevationsToTheMillimetre)
{
    CPM001Atom r;
    r.iDb = 0.015;
    r.zGai.Add(100.12345);
    r.zGai.Add(99.8766);
    r.zHzt.Add(98.26);
    r.bAd = 4500.25;
    OutputDataMap map;
    r.OutPM001AtomData(map);
    EXPECT_DOUBLE_EQ(At(map, "PM001_T0101_iDb").doubleValue, 1.5);
    EXPECT_EQ(At(map, "PM001_T0101_iDb").ToText(), "1.5");
    EXPECT_EQ(At(map, "PM001_T0101_zGai").ToText(), "100.123,99.877");
    EXPECT_EQ(At(map, "PM001_T0101_zHzt").ToText(), "98.3");
    EXPECT_EQ(At(map, "PM001_T0101_bAd").doubleValue, 4500.25);   // full precision kept
}

TEST(DesignRecordOutput, ValuesComeFromTheirOwnFields)
{
    CPM001Atom r;
    r.vP = -100;
    r.zQb = -350;
    r.SectionType = 2;
    r.TypeZhib.Add("板式");
    r.szHD = "820.0";
    r.PierCapConGra = "C40";
    r.StopperConGra = "C45";
    r.bLx.Add(3600);
    // Each report flag a value of its own, as a loaded archive may hold.
    for (std::size_t i = 0; i < kFlags.size(); ++i) {
        int* flags[] = {&r.fLianhe, &r.fVarGai, &r.fVarbAg, &r.fVarGaip, &r.fVarZhut, &r.fZhugao, &r.fVarZhud,
                        &r.fVarJichut, &r.fVarJichud, &r.fVarZhuangd, &r.fVarZhuangl, &r.fVarHpt, &r.fVarHft,
                        &r.fVarHct, &r.fVarHzt};
        *flags[i] = static_cast<int>(i) + 1;
    }
    OutputDataMap map;
    r.OutPM001AtomData(map);
    EXPECT_EQ(At(map, "PM001_T0101_vP").doubleValue, -100);
    EXPECT_EQ(At(map, "PM001_T0101_zQb").doubleValue, -350);
    EXPECT_EQ(At(map, "PM001_T0101_SectionType").intValue, 2);
    EXPECT_EQ(At(map, "PM001_T0101_TypeZhib").ToText(), "板式");
    EXPECT_EQ(At(map, "PM001_T0101_szHD").text, "820.0");
    EXPECT_EQ(At(map, "PM001_T0101_PierCapConGra").text, "C40");
    EXPECT_EQ(At(map, "PM001_T0101_StopperConGra").text, "C45");
    EXPECT_EQ(At(map, "PM001_T0101_bLx").ToText(), "3600.0");
    for (std::size_t i = 0; i < kFlags.size(); ++i)
        EXPECT_EQ(At(map, std::string("PM001_lb_") + kFlags[i]).intValue, static_cast<int>(i) + 1) << kFlags[i];
}
