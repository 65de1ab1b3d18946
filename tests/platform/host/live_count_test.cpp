// Live-object counts and the opt-in release journal.
#include "host/live_count.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <thread>

namespace {

struct Tracked {
    LiveCount<Tracked> live;
};
struct Other {
    LiveCount<Other> live;
};

TEST(LiveCount, CountsConstructionCopiesAndRelease)
{
    const int before = LiveCount<Tracked>::Live();
    {
        Tracked a;
        Tracked b = a;
        EXPECT_EQ(LiveCount<Tracked>::Live(), before + 2);
        b = a;   // assignment makes no new object
        EXPECT_EQ(LiveCount<Tracked>::Live(), before + 2);
    }
    EXPECT_EQ(LiveCount<Tracked>::Live(), before);
}

TEST(ReleaseJournal, RecordsOnlyWhileStartedInReleaseOrder)
{
    ReleaseJournal::Stop();
    { Tracked unrecorded; }
    ReleaseJournal::Start();
    EXPECT_TRUE(ReleaseJournal::Entries().empty());
    {
        auto first = std::make_unique<Tracked>();
        auto second = std::make_unique<Other>();
        first.reset();
        second.reset();
    }
    ReleaseJournal::Stop();
    { Other afterStop; }
    ASSERT_EQ(ReleaseJournal::Entries().size(), 2u);
    EXPECT_EQ(ReleaseJournal::Entries()[0], std::type_index(typeid(Tracked)));
    EXPECT_EQ(ReleaseJournal::Entries()[1], std::type_index(typeid(Other)));
}

TEST(ReleaseJournal, EachThreadKeepsItsOwn)
{
    ReleaseJournal::Start();
    std::thread other([] { Tracked released; });
    other.join();
    EXPECT_TRUE(ReleaseJournal::Entries().empty());
    ReleaseJournal::Stop();
}

} // namespace
