// Tendon quantity table: groups of alike tendons, title and qualifiers, duct sizes, anchorage
// labels, bars counted along the tendons and the end codes, on hand-built tendon lists.
#include "tendon/design_object.h"

#include "calc/pm001_cap_key_param.h"
#include "tendon/steps_test_access.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

using Atom = CPM001T010401Atom;
using Access = CPM001T010401AtomTestAccess;
using Strings = std::vector<std::string>;

// A tendon from start to end whose nodes have the given kinds (spread evenly between the ends).
Atom::M_Steel& AddTendon(Atom& atom, std::initializer_list<int> kinds, double start = 500, double end = 9500)
{
    auto s = std::make_unique<Atom::M_Steel>();
    s->Index = static_cast<int>(atom.Steel.size());
    s->R.Format("N%d", s->Index + 1);
    s->n = 1;
    const int count = static_cast<int>(kinds.size());
    int k = 0;
    for (int kind : kinds) {
        Atom::M_LNode node;
        node.property = kind;
        node.X = count == 1 ? start : start + (end - start) * k / (count - 1);
        s->LNode.Add(node);
        ++k;
    }
    s->lMC = 0;
    s->rMC = 0;
    atom.Steel.push_back(std::move(s));
    return *atom.Steel.back();
}

Atom::M_Steel& AddTendon(Atom& atom)
{
    return AddTendon(atom, {1, 2, 1});
}

Strings Texts(const CStringArray& list)
{
    Strings out;
    for (const CString& t : list) out.push_back(t.str());
    return out;
}

std::vector<int> Codes(const Atom& atom)
{
    return std::vector<int>(atom.AnchorsFlag.begin(), atom.AnchorsFlag.end());
}

int Quantities(Atom& atom)
{
    CPM001_CapKeyParam kp;
    kp.Ldis = 800;
    kp.Cdis = 500;
    return Access::SetTZSteelData(atom, &kp);
}

// The bars counted along tendons with the given pieces, n = 1 each.
int BarsAlong(double ldis, double cdis, std::initializer_list<std::initializer_list<double>> tendons)
{
    Atom atom;
    for (const auto& pieces : tendons) {
        Atom::M_Steel& s = AddTendon(atom);
        for (double p : pieces) s.L.Add(p);
    }
    CPM001_CapKeyParam kp;
    kp.Ldis = ldis;
    kp.Cdis = cdis;
    EXPECT_EQ(Access::SetTZSteelData(atom, &kp), 1);
    return atom.SBL;
}

} // namespace

TEST(TendonQuantityGroups, TendonsWithoutAPartnerGiveNoText)
{
    Atom atom;
    AddTendon(atom, {1, 2, 1});
    AddTendon(atom, {1, 2, 2, 1});
    AddTendon(atom, {1, 3, 1});
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_TRUE(Texts(atom.ZVer_plotR).empty());
}

TEST(TendonQuantityGroups, AlikeTendonsAreJoinedInNumberOrder)
{
    Atom atom;
    AddTendon(atom, {1, 2, 1});
    AddTendon(atom, {1, 3, 1});
    AddTendon(atom, {1, 2, 1});
    AddTendon(atom, {1, 3, 1});
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(Texts(atom.ZVer_plotR), (Strings{"N1、N3", "N2、N4"}));

    Atom three;
    for (int i = 0; i < 3; ++i) AddTendon(three, {4, 4});
    ASSERT_EQ(Quantities(three), 1);
    EXPECT_EQ(Texts(three.ZVer_plotR), (Strings{"N1、N2、N3"}));

    // The later partners are found from the back of the list and sorted before they are written.
    Atom spread;
    AddTendon(spread, {1, 1});
    AddTendon(spread, {2, 2});
    AddTendon(spread, {1, 1});
    AddTendon(spread, {1, 1});
    ASSERT_EQ(Quantities(spread), 1);
    EXPECT_EQ(Texts(spread.ZVer_plotR), (Strings{"N1、N3、N4"}));
}

TEST(TendonQuantityGroups, EndKindsMustAgree)
{
    Atom atom;
    AddTendon(atom, {1, 2, 1});
    AddTendon(atom, {1, 2, 1}).lMC = 1;
    AddTendon(atom, {1, 2, 1}).rMC = 1;
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_TRUE(Texts(atom.ZVer_plotR).empty());
    // The tendons themselves are untouched.
    EXPECT_EQ(atom.Steel.size(), 3u);
}

