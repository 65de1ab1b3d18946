// CPM001Atom::SerializeDesignData: the byte layout written out by hand, round trips and damaged archives.
#include "pier/pier_design_record.h"

#include "mfc/archive_exception.h"
#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Stored(CPM001Atom& r)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    r.SerializeDesignData(ar);
    return out;
}

void LoadInto(CPM001Atom& r, const Bytes& in, std::size_t size)
{
    CArchive ar(in.data(), size);
    r.SerializeDesignData(ar);
    if (ar.GetRemaining() != 0) throw std::logic_error("bytes left over");
}

// Builds the expected archive independently of the record's code: every call gives one field a
// value of its own and appends that value's bytes as the archive must hold them.
class Layout {
public:
    void Int(int& field)
    {
        field = ++m_next * 7 - 50;
        const auto u = static_cast<std::uint32_t>(field);
        for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<unsigned char>(u >> (8 * k)));
    }
    void Real(double& field)
    {
        field = ++m_next + 0.125;
        PutReal(field);
    }
    // Two elements, so that a list's count and elements both show.
    void List(DblArray& field)
    {
        field.RemoveAll();
        field.Add(++m_next + 0.5);
        field.Add(-m_next * 1000.0);
        bytes.push_back(2);
        bytes.push_back(0);
        for (double v : field) PutReal(v);
    }
    // An ASCII text stands for itself in code page 936.
    void Text(CString& field, const char* text)
    {
        field = text;
        PutText(text);
    }
    void TextList(CStringArray& field, const char* utf8, const char* gbk)
    {
        field.RemoveAll();
        field.Add(utf8);
        bytes.push_back(1);
        bytes.push_back(0);
        PutText(gbk);
    }

    Bytes bytes;

private:
    void PutReal(double v)
    {
        const auto u = std::bit_cast<std::uint64_t>(v);
        for (int k = 0; k < 8; ++k) bytes.push_back(static_cast<unsigned char>(u >> (8 * k)));
    }
    void PutText(const std::string& gbk)
    {
        bytes.push_back(static_cast<unsigned char>(gbk.size()));
        bytes.insert(bytes.end(), gbk.begin(), gbk.end());
    }

    int m_next = 0;
};

