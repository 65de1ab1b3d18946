// Room made for a store: a store after a large one gets its room at once, keeps its bytes, and
// gives unused room back; ASCII and other texts keep their forms.
#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ArchiveStoreRoom, ALargeStoreSizesTheNextAndASmallOneGivesRoomBack)
{
    std::vector<unsigned char> large;
    {
        CArchive ar(large, CArchive::store);
        for (int i = 0; i < 100000; ++i) ar << i;
    }
    ASSERT_EQ(large.size(), 400000u);

    std::vector<unsigned char> next;
    {
        CArchive ar(next, CArchive::store);
        EXPECT_GE(next.capacity(), 400000u) << "room for a store as large as the last one";
        ar << 1.5;
    }
    EXPECT_EQ(next.size(), 8u);
    EXPECT_LT(next.capacity(), 4096u + 16u) << "unused room given back";

    // Appending to bytes already held keeps them.
    std::vector<unsigned char> held{0xAB};
    {
        CArchive ar(held, CArchive::store);
        ar << static_cast<WORD>(0x0102);
    }
    EXPECT_EQ(held, (std::vector<unsigned char>{0xAB, 0x02, 0x01}));
}

TEST(ArchiveStoreRoom, AsciiAndChineseTextsKeepTheirNarrowForm)
{
    std::vector<unsigned char> bytes;
    {
        CArchive ar(bytes, CArchive::store);
        ar << CString("N1") << CString("中") << CString(std::string("a\0b", 3));
    }
    // "N1"; GBK of 中 is D6 D0; an embedded zero byte stays.
    EXPECT_EQ(bytes, (std::vector<unsigned char>{2, 'N', '1', 2, 0xD6, 0xD0, 3, 'a', 0, 'b'}));
    CArchive ar(bytes.data(), bytes.size());
    CString a, b, c;
    ar >> a >> b >> c;
    EXPECT_EQ(a, "N1");
    EXPECT_EQ(b, "中");
    EXPECT_EQ(c.str(), std::string("a\0b", 3));
    EXPECT_EQ(ar.GetRemaining(), 0u);
}