TEST(TendonQuantityTitle, TitleCarriesThePierNumber)
{
    Atom atom;
    atom.nPierLabel = 12;
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(atom.szMEM, "12号墩盖梁");
}

TEST(TendonQuantityTitle, QualifiersOfTheCountedPartAndTheWhole)
{
    struct Case {
        int fvlh, nlh, separated, layMode;
        double bAg;
        int mul, smm, mulSmm;
        const char* part;
        const char* whole;
    };
    const Case cases[] = {
        {0, 0, 0, 1, 5.0, 1, 1, 1, "", ""},
        {0, 0, 0, 0, 0.0, 1, 1, 1, "左幅", ""},
        {0, 0, 0, 0, 250.0, 1, 1, 1, "左幅", ""},
        {0, 0, 0, 0, -1e-9, 1, 1, 1, "左幅", ""},   // zero within the tolerance
        {0, 0, 0, 0, -250.0, 1, 1, 1, "右幅", ""},
        {0, 0, 1, 0, -250.0, 1, 2, 2, "半幅", "全幅"},
        {0, 7, 1, 1, 0.0, 1, 2, 2, "半幅", "全幅"},   // nLH counts only with FVLH
        {1, 3, 0, 0, 0.0, 3, 1, 3, "一片盖梁", "全桥"},
        {1, 3, 1, 0, 0.0, 3, 2, 6, "一片盖梁", "全桥"},
        {1, 1, 1, 0, 0.0, 1, 2, 2, "半幅", "全幅"},
    };
    for (const Case& c : cases) {
        Atom atom;
        atom.FVLH = c.fvlh;
        atom.nLH = c.nlh;
        atom.fSeparationSymmetry = c.separated;
        atom.PierLayMode = c.layMode;
        atom.bAg = c.bAg;
        ASSERT_EQ(Quantities(atom), 1);
        EXPECT_EQ(atom.mul, c.mul) << c.part;
        EXPECT_EQ(atom.SMM, c.smm) << c.part;
        EXPECT_EQ(atom.mul_SMM, c.mulSmm) << c.part;
        EXPECT_EQ(atom.szpar, c.part) << c.bAg;
        EXPECT_EQ(atom.szint, c.whole) << c.bAg;
    }
}

TEST(TendonQuantityDucts, RoundDuctsOncePerDiameter)
{
    Atom atom;
    AddTendon(atom).cl.Bnd = 50;
    AddTendon(atom).cl.Bnd = 50.0000001;   // the same within the tolerance
    AddTendon(atom).cl.Bnd = 70;
    Atom::M_Steel& flat = AddTendon(atom);   // a flat duct of the same inner diameter is passed over
    flat.cl.Btype = 1;
    flat.cl.Bnd = 70;
    flat.cl.Bnw = 90;
    flat.cl.Bnh = 25;
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(std::vector<double>(atom.B_Bnd.begin(), atom.B_Bnd.end()), (std::vector<double>{50, 70}));
    EXPECT_EQ(Texts(atom.B_Bnh_Bnw), (Strings{"90*25"}));

    // Only a listed duct passes others over: 50.0000008 lies within the tolerance of 50 and is
    // passed over, so 50.0000016, 1.6e-6 from 50, is listed although it lies within the
    // tolerance of the one passed over.
    Atom chain;
    for (double d : {50.0, 50.0000008, 50.0000016}) AddTendon(chain).cl.Bnd = d;
    ASSERT_EQ(Quantities(chain), 1);
    EXPECT_EQ(std::vector<double>(chain.B_Bnd.begin(), chain.B_Bnd.end()), (std::vector<double>{50, 50.0000016}));
}

TEST(TendonQuantityDucts, FlatDuctsOncePerSizeWidthFirstCutToWholeNumbers)
{
    Atom atom;
    const double sizes[][2] = {{90.7, 25.9}, {90.7, 25.9}, {90.7, 30}, {100, 25.9}};
    for (const auto& s : sizes) {
        Atom::M_Steel& t = AddTendon(atom);
        t.cl.Btype = 1;
        t.cl.Bnw = s[0];
        t.cl.Bnh = s[1];
    }
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(Texts(atom.B_Bnh_Bnw), (Strings{"90*25", "90*30", "100*25"}));
    EXPECT_EQ(atom.B_Bnd.GetSize(), 0);
}

