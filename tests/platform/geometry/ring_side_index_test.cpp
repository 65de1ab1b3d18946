// The side index answers with every side that matters, whatever the outline's shape and size:
// checked against a scan of all sides on outlines of many forms.
#include "geometry/ring_side_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Ring = std::vector<RingPoint>;

struct IndexCase {
    const char* what;
    Ring ring;
    double reach;
};

// A star: corners at random radii around a centre, so sides are long and short, steep and flat.
Ring Star(std::mt19937& random, int corners, double scale)
{
    std::uniform_real_distribution<double> radius(0.05 * scale, scale);
    Ring ring;
    for (int k = 0; k < corners; ++k) {
        const double angle = 2 * M_PI * k / corners;
        const double r = radius(random);
        ring.push_back({r * std::cos(angle), r * std::sin(angle)});
    }
    return ring;
}

// The round-ended outline of a cap 15600 by 5600 drawn with arcs of 600 steps a side.
Ring RoundEnded()
{
    Ring ring;
    for (int end = 0; end < 2; ++end) {
        const double cx = end == 0 ? 5000 : -5000, start = end == 0 ? -M_PI / 2 : M_PI / 2;
        for (int k = 0; k <= 600; ++k) {
            const double angle = start + M_PI * k / 600;
            ring.push_back({cx + 2800 * std::cos(angle), 2800 * std::sin(angle)});
        }
    }
    return ring;
}

std::vector<IndexCase> Cases()
{
    std::mt19937 random(17);
    return {
        {"a rectangle", {{0, 0}, {4, 0}, {4, 2}, {0, 2}}, 0.2},
        {"a star of many long and short sides", Star(random, 400, 1000), 0.2},
        {"a star of few sides", Star(random, 7, 50), 5},
        {"a round-ended cap", RoundEnded(), 0.200001},
        {"a sliver of no height", {{0, 0}, {10, 0}, {20, 0}}, 0.0},
        {"one corner", {{3, 3}}, 1},
        {"far from the origin", {{1e7, 1e7}, {1e7 + 3, 1e7}, {1e7 + 3, 1e7 + 1}, {1e7, 1e7 + 1}}, 1e-6},
        {"coordinates near the largest real", {{-1e307, -1e307}, {1e307, -1e307}, {0, 1e307}}, 1},
    };
}

void PrintTo(const IndexCase& c, std::ostream* os) { *os << c.what; }

class RingSideIndexAnswers : public ::testing::TestWithParam<IndexCase> {};

} // namespace

TEST_P(RingSideIndexAnswers, EverySideNearABoxOrAcrossALevel)
{
    const IndexCase& c = GetParam();
    const Ring& ring = c.ring;
    const RingSideIndex index(ring, c.reach);
    double minX = ring[0].x, maxX = minX, minY = ring[0].y, maxY = minY;
    for (const RingPoint& p : ring) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x), minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    const double w = std::max(maxX - minX, 1.0), h = std::max(maxY - minY, 1.0);
    std::mt19937 random(99);
    std::uniform_real_distribution<double> unit(-0.2, 1.2), size(0.0, 0.1);
    for (int q = 0; q < 2000; ++q) {
        // A box (often a point) somewhere over the outline or just beyond it.
        const double x0 = minX + unit(random) * w, y0 = minY + unit(random) * h;
        const double x1 = x0 + (q % 3 == 0 ? 0.0 : size(random) * w), y1 = y0 + (q % 3 == 0 ? 0.0 : size(random) * h);
        const auto near = index.SidesNear({x0, y0}, {x1, y1});
        const std::set<std::uint32_t> given(near.begin(), near.end());
        EXPECT_EQ(given.size(), near.size()) << c.what << ": a side given twice";
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const RingPoint a = ring[i], b = ring[(i + 1) % ring.size()];
            const bool meets = std::min(a.x, b.x) - c.reach <= x1 && std::max(a.x, b.x) + c.reach >= x0 &&
                               std::min(a.y, b.y) - c.reach <= y1 && std::max(a.y, b.y) + c.reach >= y0;
            if (meets) {
                EXPECT_TRUE(given.count(static_cast<std::uint32_t>(i))) << c.what << ": side " << i << " missed near a box";
            }
        }
        const auto across = index.SidesAcross(y0);
        const std::set<std::uint32_t> crossing(across.begin(), across.end());
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const RingPoint a = ring[i], b = ring[(i + 1) % ring.size()];
            if ((a.y > y0) != (b.y > y0)) {
                EXPECT_TRUE(crossing.count(static_cast<std::uint32_t>(i))) << c.what << ": side " << i << " missed at y " << y0;
            }
        }
    }
    // The corners themselves, where rounding is closest.
    for (const RingPoint& p : ring) {
        const auto across = index.SidesAcross(p.y);
        const std::set<std::uint32_t> crossing(across.begin(), across.end());
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const RingPoint a = ring[i], b = ring[(i + 1) % ring.size()];
            if ((a.y > p.y) != (b.y > p.y)) {
                EXPECT_TRUE(crossing.count(static_cast<std::uint32_t>(i))) << c.what << ": side " << i << " missed at a corner";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Outlines, RingSideIndexAnswers, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });
