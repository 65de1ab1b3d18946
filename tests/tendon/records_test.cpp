// Tendon records: defaults, archive bytes written out by hand, curves, reloading and release.
#include "tendon/design_object.h"
#include "tendon/sample.h"

#include "mfc/archive_exception.h"

#include <gtest/gtest.h>

namespace {

using Atom = CPM001T010401Atom;

Bytes Zeros(std::size_t n) { return Bytes(n, 0x00); }

Bytes Cat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Little-endian IEEE 754 doubles used below.
const Bytes kHalf = {0, 0, 0, 0, 0, 0, 0xE0, 0x3F};       // 0.5
const Bytes kOne = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};        // 1.0
const Bytes kTwo = {0, 0, 0, 0, 0, 0, 0x00, 0x40};        // 2.0
const Bytes kThree = {0, 0, 0, 0, 0, 0, 0x08, 0x40};      // 3.0
const Bytes kFour = {0, 0, 0, 0, 0, 0, 0x10, 0x40};       // 4.0
const Bytes kQuarter = {0, 0, 0, 0, 0, 0, 0xD0, 0x3F};    // 0.25
const Bytes kMinusOne = {0, 0, 0, 0, 0, 0, 0xF0, 0xBF};   // -1.0

} // namespace

// ---- defaults -------------------------------------------------------------------------------

TEST(TendonRecordDefaults, NewTendonHasEndTypesMinusOneAndNothingElse)
{
    Atom::M_Steel s;
    EXPECT_EQ(s.lMC, -1);
    EXPECT_EQ(s.rMC, -1);
    EXPECT_EQ(s.fOwner, 0);
    EXPECT_EQ(s.pCurve, nullptr);
    EXPECT_EQ(s.LNode.GetSize(), 0);
    // Every archived field at its default: 449 bytes, all zero but lMC and rMC (bytes 172..179).
    Bytes expected = Zeros(449);
    for (std::size_t i = 172; i < 180; ++i) expected[i] = 0xFF;
    EXPECT_EQ(StoreRecord(s), expected);
}

TEST(TendonRecordDefaults, MaterialNodeSectionGroupAndPairStoreOnlyZeros)
{
    Atom::M_SteelMat mat;
    Atom::M_LNode node;
    Atom::M_HD hd;
    Atom::M_QH qh;
    Atom::M_Roverlap ov;
    Atom::M_ZLName pair;
    // 13 texts, 5 ints and 29 doubles; 1 text, 2 ints, 9 doubles; 4 doubles and 14 lists;
    // 2 texts, a double, an int, 2 text lists and a count; a text and a text list; a text and an int.
    EXPECT_EQ(StoreRecord(mat), Zeros(265));
    EXPECT_EQ(StoreRecord(node), Zeros(81));
    EXPECT_EQ(StoreRecord(hd), Zeros(60));
    EXPECT_EQ(StoreRecord(qh), Zeros(22));
    EXPECT_EQ(StoreRecord(ov), Zeros(3));
    EXPECT_EQ(StoreRecord(pair), Zeros(5));
    EXPECT_EQ(qh.fOwner, 0);
    EXPECT_TRUE(qh.Roverlap.empty());
}

TEST(TendonRecordDefaults, ProfilePiecesStartEmpty)
{
    Atom::M_SteelFD fd;
    EXPECT_EQ(fd.TanPts.GetSize(), 0);
    EXPECT_EQ(fd.CenPts.GetSize(), 0);
    EXPECT_EQ(fd.ArcStart.GetSize(), 0);
    EXPECT_EQ(fd.ArcSweep.GetSize(), 0);
    EXPECT_EQ(fd.ArcR.GetSize(), 0);
    EXPECT_EQ(fd.NodePts.GetSize(), 0);
}

// ---- archive bytes ---------------------------------------------------------------------------

TEST(TendonRecordArchive, NamePairIsGbkTextThenCount)
{
    Atom::M_ZLName pair;
    pair.name = "钢束";
    pair.n = 4;
    const Bytes expected = {0x04, 0xB8, 0xD6, 0xCA, 0xF8, 0x04, 0x00, 0x00, 0x00};
    EXPECT_EQ(StoreRecord(pair), expected);
    Atom::M_ZLName back;
    LoadRecord(back, expected);
    EXPECT_EQ(back.name, "钢束");
    EXPECT_EQ(back.n, 4);
}

