// CPM001org: its run-time class, its starting values and the ownership of the outline polygons.
#include "input/pier_origin_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(PierOriginData, IsASerialisableClassOfSchemaOne)
{
    const CRuntimeClass* cls = RUNTIME_CLASS(CPM001org);
    EXPECT_EQ(std::string(cls->m_lpszClassName), "CPM001org");
    EXPECT_EQ(cls->m_wSchema, 1u);
    std::unique_ptr<CObject> created(cls->CreateObject());
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CPM001org)));
}

TEST(PierOriginData, StartsWithNoBearingAndNoDerivedValues)
{
    const CPM001org org;
    // An empty spacing list means no bearing; a 0.0 in it would put one at the cap end.
    EXPECT_TRUE(org.bQf.IsEmpty());
    EXPECT_TRUE(org.bQb.IsEmpty());
    EXPECT_TRUE(org.bBz.IsEmpty());
    EXPECT_TRUE(org.ColumnTopLevels.IsEmpty());
    EXPECT_TRUE(org.TypeZhif.IsEmpty());
    EXPECT_EQ(org.BaseType, 0);
    EXPECT_EQ(org.CushionNumber, 0);
    EXPECT_EQ(org.fHaveStopper, 0);
    EXPECT_DOUBLE_EQ(org.HeightLeftEnd, 0.0);
    EXPECT_TRUE(org.DesignText1.IsEmpty());
    EXPECT_TRUE(org.DSOutlines.IsEmpty());
    EXPECT_TRUE(org.ZZOutlinesB.empty());
}

TEST(PierOriginData, CombinedOutlineListsPointAtTheRowPolygonsWhichAreFreedOnce)
{
    // Run under AddressSanitizer: a polygon freed through a combined list as well would show.
    auto org = std::make_unique<CPM001org>();
    for (OwnedOutlines* row : {&org->DSOutlinesF, &org->DSOutlinesB, &org->ZZOutlinesF, &org->ZZOutlinesB}) {
        row->push_back(std::make_unique<CDblPointArray>());
        row->back()->Add(CDblPoint(0.0, 0.0));
        row->push_back(nullptr);   // an empty slot is allowed
    }
    org->DZOutlines.push_back(std::make_unique<CDblPointArray>());
    for (const auto& p : org->DSOutlinesF) org->DSOutlines.Add(p.get());
    for (const auto& p : org->DSOutlinesB) org->DSOutlines.Add(p.get());
    for (const auto& p : org->ZZOutlinesF) org->ZZOutlines.Add(p.get());
    for (const auto& p : org->ZZOutlinesB) org->ZZOutlines.Add(p.get());

    EXPECT_EQ(org->DSOutlines[0], org->DSOutlinesF[0].get());
    EXPECT_EQ(org->DSOutlines[2], org->DSOutlinesB[0].get());
    EXPECT_EQ(org->ZZOutlines[2]->GetSize(), 1);
    org.reset();
}

} // namespace
