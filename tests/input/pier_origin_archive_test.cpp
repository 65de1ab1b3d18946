// CPM001org::SerializeOriginData: the origin data block's bytes, both directions, and damaged blocks.
#include "input/pier_input_case.h"

#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <variant>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Store(CPM001org& org)
{
    Bytes bytes;
    CArchive ar(bytes, CArchive::store);
    org.SerializeOriginData(ar);
    return bytes;
}

void Load(CPM001org& org, const Bytes& bytes)
{
    CArchive ar(bytes.data(), bytes.size());
    org.SerializeOriginData(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
}

// The block's fields in their stored order, as the format lists them.
using Field = std::variant<int CPM001org::*, double CPM001org::*, CString CPM001org::*, DblArray CPM001org::*,
                           CStringArray CPM001org::*>;
struct Named {
    const char* name;
    Field field;
};
#define F(member) Named{#member, &CPM001org::member}
const std::vector<Named> kStoredOrder = {
    F(JGType), F(PierLayMode), F(fSeparationSymmetry),
    F(bAg), F(a), F(vP),
    F(BaseType), F(BaseLayMode),
    F(DX), F(DY), F(bAc), F(zGl), F(hXbl), F(bBpl), F(hXbr), F(bBpr),
    F(bTtl), F(bXbl), F(hml), F(htl), F(bTtr), F(bXbr), F(hmr), F(htr),
    F(fSingleSlope),
    F(iLb), F(iRb), F(iLbL), F(iLbR), F(iRbL), F(iRbR),
    F(SectionType),
    F(B), F(B1), F(B2), F(hHgf), F(hHgb), F(hHgl), F(V), F(U), F(bBzl), F(bBzr),
    F(bBz),
    F(zZct), F(lCzf),
    F(ColumnSectionType),
    F(D), F(bRec), F(lRec),
    F(FilletMode),
    F(X), F(Y), F(R),
    F(fXL),
    F(bXl), F(hXl),
    F(zXl),
    F(CushionNumber), F(fVaiKongZhi),
    F(zQf), F(zQb),
    F(bQf), F(bQb),
    F(TypeZhif), F(TypeZhib),
    F(BedStoneTypef),
    F(lZzf), F(lZzb),
    F(hZzf), F(hZzb),
    F(bZzf), F(bZzb),
    F(BedStoneTypeb), F(fHaveStopper), F(fVaiDang),
    F(hFz), F(bL1), F(bL2), F(bFzjl), F(bR1), F(bR2), F(bFzjr),
    F(hFzf), F(bLf1), F(bLf2), F(bFzfl), F(bRf1), F(bRf2), F(bFzfr),
    F(PierCapConGra), F(PierColumnConGra), F(BedStoneConGra), F(StopperConGra), F(TieBeamConGra),
    F(fDisribute), F(fVarjichupmt), F(fZT), F(DesignOpt7), F(DesignOpt8), F(DesignOpt9), F(DesignOpt10),
    F(DesignValue2),
    F(DesignOpt1), F(DesignOpt2), F(DesignOpt3), F(DesignOpt4),
    F(DesignValue1),
    F(DesignText1),
    F(DesignOpt5),
    F(DesignText2),
    F(DesignOpt6),
    F(TendonMaterial),
    F(ComponentLabel),
    F(gzPMScale), F(gzLMScale), F(stPMScale), F(PrePMScale),
    F(CalcOpt1), F(CalcOpt2), F(CalcOpt3), F(CalcOpt4), F(CalcOpt5),
    F(DuctSeries), F(AnchorSeries),
    F(CalcOpt6), F(CalcOpt7), F(CalcOpt8), F(CalcOpt9), F(CalcOpt10), F(CalcOpt12), F(TextStyleMode),
    F(ColumnTopLevels), F(ColumnHeights),
    F(CalcOpt11), F(CalcOpt13),
};
#undef F

// Gives every stored field its own value, derived from its place n in the block: ints n,
// reals n + 0.25, texts "Tn", lists of n % 3 elements.
void FillDistinct(CPM001org& org)
{
    for (std::size_t i = 0; i < kStoredOrder.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        std::visit(
            [&](auto member) {
                auto& field = org.*member;
                using T = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<T, int>) field = n;
                else if constexpr (std::is_same_v<T, double>) field = n + 0.25;
                else if constexpr (std::is_same_v<T, CString>) field.Format("T%d", n);
                else if constexpr (std::is_same_v<T, DblArray>) {
                    for (int k = 0; k < n % 3; ++k) field.Add(n + k * 0.5);
                } else {
                    for (int k = 0; k < n % 3; ++k) field.Add(CString("S") + CString(std::to_string(n + k)));
                }
            },
            kStoredOrder[i].field);
    }
}

