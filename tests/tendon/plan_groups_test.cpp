// Plan of the tendons: transverse and end-station chains, plan groups, and the group in which each
// tendon's transverse position is dimensioned, on hand-built tendon lists.
#include "tendon/design_object.h"

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

// Appends a tendon labelled label running from start to end with transverse positions y.
void AddTendon(Atom& atom, const char* label, double start, double end, std::initializer_list<double> y, int pt = 0)
{
    auto s = std::make_unique<Atom::M_Steel>();
    s->Index = static_cast<int>(atom.Steel.size());
    s->R = label;
    for (double v : y) s->Y.Add(v);
    s->PT = pt;
    Atom::M_LNode first;
    first.X = start;
    Atom::M_LNode middle;
    middle.X = (start + end) / 2.0;
    Atom::M_LNode last;
    last.X = end;
    s->LNode.Add(first);
    s->LNode.Add(middle);
    s->LNode.Add(last);
    atom.Steel.push_back(std::move(s));
}

std::unique_ptr<Atom> Beam(double length, double width, int symmetric = 0)
{
    auto atom = std::make_unique<Atom>();
    atom->bBg = length;
    atom->B = width;
    atom->fSymLayout = symmetric;
    return atom;
}

std::vector<double> Values(const DblArray& list)
{
    return std::vector<double>(list.begin(), list.end());
}

Strings Texts(const CStringArray& list)
{
    Strings out;
    for (const CString& t : list) out.push_back(t.str());
    return out;
}

// The tendons dimensioned in each entry, with the tendons listed over it.
struct Overlap {
    std::string steel;
    Strings over;
    bool operator==(const Overlap&) const = default;
};

std::vector<Overlap> Overlaps(const Atom::M_QH& group)
{
    std::vector<Overlap> out;
    for (const auto& e : group.Roverlap) out.push_back({e->SteelR.str(), Texts(e->OverlapR)});
    return out;
}

} // namespace

TEST(TendonPlanGroups, ThreeTendonsOfWhichTwoLieOverEachOther)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 500, 9500, {-400, 400});
    AddTendon(*atom, "N2", 500, 9500, {-400, 400});
    AddTendon(*atom, "N3", 2000, 8000, {0}, 2);
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);

    // Across: -900, -400, 0, 400, 900. Left ends: 0 and N3's start 2000. Right ends: the beam end alone.
    EXPECT_EQ(Values(atom->Ps), (std::vector<double>{500, 400, 400, 500}));
    EXPECT_EQ(Values(atom->Pgdsl), (std::vector<double>{2000}));
    EXPECT_TRUE(Values(atom->Pgdsr).empty());

    ASSERT_EQ(atom->QH.size(), 3u);
    const Atom::M_QH& q1 = *atom->QH[0];
    const Atom::M_QH& q2 = *atom->QH[1];
    const Atom::M_QH& q3 = *atom->QH[2];
    EXPECT_EQ(q1.QHName, "Q1");
    EXPECT_EQ(q2.QHName, "Q2");
    EXPECT_EQ(q3.QHName, "Q3");
    EXPECT_EQ(q1.QR, "1");
    EXPECT_EQ(q3.QR, "3");
    EXPECT_EQ(q1.L, 1500);
    EXPECT_EQ(q2.L, 6000);
    EXPECT_EQ(q3.L, 1500);
    EXPECT_EQ(q1.N, 2);
    EXPECT_EQ(q2.N, 3);
    EXPECT_EQ(q3.N, 2);
    EXPECT_EQ(Texts(q2.SR), (Strings{"N1", "N2", "N3"}));
    EXPECT_EQ(q1.fOwner, 0);

    // N3 alone in Q2 at first; then N1 in Q1 with N2 over it, and N2 in Q2.
    EXPECT_EQ(Texts(q1.SDR), (Strings{"N1"}));
    EXPECT_EQ(Texts(q2.SDR), (Strings{"N3", "N2"}));
    EXPECT_TRUE(Texts(q3.SDR).empty());
    EXPECT_EQ(Overlaps(q1), (std::vector<Overlap>{{"N1", {"N2"}}}));
    EXPECT_EQ(Overlaps(q2), (std::vector<Overlap>{{"N3", {}}, {"N2", {}}}));
    EXPECT_TRUE(q3.Roverlap.empty());
}

