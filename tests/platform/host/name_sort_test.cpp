// SortNames and CompareNames: names in byte order, checked against an ordering of whole strings.
#include "host/name_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

TEST(CompareNames, ByteOrderWithAShorterBeginningFirst)
{
    struct Row {
        std::string a, b;
        int order;
    };
    const Row rows[] = {
        {"", "", 0},
        {"", "a", -1},
        {"ABCDEFGH", "ABCDEFGH", 0},
        {"ABCDEFGH", "ABCDEFGHI", -1},      // equal over the first eight: the shorter first
        {"ABCDEFGI", "ABCDEFGHZ", 1},       // the eighth byte decides
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOQ", -1},
        {"ABCDEFGH\x80", "ABCDEFGH\x7f", 1},   // bytes above 127 after ASCII
        {"\xe6\xa1\xa5zzzzzzzz", "zzzzzzzzz", 1},
        {std::string("ab\0", 3), "ab", 1},
        {std::string("ab\0", 3), "ab\x01", -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CompareNames(row.a, row.b), row.order) << row.a << " / " << row.b;
        EXPECT_EQ(CompareNames(row.b, row.a), -row.order) << row.b << " / " << row.a;
    }
}

// Names splitting off one eight-byte level after another (some before, some after, the rest a level
// deeper), so that the parts still to be ordered pile up past the room first made for them; random
// and repeated names mixed in, the slots ordered from the first and from one beyond it.
TEST(SortNames, DeepNamesRandomNamesAndRepeatsMatchAnOrderingOfWholeStrings)
{
    std::mt19937 random(2026);
    const int levels = 200;
    std::string trunk;
    for (int i = 0; i < 8 * levels; ++i) trunk.push_back(static_cast<char>('M' + random() % 3));
    std::vector<std::string> pool;
    for (int level = 0; level < levels; ++level) {
        const std::string stem = trunk.substr(0, static_cast<std::size_t>(8 * level));
        pool.push_back(stem + "A" + std::to_string(level));
        pool.push_back(stem + "\xe6" + std::to_string(level));
    }
    for (int k = 0; k < 40; ++k) pool.push_back(trunk + std::to_string(k % 25));
    // Random names, half short ones of few letters (zero bytes among them): many a beginning of another.
    for (int k = 0; k < 600; ++k) {
        std::string name;
        const bool few = k % 2 == 0;
        const int length = static_cast<int>(random() % (few ? 18 : 30));
        for (int i = 0; i < length; ++i) name.push_back(few ? std::string("A\0\x80", 3)[random() % 3] : "PM_[]01\x80"[random() % 8]);
        pool.push_back(name);
    }
    std::shuffle(pool.begin(), pool.end(), random);

    // The names kept as the output map keeps them: one block, a span per slot.
    NameBlock block;
    std::vector<NameSpan> spans;
    for (const std::string& name : pool)
        spans.push_back({static_cast<std::uint32_t>(block.Append(name, {})), static_cast<std::uint32_t>(name.size())});
    for (const std::uint32_t from : {0u, 1u}) {
        // The slots from `from` on, ordered as whole strings are (bytes unsigned), ties by slot.
        std::vector<std::uint32_t> slots;
        for (std::uint32_t slot = from; slot < pool.size(); ++slot) slots.push_back(slot);
        std::stable_sort(slots.begin(), slots.end(), [&](std::uint32_t a, std::uint32_t b) { return pool[a] < pool[b]; });
        EXPECT_EQ(SortNames(block, spans, from), slots) << "from slot " << from;
    }
    EXPECT_TRUE(SortNames(block, spans, static_cast<std::uint32_t>(pool.size())).empty());
}
