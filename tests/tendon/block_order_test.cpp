// The tendon block's item order: each archived member of the object at its offset, worked out by hand.
#include "tendon/design_object.h"
#include "tendon/sample.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Atom = CPM001T010401Atom;

// Markers and their bytes: a double 1.0 (8 bytes 00 00 00 00 00 00 F0 3F), an int 1 (01 00 00 00),
// a text "A" (01 41: one byte more), a real list {1.0} (01 00 then the double: eight more), an
// int list {1} (01 00 01 00 00 00: four more), a text list {"A"} (01 00 01 41: two more).
const Bytes kDouble = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
const Bytes kInt = {1, 0, 0, 0};
const Bytes kText = {1, 'A'};
const Bytes kReals = {1, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
const Bytes kInts = {1, 0, 1, 0, 0, 0};
const Bytes kTexts = {1, 0, 1, 'A'};

struct Place {
    const char* member;
    std::size_t offset;                  // where the member's bytes begin in a block of defaults
    const Bytes* bytes;                  // the marker's bytes
    std::size_t defaultWidth;            // bytes the member's default takes
    std::function<void(Atom&)> mark;     // gives the member a marker value
    std::function<bool(const Atom&)> marked;
};

#define DBL(m, at) Place{#m, at, &kDouble, 8, [](Atom& t) { t.m = 1.0; }, \
    [](const Atom& t) { return t.m == 1.0; }}
#define INT(m, at) Place{#m, at, &kInt, 4, [](Atom& t) { t.m = 1; }, \
    [](const Atom& t) { return t.m == 1; }}
#define TXT(m, at) Place{#m, at, &kText, 1, [](Atom& t) { t.m = "A"; }, \
    [](const Atom& t) { return t.m == "A"; }}
#define DBLS(m, at) Place{#m, at, &kReals, 2, [](Atom& t) { t.m.Add(1.0); }, \
    [](const Atom& t) { return t.m.GetSize() == 1 && t.m[0] == 1.0; }}
#define INTS(m, at) Place{#m, at, &kInts, 2, [](Atom& t) { t.m.Add(1); }, \
    [](const Atom& t) { return t.m.GetSize() == 1 && t.m[0] == 1; }}
#define TXTS(m, at) Place{#m, at, &kTexts, 2, [](Atom& t) { t.m.Add("A"); }, \
    [](const Atom& t) { return t.m.GetSize() == 1 && t.m[0] == "A"; }}

// Items 1 to 47, then (past the four record counts, which other tests place) items 50 to 77.
const Place kPlaces[] = {
    DBL(ib, 0), INTS(enSection, 8), INT(FVHP, 10), DBL(fm, 14), DBL(fmr, 22), INT(fJGDC, 30),
    DBL(a, 34), DBL(bBg, 42), DBL(bAc, 50), DBL(iLb, 58), DBL(iRb, 66), DBL(bBpl, 74), DBL(bBpr, 82),
    DBL(hXbl, 90), DBL(hXbr, 98), DBL(bBzl, 106), DBL(bBzr, 114), DBLS(bBz, 122), DBL(hHpl, 124),
    DBL(hHpr, 132), DBL(lCzf, 140), DBL(lCzb, 148), DBL(B, 156), DBL(hHgl, 164), DBL(V, 172),
    INT(ColumnSectionType, 180), INT(FilletMode, 184), DBL(X, 188), DBL(Y, 196), DBL(R, 204), DBL(D, 212),
    DBL(bRec, 220), DBL(lRec, 228), DBL(dAc, 236), INT(FVLH, 244), INT(nLH, 248), INT(FVPM, 252),
    INT(FVcurve, 256), INT(FVCkplace, 260), INT(FVys, 264), INT(FVszb, 268), DBL(js, 272), TXT(PSF, 280),
    INT(FVleader, 281), TXT(cU, 285), INTS(AnchorsFlag, 286), INT(fSymLayout, 288),
    // 292 tendon count, 296 name-pair count
    DBLS(fmxl, 300), DBLS(fmxr, 302),
    // 304 section count
    DBLS(Ps, 308), DBLS(Pgdsl, 310), DBLS(Pgdsr, 312),
    // 314 group count
    TXTS(ZVer_plotR, 318), TXT(szMEM, 320), INT(mul, 321), INT(SMM, 325), INT(mul_SMM, 329), TXT(szpar, 333),
    TXT(szint, 334), DBLS(B_Bnd, 335), TXTS(B_Bnh_Bnw, 337), TXTS(M_Alias, 339), INT(SBtype, 341),
    DBL(SBd, 345), DBL(Ldis, 353), DBL(Cdis, 361), INT(SBL, 369), DBL(SBgame, 373), DBL(SBgama, 381),
    DBL(SBmass, 389), DBL(PY, 397), DBL(er, 405), TXT(strTendonIndex, 413),
};

#undef DBL
#undef INT
#undef TXT
#undef DBLS
#undef INTS
#undef TXTS

} // namespace

TEST(TendonBlockOrder, EveryArchivedMemberSitsAtItsOffsetAndLoadsBackIntoItself)
{
    ASSERT_EQ(std::size(kPlaces), 77u - 4u);
    const Bytes plain(414, 0x00);
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.member);
        Atom t;
        p.mark(t);
        const Bytes stored = StoreTendons(t);
        // The default block with the member's default bytes replaced by the marker's.
        Bytes expected(plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(p.offset));
        expected.insert(expected.end(), p.bytes->begin(), p.bytes->end());
        expected.insert(expected.end(), plain.begin() + static_cast<std::ptrdiff_t>(p.offset + p.defaultWidth),
                        plain.end());
        EXPECT_EQ(stored, expected);

        auto back = LoadTendons(stored);
        EXPECT_TRUE(p.marked(*back));
    }
}