// Reads the block's bytes by hand: little-endian numbers, one-byte text lengths, 16-bit counts.
class ByteReader {
public:
    explicit ByteReader(const Bytes& bytes) : m_bytes(bytes) {}
    int Int() { return static_cast<int>(Raw(4)); }
    double Double()
    {
        const std::uint64_t bits = Raw(8);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    int Count() { return static_cast<int>(Raw(2)); }
    CString Text()
    {
        const auto length = static_cast<std::size_t>(Raw(1));
        Need(length);
        std::string s(m_bytes.begin() + static_cast<long>(m_pos), m_bytes.begin() + static_cast<long>(m_pos + length));
        m_pos += length;
        return CString(s);
    }
    std::size_t Position() const { return m_pos; }

private:
    std::uint64_t Raw(std::size_t size)
    {
        Need(size);
        std::uint64_t v = 0;
        for (std::size_t k = 0; k < size; ++k) v |= std::uint64_t{m_bytes[m_pos + k]} << (8 * k);
        m_pos += size;
        return v;
    }
    void Need(std::size_t size) const
    {
        if (m_pos + size > m_bytes.size()) throw std::out_of_range("past the end of the block");
    }
    const Bytes& m_bytes;
    std::size_t m_pos = 0;
};

// A pier with every kind of content: lists, a skew, Chinese texts.
std::unique_ptr<CPM001org> RichOrigin()
{
    PierInputCase pier;
    pier.SetSkew(0.2);
    pier.input.fTwoRows = 1;
    pier.input.fBedStone = 1;
    pier.input.bQf.Add("1000");
    pier.input.bQf.Add("1200");
    pier.input.TypeZhif.Add("板式橡胶支座");
    pier.input.TypeZhif.Add("GJZ300×400×52");
    pier.input.bQb.Add("900");
    pier.input.TypeZhib.Add("支座");
    pier.input.hZzf.Add("250");
    pier.input.hZzb.Add("260");
    pier.input.fXL = 1;
    pier.input.zXl = "95.5";
    pier.input.PierCapConGra = "C40混凝土";
    pier.road.GetRoadGeneral()->SetDesignTendonMaterialName(1, "钢绞线1×7-15.20-1860");
    return pier.Intake();
}

class PierOriginArchive : public ::testing::Test {};

TEST_F(PierOriginArchive, AFreshObjectTakesTheBytesCountedByHand)
{
    CPM001org org;
    // 44 ints, 71 reals, 8 empty real lists and 2 empty text lists (a 2-byte count each),
    // 10 empty texts (a 1-byte length each).
    const std::size_t expected = 44 * 4 + 71 * 8 + 8 * 2 + 2 * 2 + 10 * 1;
    EXPECT_EQ(expected, 774u);
    EXPECT_EQ(Store(org).size(), expected);
}

TEST_F(PierOriginArchive, ASmallObjectAddsItsListElementsAndTextBytes)
{
    CPM001org org;
    org.bBz.Add(6500.0);             // one real: + 8
    org.TypeZhif.Add("支座");        // two characters, 2 bytes each in GBK, after a 1-byte length: + 5
    org.PierCapConGra = "C40";       // + 3
    org.DesignText1 = "N";           // + 1
    const Bytes bytes = Store(org);
    ASSERT_EQ(bytes.size(), 774u + 8 + 5 + 3 + 1);

    // bBz follows 3 + 2 + 1 + 1 = 7 ints and 3 + 16 + 6 + 10 = 35 reals: its count sits at 308.
    EXPECT_EQ(bytes[308], 1);
    EXPECT_EQ(bytes[309], 0);
    // 6500 = 0x40B9640000000000.
    const Bytes real6500 = {0x00, 0x00, 0x00, 0x00, 0x00, 0x64, 0xB9, 0x40};
    EXPECT_EQ(Bytes(bytes.begin() + 310, bytes.begin() + 318), real6500);
}

TEST_F(PierOriginArchive, FieldsAreStoredInTheBlocksOrder)
{
    CPM001org org;
    FillDistinct(org);
    const Bytes bytes = Store(org);

    ByteReader in(bytes);
    for (std::size_t i = 0; i < kStoredOrder.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const char* name = kStoredOrder[i].name;
        std::visit(
            [&](auto member) {
                using T = std::decay_t<decltype(org.*member)>;
                if constexpr (std::is_same_v<T, int>) EXPECT_EQ(in.Int(), n) << name;
                else if constexpr (std::is_same_v<T, double>) EXPECT_EQ(in.Double(), n + 0.25) << name;
                else if constexpr (std::is_same_v<T, CString>) {
                    CString expected;
                    expected.Format("T%d", n);
                    EXPECT_EQ(in.Text(), expected) << name;
                } else if constexpr (std::is_same_v<T, DblArray>) {
                    ASSERT_EQ(in.Count(), n % 3) << name;
                    for (int k = 0; k < n % 3; ++k) EXPECT_EQ(in.Double(), n + k * 0.5) << name;
                } else {
                    ASSERT_EQ(in.Count(), n % 3) << name;
                    for (int k = 0; k < n % 3; ++k)
                        EXPECT_EQ(in.Text(), CString("S") + CString(std::to_string(n + k))) << name;
                }
            },
            kStoredOrder[i].field);
    }
    EXPECT_EQ(in.Position(), bytes.size());
}

TEST_F(PierOriginArchive, AnEnteredPierSurvivesTheRoundTrip)
{
    auto source = RichOrigin();
    ASSERT_TRUE(source);
    const Bytes first = Store(*source);

    CPM001org loaded;
    loaded.bBz.Add(1.0);             // replaced, not appended to
    loaded.TypeZhif.Add("old");
    Load(loaded, first);
    EXPECT_EQ(Store(loaded), first);
    EXPECT_EQ(loaded.bBz.vector(), source->bBz.vector());
    EXPECT_EQ(loaded.TypeZhif.vector(), source->TypeZhif.vector());
    EXPECT_EQ(loaded.TypeZhif[0], "板式橡胶支座");
    EXPECT_EQ(loaded.TendonMaterial, "钢绞线1×7-15.20-1860");
    EXPECT_EQ(loaded.PierCapConGra, "C40");
    EXPECT_DOUBLE_EQ(loaded.a, 0.2);
    EXPECT_EQ(loaded.bQf.vector(), source->bQf.vector());
    EXPECT_EQ(loaded.ColumnHeights.vector(), source->ColumnHeights.vector());
    EXPECT_TRUE(loaded.DSOutlines.IsEmpty());
    EXPECT_TRUE(loaded.ZZOutlinesF.empty());
}

TEST_F(PierOriginArchive, LoadingDerivesTheEndHeightsAgainAndKeepsTheStoredLengths)
{
    CPM001org source;
    source.bBzl = 1500.0;
    source.bBzr = 1500.0;
    source.bBz.Add(6500.0);
    source.bBz.Add(6500.0);
    source.bAc = 6000.0;
    source.hHgl = 1600.0;
    source.iLb = 0.015;
    source.iRb = 0.025;
    source.hXbl = 1510.0;            // equals the derived height, yet the stored length stays
    source.bBpl = 2500.0;
    source.bBpr = 2400.0;

    CPM001org loaded;
    Load(loaded, Store(source));
    EXPECT_NEAR(loaded.HeightLeftEnd, 1510.0, 1e-9);    // 1600 - 6000 * 0.015
    EXPECT_NEAR(loaded.HeightRightEnd, 1350.0, 1e-9);   // 1600 - (16000 - 6000) * 0.025
    EXPECT_DOUBLE_EQ(loaded.bBpl, 2500.0);
    EXPECT_DOUBLE_EQ(loaded.bBpr, 2400.0);

    CPM001org oneSlope;
    source.iRb = -0.015;
    Load(oneSlope, Store(source));
    EXPECT_DOUBLE_EQ(oneSlope.HeightLeftEnd, 1600.0);
    EXPECT_DOUBLE_EQ(oneSlope.HeightRightEnd, 1600.0);
}

TEST_F(PierOriginArchive, ATruncatedBlockThrowsAtEveryLength)
{
    auto source = RichOrigin();
    const Bytes bytes = Store(*source);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        CPM001org target;
        CArchive ar(bytes.data(), size);
        EXPECT_THROW(target.SerializeOriginData(ar), CArchiveException) << "length " << size;
    }
}

