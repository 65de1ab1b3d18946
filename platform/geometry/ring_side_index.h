// RingSideIndex: the sides of a closed outline sorted by where they lie, so that the sides near a
// segment and the sides a horizontal line through a point crosses are found without looking at
// every side of the outline.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

struct RingPoint {
    double x = 0.0;
    double y = 0.0;
};

// Side i runs from corner i to corner i + 1, the last side back to corner 0. The index holds
// a grid of cells over the outline's box, each cell listing the sides whose box, widened on
// every side by reach, meets it; and bands across the outline's height, each listing the sides
// whose height range meets it. Every answer may hold sides that turn out not to matter, never
// misses one that does, and is exact for any finite coordinates (the cell of a coordinate is a
// non-decreasing function of it).
class RingSideIndex {
public:
    RingSideIndex(const std::vector<RingPoint>& corners, double reach);

    // The sides whose box widened by reach may meet the box from lo to hi, each once. The list
    // lies in this index's scratch and holds until the next SidesNear on the same index, or until
    // the index goes: the next query overwrites it, so an index serves one thread, and a list that
    // must outlive the next query is copied first.
    std::span<const std::uint32_t> SidesNear(RingPoint lo, RingPoint hi) const;
    // The sides whose height range (lowest to highest y of its two ends) may hold y; the list is
    // the index's own and holds as long as the index.
    std::span<const std::uint32_t> SidesAcross(double y) const;

private:
    // Lists of side numbers, one per cell or band, stored one after another.
    struct Buckets {
        std::vector<std::uint32_t> starts;   // list k is sides[starts[k] .. starts[k + 1])
        std::vector<std::uint32_t> sides;
    };
    // The cell of a coordinate along one axis: from, step and count of that axis.
    struct Axis {
        double from = 0.0;
        double step = 0.0;
        int count = 1;
        int Cell(double v) const
        {
            if (count <= 1) return 0;
            const double at = (v - from) / step;   // non-decreasing in v, and so is the cell
            if (!(at > 0.0)) return 0;             // also NaN
            return at >= count - 1 ? count - 1 : static_cast<int>(at);
        }
    };
    static Buckets Fill(std::size_t lists, const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries);

    Axis m_x, m_y, m_band;
    Buckets m_cells;   // cell (i, j) is list j * m_x.count + i
    Buckets m_bands;
    // Sides already given by the query in hand (a side may lie in several cells).
    mutable std::vector<std::uint32_t> m_seenAt;
    mutable std::uint32_t m_query = 0;
    mutable std::vector<std::uint32_t> m_near;
};
