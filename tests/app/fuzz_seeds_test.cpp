// The stored component files that seed the fuzzing of the loader still load: a format change
// that leaves them behind shows here, not as a fuzz corpus that only reaches the checksum test.
#include "project_container.h"
#include "project_session.h"

#include "calc/pm001_calc.h"
#include "module/pier_component.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FuzzSeeds, StoredComponentSeedsLoadIntoAFreshComponent)
{
    CPM001Norm::Regist();
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(PM001_SOURCE_DIR) + "/fuzz/corpus/container_load")) {
        SCOPED_TRACE(entry.path().string());
        ProjectSession session;
        const ComponentDataSets sets = LoadContainer(entry.path().string());
        EXPECT_NO_THROW(session.Load(sets));
        EXPECT_FALSE(session.Output().empty());
        // The design's key record is stored from version 2 on; an earlier design part holds none.
        const auto& pier = dynamic_cast<const CPM001Norm&>(session.Component());
        EXPECT_EQ(pier.m_pCalc->GetDesignKeyRecord() != nullptr, sets.version >= 2);
        EXPECT_EQ(entry.path().stem().string().ends_with(".v2"), sets.version == 2);
        ++seeds;
    }
    EXPECT_EQ(seeds, 18);   // two for each sample pier: stored in version 1, and in version 2 (<sample>.v2)
}