TEST_F(PierOriginArchive, AHugeListCountThrowsBeforeAnythingIsAllocated)
{
    CPM001org org;
    const Bytes bytes = Store(org);
    // bBz's empty count (2 bytes at 308) becomes 0xFFFF followed by 0x7FFFFFFF.
    Bytes damaged(bytes.begin(), bytes.begin() + 308);
    for (unsigned char b : {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) damaged.push_back(b);
    damaged.insert(damaged.end(), bytes.begin() + 310, bytes.end());

    CPM001org target;
    CArchive ar(damaged.data(), damaged.size());
    EXPECT_THROW(target.SerializeOriginData(ar), CArchiveException);
    EXPECT_TRUE(target.bBz.IsEmpty());
}

TEST_F(PierOriginArchive, FlippedBytesEitherLoadOrThrowTheArchiveException)
{
    auto source = RichOrigin();
    const Bytes bytes = Store(*source);
    // A load that gets through holds the damage: stored again, it gives the damaged bytes, all of
    // them read.
    int loaded = 0, refused = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        Bytes damaged = bytes;
        damaged[at] ^= 0xFF;
        CPM001org target;
        CArchive ar(damaged.data(), damaged.size());
        try {
            target.SerializeOriginData(ar);
        } catch (const CArchiveException&) {
            ++refused;
            continue;
        }
        ++loaded;
        EXPECT_EQ(ar.GetRemaining(), 0u) << "byte " << at;
        EXPECT_EQ(Store(target), damaged) << "byte " << at;
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
