// The stored component files that seed the fuzzing of the loader still load: a format change
// that leaves them behind shows here, not as a fuzz corpus that only reaches the checksum test.
#include "project_container.h"
#include "project_session.h"

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
        EXPECT_NO_THROW(session.Load(LoadContainer(entry.path().string())));
        EXPECT_FALSE(session.Output().empty());
        ++seeds;
    }
    EXPECT_EQ(seeds, 9);   // one for each sample pier
}