// Gives every field of r a value of its own, in the archive's order, and returns the bytes.
Bytes FillInArchiveOrder(CPM001Atom& r)
{
    Layout l;
    l.Int(r.JGType); l.Int(r.PierLayMode); l.Int(r.fSeparationSymmetry);
    l.Real(r.bAg); l.Real(r.a); l.Real(r.vP);
    l.Int(r.BaseType); l.Int(r.BaseLayMode);
    for (double* f : {&r.DX, &r.DY, &r.bAc, &r.zGl, &r.hXbl, &r.bBpl, &r.hXbr, &r.bBpr, &r.bTtl, &r.bXbl, &r.hml,
                      &r.htl, &r.bTtr, &r.bXbr, &r.hmr, &r.htr, &r.iLb, &r.iRb, &r.iLbL, &r.iLbR, &r.iRbL, &r.iRbR})
        l.Real(*f);
    l.Int(r.SectionType);
    for (double* f : {&r.B, &r.B1, &r.B2, &r.hHgf, &r.hHgb, &r.hHgl, &r.V, &r.U, &r.bBzl, &r.bBzr}) l.Real(*f);
    l.List(r.bBz);
    l.Real(r.zZct); l.Real(r.lCzf);
    l.Int(r.ColumnSectionType);
    l.Real(r.D); l.Real(r.bRec); l.Real(r.lRec);
    l.Int(r.FilletMode);
    l.Real(r.X); l.Real(r.Y); l.Real(r.R);
    l.Int(r.fXL);
    l.Real(r.bXl); l.Real(r.hXl);
    l.List(r.zXl);
    l.Int(r.CushionNumber); l.Int(r.fVaiKongZhi);
    l.Real(r.zQf); l.Real(r.zQb);
    l.List(r.bQf);
    l.List(r.bQb);
    l.TextList(r.TypeZhif, "GJZ", "GJZ");
    l.TextList(r.TypeZhib, "板式", "\xB0\xE5\xCA\xBD");
    l.Int(r.BedStoneTypef);
    l.Real(r.lZzf); l.Real(r.lZzb);
    l.List(r.hZzf);
    l.List(r.hZzb);
    l.Real(r.bZzf); l.Real(r.bZzb);
    l.Int(r.BedStoneTypeb); l.Int(r.fHaveStopper); l.Int(r.fVaiDang);
    for (double* f : {&r.hFz, &r.bL1, &r.bL2, &r.bFzjl, &r.bR1, &r.bR2, &r.bFzjr, &r.hFzf, &r.bLf1, &r.bLf2,
                      &r.bFzfl, &r.bRf1, &r.bRf2, &r.bFzfr})
        l.Real(*f);
    l.Text(r.PierCapConGra, "C40");
    l.Text(r.PierColumnConGra, "C35");
    l.Text(r.BedStoneConGra, "C50");
    l.Text(r.StopperConGra, "C45");
    l.Text(r.TieBeamConGra, "C30");
    l.Int(r.fDisribute); l.Int(r.fVarjichupmt); l.Int(r.fZT); l.Int(r.DesignOpt6);
    l.Real(r.gzPMScale); l.Real(r.gzLMScale); l.Real(r.stPMScale); l.Real(r.PrePMScale);
    l.List(r.zGai);
    l.List(r.zHzt);
    l.List(r.hHd);
    for (double* f : {&r.bBg, &r.hHpl, &r.hHpr, &r.hHglc, &r.hHgt, &r.bAd, &r.hXblf, &r.gz_hXblb, &r.hXbrf,
                      &r.hXbrb, &r.lWg})
        l.Real(*f);
    l.Text(r.szHD, "820.0");
    l.Real(r.lCzb); l.Real(r.iDb); l.Real(r.DL);
    l.List(r.bLx);
    l.Real(r.lFzdk);
    l.Int(r.DesignOpt7); l.Int(r.DesignOpt8); l.Int(r.DesignOpt9); l.Int(r.DesignOpt10);
    l.Real(r.DesignValue2);
    l.Int(r.DesignOpt1); l.Int(r.DesignOpt2); l.Int(r.DesignOpt3); l.Int(r.DesignOpt4);
    l.Real(r.DesignValue1);
    l.Text(r.DesignText1, "N");
    l.Int(r.DesignOpt5);
    l.Text(r.DesignText2, "");
    l.Text(r.TendonMaterial, "15.2");
    for (int* f : {&r.ComponentLabel, &r.fLianhe, &r.fVarGai, &r.fVarbAg, &r.fVarGaip, &r.fVarZhut, &r.fZhugao,
                   &r.fVarZhud, &r.fVarJichut, &r.fVarJichud, &r.fVarZhuangd, &r.fVarZhuangl, &r.fVarHpt,
                   &r.fVarHft, &r.fVarHct, &r.fVarHzt, &r.TextStyleMode, &r.fSameBedStoneRows})
        l.Int(*f);
    return l.bytes;
}

} // namespace

TEST(DesignRecordArchive, AnEmptyRecordTakesItsItemsMinimumSize)
{
    // 46 ints of 4 bytes, 86 reals of 8, 10 empty real lists and 2 empty text lists of 2 bytes
    // (their counts), 9 empty texts of 1 byte: 184 + 688 + 20 + 4 + 9 = 905 bytes.
    CPM001Atom r;
    const Bytes bytes = Stored(r);
    EXPECT_EQ(bytes.size(), 905u);
    EXPECT_EQ(bytes, Bytes(905, 0));   // every item of an empty record is zero

    CPM001Atom back;
    LoadInto(back, bytes, bytes.size());
    EXPECT_EQ(Stored(back), bytes);
    EXPECT_TRUE(back.zGai.IsEmpty());
    EXPECT_TRUE(back.TypeZhif.IsEmpty());
    EXPECT_TRUE(back.szHD.IsEmpty());
}

TEST(DesignRecordArchive, ItemsStandInTheirFixedOrder)
{
    CPM001Atom r;
    const Bytes expected = FillInArchiveOrder(r);
    // 905 bytes empty, plus 2 reals in each of the 10 lists, one text in each text list
    // ("GJZ" 1+3, "板式" 1+4 in code page 936) and the texts' characters: C40 C35 C50 C45 C30
    // (5 × 3), "820.0" (5), "N" (1), "15.2" (4).
    EXPECT_EQ(expected.size(), 905u + 10 * 16 + (4 + 5) + 15 + 5 + 1 + 4);
    EXPECT_EQ(Stored(r), expected);
}