TEST(TendonPlanGroups, OneTendonMakesOneGroup)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 500, 9500, {0});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 1u);
    const Atom::M_QH& q = *atom->QH[0];
    EXPECT_EQ(q.QHName, "Q1");
    EXPECT_EQ(q.QR, "1");
    EXPECT_EQ(q.L, 9000);
    EXPECT_EQ(q.N, 1);
    EXPECT_EQ(Texts(q.SR), (Strings{"N1"}));
    EXPECT_EQ(Texts(q.SDR), (Strings{"N1"}));
    EXPECT_EQ(Overlaps(q), (std::vector<Overlap>{{"N1", {}}}));
    EXPECT_EQ(Values(atom->Ps), (std::vector<double>{900, 900}));
}

TEST(TendonPlanGroups, NoTendonsGiveNoPlan)
{
    auto atom = Beam(10000, 1800);
    EXPECT_EQ(Access::SetPMSteelData(*atom), 0);
    // The transverse chain is made before the missing cuts are noticed: the width alone.
    EXPECT_EQ(Values(atom->Ps), (std::vector<double>{1800}));
    EXPECT_TRUE(Values(atom->Pgdsl).empty());
    EXPECT_TRUE(Values(atom->Pgdsr).empty());
    EXPECT_TRUE(atom->QH.empty());
}

TEST(TendonPlanGroups, CutsAreComparedExactly)
{
    // Equal stations give one cut.
    auto same = Beam(10000, 1800);
    AddTendon(*same, "N1", 500, 9500, {-300});
    AddTendon(*same, "N2", 500, 9500, {300});
    ASSERT_EQ(Access::SetPMSteelData(*same), 1);
    ASSERT_EQ(same->QH.size(), 1u);
    EXPECT_EQ(same->QH[0]->N, 2);

    // Ends 1e-9 apart give a group of that length, run through by the longer tendon only.
    auto apart = Beam(10000, 1800);
    AddTendon(*apart, "N1", 500, 9500, {-300});
    AddTendon(*apart, "N2", 500, 9500 + 1e-9, {300});
    ASSERT_EQ(Access::SetPMSteelData(*apart), 1);
    ASSERT_EQ(apart->QH.size(), 2u);
    EXPECT_EQ(apart->QH[0]->L, 9000);
    EXPECT_GT(apart->QH[1]->L, 0.0);
    EXPECT_LT(apart->QH[1]->L, 1e-8);
    EXPECT_EQ(Texts(apart->QH[1]->SR), (Strings{"N2"}));
}

TEST(TendonPlanGroups, AGroupThatOnlyTouchesATendonDoesNotHoldIt)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 0, 5000, {-300});
    AddTendon(*atom, "N2", 5000, 10000, {300});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 2u);
    EXPECT_EQ(Texts(atom->QH[0]->SR), (Strings{"N1"}));
    EXPECT_EQ(Texts(atom->QH[1]->SR), (Strings{"N2"}));
    EXPECT_EQ(atom->QH[0]->N, 1);
    EXPECT_EQ(atom->QH[1]->N, 1);
}

TEST(TendonPlanGroups, ChainsTakeTheEdgesAndTheUntensionedEnds)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 500, 9500, {-900, 0}, 0);   // -900 is the edge itself
    AddTendon(*atom, "N2", 1500, 9000, {450}, 1);      // tensioned at the left: its right end counts
    AddTendon(*atom, "N3", 2500, 9500, {900}, 2);      // tensioned at the right: its left end counts
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    // Across: -900, 0, 450, 900.
    EXPECT_EQ(Values(atom->Ps), (std::vector<double>{900, 450, 450}));
    // From the left end: 0, 2500. Towards the right end: 9000, 10000.
    EXPECT_EQ(Values(atom->Pgdsl), (std::vector<double>{2500}));
    EXPECT_EQ(Values(atom->Pgdsr), (std::vector<double>{1000}));
}

