// The sibling modules' objects: counted while alive, released whole through a CObject pointer.
#include "siblings/columns.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_column_transition.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"
#include "siblings/tie_beams.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

template <class T>
class SiblingObject : public ::testing::Test {};

using Siblings = ::testing::Types<CPG001org, CPG002org, CPG003org, CPG001Atom, CPG001T01Atom, CPG002Atom, CPG005Atom,
                                  CPG008Atom, CPG003Atom, CPG003CT01Atom, CPG003CT02Atom, CPG003CT03Atom,
                                  CPG003T0103Atom, CPC001T01ZD01Atom, CPC001T01ZD02Atom>;
TYPED_TEST_SUITE(SiblingObject, Siblings);

TYPED_TEST(SiblingObject, DeletingThroughCObjectReleasesTheWholeObject)
{
    const int before = LiveCount<TypeParam>::Live();
    std::unique_ptr<CObject> object = std::make_unique<TypeParam>();
    EXPECT_EQ(LiveCount<TypeParam>::Live(), before + 1);
    ReleaseJournal::Start();
    object.reset();
    ReleaseJournal::Stop();
    EXPECT_EQ(LiveCount<TypeParam>::Live(), before);
    ASSERT_EQ(ReleaseJournal::Entries().size(), 1u);
    EXPECT_EQ(ReleaseJournal::Entries()[0], std::type_index(typeid(TypeParam)));
}

} // namespace
