// RecentSizes: the largest of a thread's last few sizes, for the next buffer's room.
#include "mfc/recent_sizes.h"

#include <gtest/gtest.h>

#include <iterator>

TEST(RecentSizes, TheLargestOfTheLastFourNoted)
{
    RecentSizes<> sizes;
    EXPECT_EQ(sizes.Largest(), 0u);
    const std::size_t noted[] = {70, 9, 30, 12, 11};
    const std::size_t largest[] = {70, 70, 70, 70, 30};   // the fifth note drops the 70
    for (std::size_t i = 0; i < std::size(noted); ++i) {
        sizes.Note(noted[i]);
        EXPECT_EQ(sizes.Largest(), largest[i]) << "after note " << i;
    }
}