TEST(TendonRecordArchive, NodeFieldsInOrder)
{
    Atom::M_LNode node;
    node.NR = "1";
    node.property = 3;
    node.X = 0.5;
    node.Refline = 1;
    node.refZ = 1.0;
    node.Z = 2.0;
    node.R = -1.0;
    node.E = 0.25;
    Bytes expected = {0x01, 0x31, 0x03, 0x00, 0x00, 0x00};
    expected = Cat(expected, kHalf);
    expected = Cat(expected, {0x01, 0x00, 0x00, 0x00});
    expected = Cat(expected, kOne);          // refZ
    expected = Cat(expected, kTwo);          // Z
    expected = Cat(expected, Zeros(8));      // ZZ
    expected = Cat(expected, kMinusOne);     // R
    expected = Cat(expected, Zeros(24));     // alf, T, S
    expected = Cat(expected, kQuarter);      // E
    ASSERT_EQ(expected.size(), 82u);   // 81 with an empty NR, one more for its byte
    EXPECT_EQ(StoreRecord(node), expected);
    Atom::M_LNode back;
    LoadRecord(back, expected);
    EXPECT_EQ(back.NR, "1");
    EXPECT_EQ(back.property, 3);
    EXPECT_EQ(back.R, -1.0);
    EXPECT_EQ(back.E, 0.25);
}

TEST(TendonRecordArchive, PlanGroupWritesOverlapCountBeforeItsDimensionedLabels)
{
    Atom::M_QH qh;
    qh.QHName = "Q1";
    qh.QR = "1";
    qh.L = 0.5;
    qh.N = 2;
    auto ov = std::make_unique<Atom::M_Roverlap>();
    ov->SteelR = "N2";
    qh.Roverlap.push_back(std::move(ov));
    qh.SDR.Add("N2");
    Bytes expected = {0x02, 'Q', '1', 0x01, '1'};
    expected = Cat(expected, kHalf);
    expected = Cat(expected, {0x02, 0x00, 0x00, 0x00,     // N
                              0x00, 0x00,                 // SR: no labels
                              0x01, 0x00, 0x00, 0x00,     // one overlap entry
                              0x02, 'N', '2', 0x00, 0x00, // SteelR, OverlapR empty
                              0x01, 0x00, 0x02, 'N', '2'}); // SDR
    EXPECT_EQ(StoreRecord(qh), expected);

    Atom::M_QH back;
    LoadRecord(back, expected);
    EXPECT_EQ(back.fOwner, 1);
    ASSERT_EQ(back.Roverlap.size(), 1u);
    EXPECT_EQ(back.Roverlap[0]->SteelR, "N2");
    ASSERT_EQ(back.SDR.GetSize(), 1);
    EXPECT_EQ(back.SDR[0], "N2");
}

TEST(TendonRecordArchive, GroupWithoutOverlapsStoresCountZeroBeforeSdr)
{
    Atom::M_QH qh;
    qh.SDR.Add("N1");
    const Bytes stored = StoreRecord(qh);
    // QHName, QR (2), L (8), N (4), SR (2) = 16 bytes, then the count 0, then SDR.
    ASSERT_EQ(stored.size(), 16u + 4u + 5u);
    EXPECT_EQ(Bytes(stored.begin() + 16, stored.begin() + 20), Zeros(4));
    EXPECT_EQ(Bytes(stored.begin() + 20, stored.end()), (Bytes{0x01, 0x00, 0x02, 'N', '1'}));
}

TEST(TendonRecordArchive, CurveIsCountThenXYRadiusFlag)
{
    CCircleCurve c;
    c.AddControlPoint(1.0, 2.0, 0.0, 1);
    c.AddControlPoint(3.0, 0.5, 4.0, 0);
    Bytes expected = {0x02, 0x00, 0x00, 0x00};
    expected = Cat(expected, kOne);
    expected = Cat(expected, kTwo);
    expected = Cat(expected, Zeros(8));
    expected = Cat(expected, {0x01, 0x00, 0x00, 0x00});
    expected = Cat(expected, kThree);
    expected = Cat(expected, kHalf);
    expected = Cat(expected, kFour);
    expected = Cat(expected, Zeros(4));
    ASSERT_EQ(expected.size(), 4u + 2u * 28u);

    Bytes out;
    CArchive ar(out, CArchive::store);
    Atom::M_Steel::SerializeCurve(ar, c);
    EXPECT_EQ(out, expected);

    CCircleCurve back;
    back.AddControlPoint(9.0, 9.0, 9.0, 9);   // loading replaces what the curve held
    CArchive in(expected.data(), expected.size());
    Atom::M_Steel::SerializeCurve(in, back);
    ASSERT_EQ(back.GetControlPointCount(), 2);
    EXPECT_EQ(back.GetControlPoint(1).x, 3.0);
    EXPECT_EQ(back.GetControlPoint(1).y, 0.5);
    EXPECT_EQ(back.GetControlPoint(1).r, 4.0);
    EXPECT_EQ(back.GetControlPoint(1).flag, 0);
}