TEST(TendonQuantityAnchorages, LabelsOnceInOrderOfFirstAppearance)
{
    Atom atom;
    Atom::M_Steel& first = AddTendon(atom);
    first.cl.MLAlias = "A";
    first.cl.MRAlias = "B";
    Atom::M_Steel& second = AddTendon(atom);
    second.cl.MLAlias = "A";
    second.cl.MRAlias = "A";
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(Texts(atom.M_Alias), (Strings{"A", "B"}));

    // An empty label counts as a label.
    Atom blank;
    AddTendon(blank).cl.MRAlias = "OVM15-7";
    ASSERT_EQ(Quantities(blank), 1);
    EXPECT_EQ(Texts(blank.M_Alias), (Strings{"", "OVM15-7"}));
}

TEST(TendonQuantityBars, WorkedTendonOfThreePieces)
{
    // Piece 1: 3 spacings of 800, rest 600, 4 bars. Piece 2: offset 800 - 600 = 200, 2 spacings of
    // 500, rest 0, 6 bars. Piece 3: offset 500 - 0, 2 spacings of 800, rest 400, 9 bars. Two strands
    // counted: (9 + 1) x 2.
    Atom atom;
    Atom::M_Steel& s = AddTendon(atom);
    s.n = 2;
    for (double p : {3000.0, 1200.0, 2500.0}) s.L.Add(p);
    CPM001_CapKeyParam kp;
    kp.SBtype = 2;
    kp.SBd = 12;
    kp.Ldis = 800;
    kp.Cdis = 500;
    kp.PY = 35.5;
    ASSERT_EQ(Access::SetTZSteelData(atom, &kp), 1);
    EXPECT_EQ(atom.SBL, 20);
    EXPECT_EQ(atom.SBtype, 2);
    EXPECT_EQ(atom.SBd, 12);
    EXPECT_EQ(atom.Ldis, 800);
    EXPECT_EQ(atom.Cdis, 500);
    EXPECT_EQ(atom.PY, 35.5);
    EXPECT_EQ(atom.er, 6.0);
    // A 12 mm bar weighs 0.00617 x 144 = 0.88848 kg/m; 20 of them 17.7696.
    EXPECT_NEAR(atom.SBgame, 0.88848, 1e-12);
    EXPECT_EQ(atom.SBgama, atom.SBgame);
    EXPECT_NEAR(atom.SBmass, 17.7696, 1e-12);
}

TEST(TendonQuantityBars, APieceShorterThanItsOffsetAddsNoBar)
{
    // Piece 1: 1 spacing of 800, rest 300, 2 bars. Piece 2: 300 is not more than the rest, so the
    // offset is 800 - 300 = 500 and 100 - 500 is negative: the rest grows to 400, still 2 bars.
    EXPECT_EQ(BarsAlong(800, 300, {{1100, 100}}), 3);
    // A third piece: the previous piece had no whole spacing and 300 is not more than 400, so the
    // offset is 800 - 400 = 400; 1600 / 800 = 2 spacings, rest 0: 4 bars.
    EXPECT_EQ(BarsAlong(800, 300, {{1100, 100, 2000}}), 5);
}

TEST(TendonQuantityBars, AnOddPieceWithoutAWholeSpacingEndsWithOneBar)
{
    // Piece 1: 1 spacing of 800, rest 200, 2 bars. Piece 2: offset 500 - 200 = 300, 400 - 300 = 100
    // holds no spacing of 500 but is left over: rest 100, 3 bars.
    EXPECT_EQ(BarsAlong(800, 500, {{1000, 400}}), 4);
    // A piece that ends exactly on its offset counts as none left over: 1000, then 300 - 300 = 0.
    EXPECT_EQ(BarsAlong(800, 500, {{1000, 300}}), 3);
}

TEST(TendonQuantityBars, WholeSpacingsLeaveNoRest)
{
    EXPECT_EQ(BarsAlong(800, 500, {{1600}}), 3);
    // Every tendon is counted with its own piece list and the end bar.
    EXPECT_EQ(BarsAlong(800, 500, {{1600}, {1600}}), 6);
}