TEST(TendonPlanGroups, ASymmetricLayoutCountsHalfTheBeam)
{
    auto atom = Beam(10000, 1800, 1);
    AddTendon(*atom, "N1", 500, 9500, {-400});
    AddTendon(*atom, "N2", 2000, 8000, {400});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 3u);
    // Q1 (1500) takes N1; Q2 (6000) takes N2 and passes half the beam, so it is cut back to
    // 5000 - 1500 = 3500; Q3 keeps its length and takes nothing.
    EXPECT_EQ(atom->QH[0]->L, 1500);
    EXPECT_EQ(atom->QH[1]->L, 3500);
    EXPECT_EQ(atom->QH[2]->L, 1500);
    EXPECT_EQ(Texts(atom->QH[0]->SDR), (Strings{"N1"}));
    EXPECT_EQ(Texts(atom->QH[1]->SDR), (Strings{"N2"}));
    EXPECT_TRUE(Texts(atom->QH[2]->SDR).empty());
    EXPECT_TRUE(atom->QH[2]->Roverlap.empty());
    EXPECT_EQ(Texts(atom->QH[2]->SR), (Strings{"N1"}));
}

TEST(TendonPlanGroups, TwoTendonsAloneInOneGroupAreDimensionedOneAfterTheOther)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 500, 9500, {-400});
    AddTendon(*atom, "N2", 500, 9500, {400});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 1u);
    // The first step takes N1 only; the further pass takes N2 in the same group.
    EXPECT_EQ(Texts(atom->QH[0]->SDR), (Strings{"N1", "N2"}));
    EXPECT_EQ(Overlaps(*atom->QH[0]), (std::vector<Overlap>{{"N1", {}}, {"N2", {}}}));
}

TEST(TendonPlanGroups, TendonsLyingOverEachOtherListTheOnesStillWaiting)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 500, 9500, {-400, 400});
    AddTendon(*atom, "N2", 500, 9500, {-400, 400});
    AddTendon(*atom, "N3", 500, 9500, {-400, 400});
    AddTendon(*atom, "N4", 2000, 8000, {0});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 3u);
    // First step: Q2 takes N4. Further pass: Q1 N1 (N2, N3 over it), Q2 N2 (N3), Q3 N3.
    EXPECT_EQ(Overlaps(*atom->QH[0]), (std::vector<Overlap>{{"N1", {"N2", "N3"}}}));
    EXPECT_EQ(Overlaps(*atom->QH[1]), (std::vector<Overlap>{{"N4", {}}, {"N2", {"N3"}}}));
    EXPECT_EQ(Overlaps(*atom->QH[2]), (std::vector<Overlap>{{"N3", {}}}));
    EXPECT_EQ(Texts(atom->QH[1]->SDR), (Strings{"N4", "N2"}));
}

