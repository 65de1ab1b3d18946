// LoadBytesInOrder: the first byte the most significant, so that numbers order as their bytes do.
#include "common/byte_order.h"

#include <gtest/gtest.h>

TEST(ByteOrder, TheFirstByteIsTheMostSignificant)
{
    EXPECT_EQ(LoadBytesInOrder("\x01\x02\x03\x04\x05\x06\x07\x08"), 0x0102030405060708u);
    EXPECT_EQ(LoadBytesInOrder("\xff\x00\x00\x00\x00\x00\x00\x01"), 0xff00000000000001u);
    // A later byte never outweighs an earlier one, and bytes above 127 count as large.
    EXPECT_LT(LoadBytesInOrder("\x7f\xff\xff\xff\xff\xff\xff\xff"), LoadBytesInOrder("\x80\x00\x00\x00\x00\x00\x00\x00"));
    EXPECT_LT(LoadBytesInOrder("ABCDEFGH"), LoadBytesInOrder("ABCDEFGI"));
    EXPECT_LT(LoadBytesInOrder("ABCDEFGZ"), LoadBytesInOrder("ABCDEFHA"));
}