TEST(TendonQuantityBars, ATendonWithoutPiecesAddsItsEndBarPerStrand)
{
    Atom atom;
    AddTendon(atom).n = 3;
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(atom.SBL, 3);
}

TEST(TendonQuantityBars, AZeroSpacingLaysNoWholeSpacing)
{
    // Outside the data model, but the count must stay a count: with no spacing every piece holds
    // no whole spacing and its length beyond the offset is one bar. Piece 1: offset 0, 1000 left,
    // rest 1000, 1 bar. Piece 2: 0 is not more than 1000, offset 0 - 1000, 1500 left: 2 bars.
    EXPECT_EQ(BarsAlong(0, 0, {{1000, 500}}), 3);
}

TEST(TendonQuantityCodes, OnlyTheAlwaysCodeWithoutOneSidedTendonsOrKnownAnchorages)
{
    Atom atom;
    Atom::M_Steel& s = AddTendon(atom);
    s.cl.MLtype = 2;
    s.cl.MRtype = 2;
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(Codes(atom), (std::vector<int>{0}));
}

TEST(TendonQuantityCodes, CodesOfTheEndsAndAnchorages)
{
    struct Case {
        double start, end;
        int pt, left, right;
        std::vector<int> codes;
    };
    // Beam of 10000 whose tendons keep 500 from each end.
    const Case cases[] = {
        // Tensioned at the right, type-0 anchorage at the left margin: 1, 2, 3, 4.
        {500, 9500, 2, 0, 2, {0, 1, 2, 3, 4}},
        // Tensioned at both ends, type 0 at the left margin: 2 and 4, not 3.
        {500, 9500, 0, 0, 2, {0, 2, 4}},
        // Type 0 away from both margins: 2 alone.
        {1000, 9000, 0, 2, 0, {0, 2}},
        // Tensioned at the left, type 0 at the right margin: 1, 2, 3, 4.
        {1000, 9500, 1, 2, 0, {0, 1, 2, 3, 4}},
        // Type 1 at the left margin, tensioned at both ends: 5 and 7.
        {500, 9500, 0, 1, 2, {0, 5, 7}},
        // Type 1 at the right margin, tensioned at the left only: 1, 5, 6.
        {1000, 9500, 1, 2, 1, {0, 1, 5, 6}},
        // Type 1 at the left margin, tensioned at the right only: 1, 5, 6.
        {500, 9000, 2, 1, 2, {0, 1, 5, 6}},
        // Type 1 away from the margins: 5 alone.
        {1000, 9000, 0, 1, 1, {0, 5}},
        // Type 0 at the left margin and type 1 at the right margin, both ends tensioned.
        {500, 9500, 0, 0, 1, {0, 2, 4, 5, 7}},
    };
    for (const Case& c : cases) {
        Atom atom;
        atom.bBg = 10000;
        atom.fm = 500;
        atom.fmr = 500;
        Atom::M_Steel& s = AddTendon(atom, {1, 2, 1}, c.start, c.end);
        s.PT = c.pt;
        s.cl.MLtype = c.left;
        s.cl.MRtype = c.right;
        ASSERT_EQ(Quantities(atom), 1);
        EXPECT_EQ(Codes(atom), c.codes) << c.start << " " << c.end << " PT " << c.pt;
    }
}

TEST(TendonQuantityCodes, EachCodeIsFoundOnceAmongManyTendons)
{
    Atom atom;
    atom.bBg = 10000;
    atom.fm = 500;
    atom.fmr = 500;
    // One tendon gives 3, another 7; each code is listed once, in code order.
    Atom::M_Steel& a = AddTendon(atom, {1, 2, 1}, 500, 9000);
    a.PT = 2;
    a.cl.MLtype = 0;
    a.cl.MRtype = 2;
    Atom::M_Steel& b = AddTendon(atom, {1, 2, 1}, 1000, 9500);
    b.PT = 0;
    b.cl.MLtype = 2;
    b.cl.MRtype = 1;
    Atom::M_Steel& c = AddTendon(atom, {1, 2, 1}, 500, 9500);
    c.PT = 2;
    c.cl.MLtype = 0;
    c.cl.MRtype = 0;
    ASSERT_EQ(Quantities(atom), 1);
    EXPECT_EQ(Codes(atom), (std::vector<int>{0, 1, 2, 3, 4, 5, 7}));
}