TEST(TendonPlanGroups, TendonsOutOfStationOrderKeepTheirOrderInEveryList)
{
    // N1, N3 and N4 lie over one another (N3's first position within the tolerance); N2 shares
    // their first position only. Cuts 1000, 3000, 5000, 9000: Q1 holds N2, N3, N4; Q2 all four;
    // Q3 N1, N2, N4.
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 3000, 9000, {100, 200});
    AddTendon(*atom, "N2", 1000, 9000, {100, 300});
    AddTendon(*atom, "N3", 1000, 5000, {100 + 5e-7, 200});
    AddTendon(*atom, "N4", 1000, 9000, {100, 200});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 3u);
    EXPECT_EQ(Texts(atom->QH[0]->SR), (Strings{"N2", "N3", "N4"}));
    EXPECT_EQ(Texts(atom->QH[1]->SR), (Strings{"N1", "N2", "N3", "N4"}));
    EXPECT_EQ(Texts(atom->QH[2]->SR), (Strings{"N1", "N2", "N4"}));
    EXPECT_EQ(atom->QH[2]->L, 4000);

    // First step: Q1 takes N2, alone with its positions; in Q2 and Q3 every waiting tendon has
    // another member over it. Further pass: Q1 N3 with N1 and N4 still waiting over it; Q2 N1
    // with N4; Q3 passes N1, taken in this pass, and takes N4.
    EXPECT_EQ(Overlaps(*atom->QH[0]), (std::vector<Overlap>{{"N2", {}}, {"N3", {"N1", "N4"}}}));
    EXPECT_EQ(Overlaps(*atom->QH[1]), (std::vector<Overlap>{{"N1", {"N4"}}}));
    EXPECT_EQ(Overlaps(*atom->QH[2]), (std::vector<Overlap>{{"N4", {}}}));
}

TEST(TendonPlanGroups, TransversePositionsOfDifferentCountsNeverLieOverEachOther)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 500, 9500, {0});
    AddTendon(*atom, "N2", 500, 9500, {0, 0});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    // Neither covers the other, so the first step takes N1 and the pass N2, with nothing over it.
    EXPECT_EQ(Overlaps(*atom->QH[0]), (std::vector<Overlap>{{"N1", {}}, {"N2", {}}}));
}

TEST(TendonPlanGroups, PositionsWithinTheToleranceLieOverEachOther)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "N1", 500, 9500, {100});
    AddTendon(*atom, "N2", 500, 9500, {100 + 1e-9});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    EXPECT_EQ(Overlaps(*atom->QH[0]), (std::vector<Overlap>{{"N1", {"N2"}}, {"N2", {}}}));
    // The chain, by contrast, keeps both positions.
    EXPECT_EQ(atom->Ps.GetSize(), 3);
}

TEST(TendonPlanGroups, ATendonBeyondTheCountedHalfStaysWithoutAPlanDimension)
{
    // N2 lies wholly in the right half of a symmetric layout: no counted group holds it. The
    // passes end when one of them places nothing.
    auto atom = Beam(10000, 1800, 1);
    AddTendon(*atom, "N1", 500, 4000, {0});
    AddTendon(*atom, "N2", 6000, 9500, {100});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 3u);
    // Q1 3500 takes N1; Q2 (2000, empty) passes half the beam and is cut back to 1500.
    EXPECT_EQ(atom->QH[1]->L, 1500);
    EXPECT_EQ(Texts(atom->QH[0]->SDR), (Strings{"N1"}));
    EXPECT_TRUE(Texts(atom->QH[1]->SDR).empty());
    EXPECT_TRUE(Texts(atom->QH[2]->SDR).empty());
}

TEST(TendonPlanGroups, ABeamOfNoLengthCutsNoGroupBack)
{
    // Half of nothing is reached before the first group: no group before it to cut back, and
    // nothing is dimensioned.
    auto atom = Beam(0, 1800);
    AddTendon(*atom, "N1", 500, 9500, {0});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    ASSERT_EQ(atom->QH.size(), 1u);
    EXPECT_EQ(atom->QH[0]->L, 9000);
    EXPECT_TRUE(Texts(atom->QH[0]->SDR).empty());
}

TEST(TendonPlanGroups, TendonsAreFoundByTheirPlaceWhateverTheirPrefix)
{
    auto atom = Beam(10000, 1800);
    AddTendon(*atom, "T1", 500, 9500, {0});
    AddTendon(*atom, "T2", 500, 9500, {0});
    ASSERT_EQ(Access::SetPMSteelData(*atom), 1);
    EXPECT_EQ(Overlaps(*atom->QH[0]), (std::vector<Overlap>{{"T1", {"T2"}}, {"T2", {}}}));
}