TEST(DesignRecordArchive, LoadingGivesBackEveryValueAsStoredWithoutRecomputing)
{
    CPM001Atom original;
    const Bytes bytes = FillInArchiveOrder(original);

    CPM001Atom back;
    LoadInto(back, bytes, bytes.size());
    EXPECT_EQ(Stored(back), bytes);

    // Derived values are not consistent with the copied ones here; they must come back as held.
    EXPECT_EQ(back.bAd, original.bAd);
    EXPECT_EQ(back.zGai.vector(), original.zGai.vector());
    EXPECT_EQ(back.zHzt.vector(), original.zHzt.vector());
    EXPECT_EQ(back.hHd.vector(), original.hHd.vector());
    EXPECT_EQ(back.bLx.vector(), original.bLx.vector());
    EXPECT_EQ(back.szHD, "820.0");
    EXPECT_EQ(back.TypeZhib[0], "板式");
    // The report flags survive although no design step sets them.
    EXPECT_EQ(back.fLianhe, original.fLianhe);
    EXPECT_NE(back.fLianhe, 0);
    EXPECT_EQ(back.fVarHzt, original.fVarHzt);
    EXPECT_EQ(back.fSameBedStoneRows, original.fSameBedStoneRows);
}

TEST(DesignRecordArchiveDamage, TruncationAtEveryOffsetThrows)
{
    CPM001Atom original;
    const Bytes bytes = FillInArchiveOrder(original);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        CPM001Atom r;
        EXPECT_THROW(LoadInto(r, bytes, size), CArchiveException) << "size " << size;
    }
}

TEST(DesignRecordArchiveDamage, HugeListCountsThrowBeforeAnythingIsAllocated)
{
    // bBz's count stands after rows 1 to 6: 12 + 24 + 8 + 176 + 4 + 80 = 304 bytes in.
    const std::size_t bBzCount = 304;
    CPM001Atom empty;
    const Bytes good = Stored(empty);

    Bytes wide = good;   // 0xFFFE elements announced, none there
    wide[bBzCount] = 0xFE;
    wide[bBzCount + 1] = 0xFF;
    CPM001Atom a;
    EXPECT_THROW(LoadInto(a, wide, wide.size()), CArchiveException);

    Bytes huge(good.begin(), good.begin() + bBzCount);   // 0xFFFF, then a 32-bit count
    for (int b : {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) huge.push_back(static_cast<unsigned char>(b));
    huge.insert(huge.end(), good.begin() + bBzCount + 2, good.end());
    CPM001Atom b;
    EXPECT_THROW(LoadInto(b, huge, huge.size()), CArchiveException);

    // TypeZhif's count: 304 + 2 + 16 + 4 + 24 + 4 + 24 + 4 + 16 + 2 + 8 + 16 + 4 = 428.
    Bytes texts = good;
    texts[428] = 0xFE;
    texts[429] = 0xFF;
    CPM001Atom c;
    EXPECT_THROW(LoadInto(c, texts, texts.size()), CArchiveException);
}

TEST(DesignRecordArchiveDamage, TextBytesThatAreNotGbkThrow)
{
    // PierCapConGra stands at 596 in an empty record (after the 14 stopper reals).
    CPM001Atom empty;
    Bytes bytes = Stored(empty);
    const std::size_t at = 596;
    bytes[at] = 2;
    const unsigned char bad[] = {0xFF, 0x20};   // 0xFF starts no GBK character
    bytes.insert(bytes.begin() + at + 1, bad, bad + 2);
    CPM001Atom r;
    EXPECT_THROW(LoadInto(r, bytes, bytes.size()), CArchiveException);

    // The same place with a valid text loads, which shows the offset is the text's.
    Bytes fine = Stored(empty);
    fine[at] = 3;
    const unsigned char c40[] = {'C', '4', '0'};
    fine.insert(fine.begin() + at + 1, c40, c40 + 3);
    CPM001Atom ok;
    LoadInto(ok, fine, fine.size());
    EXPECT_EQ(ok.PierCapConGra, "C40");
}

TEST(DesignRecordArchiveDamage, FlippedBytesEitherLoadOrThrow)
{
    // Each damaged byte ends in the archive exception, or loads a record that holds the damage:
    // stored again, the record gives the damaged bytes, so nothing was lost or read past.
    CPM001Atom original;
    const Bytes bytes = FillInArchiveOrder(original);
    int loaded = 0, refused = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        Bytes damaged = bytes;
        damaged[i] ^= 0xA5;
        CPM001Atom r;
        try {
            LoadInto(r, damaged, damaged.size());
        } catch (const CArchiveException&) {
            ++refused;
            continue;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "byte " << i << ": " << e.what();
            continue;
        }
        ++loaded;
        EXPECT_EQ(Stored(r), damaged) << "byte " << i;
    }
    // Numbers take any bytes; a text's length or a list's count that no longer fits does not.
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}