TEST(TendonRecordArchive, EndTypesComeAfterMngAndBeforeTheMaterialBlock)
{
    Atom::M_Steel s;
    s.Mng = 1.0;
    s.lMC = 2;
    s.rMC = 3;
    s.cl.DSeries = "D";
    const Bytes stored = StoreRecord(s);
    ASSERT_EQ(stored.size(), 450u);
    EXPECT_EQ(Bytes(stored.begin() + 164, stored.begin() + 172), kOne);   // Mng
    EXPECT_EQ(Bytes(stored.begin() + 172, stored.begin() + 180), (Bytes{2, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(Bytes(stored.begin() + 180, stored.begin() + 182), (Bytes{0x01, 'D'}));   // cl.DSeries
}

// ---- curves on loading -------------------------------------------------------------------------

TEST(TendonRecordCurve, TendonWithoutControlPointsStoresCountZeroAndLoadsANewEmptyCurve)
{
    Atom::M_Steel s;
    s.pCurve = std::make_unique<CCircleCurve>();
    const Bytes stored = StoreRecord(s);
    EXPECT_EQ(Bytes(stored.end() - 4, stored.end()), Zeros(4));

    Atom::M_Steel back;
    LoadRecord(back, stored);
    ASSERT_NE(back.pCurve, nullptr);
    EXPECT_EQ(back.pCurve->GetControlPointCount(), 0);
    EXPECT_EQ(back.fOwner, 1);
}

TEST(TendonRecordCurve, TendonNotYetProfiledStoresAnEmptyCurve)
{
    Atom::M_Steel s;   // no curve at all
    const Bytes stored = StoreRecord(s);
    EXPECT_EQ(stored.size(), 449u);
    Atom::M_Steel back;
    LoadRecord(back, stored);
    ASSERT_NE(back.pCurve, nullptr);
    EXPECT_EQ(back.pCurve->GetControlPointCount(), 0);
}

TEST(TendonRecordCurve, LoadedTendonOwnsItsCurveAndReplacesWhatItHeld)
{
    auto sample = BuildSampleTendons();
    const Bytes stored = StoreRecord(*sample->Steel[1]);

    Atom::M_Steel target;
    for (int i = 0; i < 5; ++i) target.LNode.Add(Atom::M_LNode());
    target.pCurve = std::make_unique<CCircleCurve>();
    for (int i = 0; i < 7; ++i) target.pCurve->AddControlPoint(i, i, 0.0, 1);
    LoadRecord(target, stored);

    EXPECT_EQ(target.LNode.GetSize(), 3);
    ASSERT_NE(target.pCurve, nullptr);
    ASSERT_EQ(target.pCurve->GetControlPointCount(), 3);
    EXPECT_EQ(target.pCurve->GetControlPoint(1).x, 4000.0);
    EXPECT_EQ(target.pCurve->GetControlPoint(1).y, 350.0);
    EXPECT_EQ(target.pCurve->GetControlPoint(1).r, 15000.0);
    EXPECT_EQ(target.pCurve->GetControlPoint(1).flag, 1);
    EXPECT_EQ(target.R, "N2");
    EXPECT_EQ(target.cl.DAias, "千斤顶");
    EXPECT_EQ(target.lMC, 0);
    EXPECT_EQ(target.rMC, 1);
    EXPECT_EQ(StoreRecord(target), stored);
}

// ---- release ------------------------------------------------------------------------------------

TEST(TendonRecordRelease, DeleteOverlapsReleasesEveryEntryAndSkipsNullSlots)
{
    const int before = LiveCount<Atom::M_Roverlap>::Live();
    Atom::M_QH q;
    q.Roverlap.push_back(std::make_unique<Atom::M_Roverlap>());
    q.Roverlap.push_back(nullptr);
    q.Roverlap.push_back(std::make_unique<Atom::M_Roverlap>());
    EXPECT_EQ(LiveCount<Atom::M_Roverlap>::Live(), before + 2);
    q.DeleteOverlaps();
    EXPECT_TRUE(q.Roverlap.empty());
    EXPECT_EQ(LiveCount<Atom::M_Roverlap>::Live(), before);
}

TEST(TendonRecordRelease, RecordDestroyedByItselfReleasesWhatItOwns)
{
    const int overlaps = LiveCount<Atom::M_Roverlap>::Live();
    {
        Atom::M_QH loaded;
        auto sample = BuildSampleTendons();
        LoadRecord(loaded, StoreRecord(*sample->QH[0]));
        EXPECT_EQ(loaded.fOwner, 1);
        auto alone = std::make_unique<Atom::M_Steel>();
        alone->pCurve = std::make_unique<CCircleCurve>();
        alone->pCurve->AddControlPoint(0.0, 0.0, 0.0, 1);
    }   // ASan reports the curve if it were left behind
    EXPECT_EQ(LiveCount<Atom::M_Roverlap>::Live(), overlaps);
}
