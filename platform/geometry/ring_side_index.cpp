// Sides of an outline sorted into a grid of cells and into horizontal bands.
#include "geometry/ring_side_index.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Entries allowed per side before the grid or the bands are made coarser: a long slanting side
// lies in every cell of its box, and a fine grid would hold it many times over.
constexpr std::size_t kEntriesPerSide = 32;
constexpr int kMostCells = 1024;   // along one axis
constexpr int kMostBands = 4096;

} // namespace

RingSideIndex::Buckets RingSideIndex::Fill(std::size_t lists,
                                           const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries)
{
    Buckets buckets;
    buckets.starts.assign(lists + 1, 0);
    for (const auto& [list, side] : entries) ++buckets.starts[list + 1];
    for (std::size_t k = 0; k < lists; ++k) buckets.starts[k + 1] += buckets.starts[k];
    buckets.sides.resize(entries.size());
    std::vector<std::uint32_t> next(buckets.starts.begin(), buckets.starts.end() - 1);
    for (const auto& [list, side] : entries) buckets.sides[next[list]++] = side;
    return buckets;
}

RingSideIndex::RingSideIndex(const std::vector<RingPoint>& corners, double reach)
{
    const std::size_t n = corners.size();
    m_seenAt.assign(n, 0);
    if (n == 0) {
        m_cells.starts.assign(2, 0);
        m_bands.starts.assign(2, 0);
        return;
    }
    double minX = corners[0].x, maxX = minX, minY = corners[0].y, maxY = minY, largest = 0.0;
    for (const RingPoint& c : corners) {
        minX = std::min(minX, c.x);
        maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y);
        maxY = std::max(maxY, c.y);
        largest = std::max({largest, std::fabs(c.x), std::fabs(c.y)});
    }
    // Each side's box is widened by reach and by a margin well above the rounding of the distances
    // that are worked out from the sides found, so that no side that matters is left out.
    const double widen = std::max(reach, 0.0) * (1.0 + 1e-9) + 1e-9 * (1.0 + largest);
    const auto sideBox = [&](std::size_t i) {
        const RingPoint& a = corners[i];
        const RingPoint& b = corners[(i + 1) % n];
        return std::pair<RingPoint, RingPoint>{{std::min(a.x, b.x), std::min(a.y, b.y)},
                                               {std::max(a.x, b.x), std::max(a.y, b.y)}};
    };
    const auto axis = [](double from, double to, int count) {
        Axis a;
        const double length = to - from;
        if (count > 1 && std::isfinite(length) && length > 0.0) {
            a.from = from;
            a.step = length / count;
            a.count = count;
        }
        return a;
    };

    // The grid: about one cell per side, the cells about square, made coarser until the sides'
    // entries stay within bounds.
    const double width = (maxX - minX) + 2 * widen, height = (maxY - minY) + 2 * widen;
    double aspect = height > 0.0 && std::isfinite(width / height) ? width / height : 1.0;
    aspect = std::clamp(aspect, 1e-3, 1e3);
    int across = std::clamp(static_cast<int>(std::lround(std::sqrt(static_cast<double>(n) * aspect))), 1, kMostCells);
    int along = std::clamp(static_cast<int>(std::lround(static_cast<double>(n) / across)), 1, kMostCells);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> entries;
    for (;;) {
        m_x = axis(minX - widen, maxX + widen, across);
        m_y = axis(minY - widen, maxY + widen, along);
        entries.clear();
        bool tooMany = false;
        for (std::size_t i = 0; i < n && !tooMany; ++i) {
            const auto [lo, hi] = sideBox(i);
            const int x0 = m_x.Cell(lo.x - widen), x1 = m_x.Cell(hi.x + widen);
            const int y0 = m_y.Cell(lo.y - widen), y1 = m_y.Cell(hi.y + widen);
            for (int j = y0; j <= y1; ++j)
                for (int k = x0; k <= x1; ++k)
                    entries.emplace_back(static_cast<std::uint32_t>(j * m_x.count + k), static_cast<std::uint32_t>(i));
            tooMany = entries.size() > kEntriesPerSide * n && (across > 1 || along > 1);
        }
        if (!tooMany) break;
        across = std::max(1, across / 2);
        along = std::max(1, along / 2);
    }
    m_cells = Fill(static_cast<std::size_t>(m_x.count) * static_cast<std::size_t>(m_y.count), entries);

    // The bands: a level side is crossed by no horizontal line, so it is in none.
    int bands = std::clamp(static_cast<int>(n), 1, kMostBands);
    for (;;) {
        m_band = axis(minY, maxY, bands);
        entries.clear();
        bool tooMany = false;
        for (std::size_t i = 0; i < n && !tooMany; ++i) {
            const auto [lo, hi] = sideBox(i);
            if (lo.y == hi.y) continue;
            for (int j = m_band.Cell(lo.y), last = m_band.Cell(hi.y); j <= last; ++j)
                entries.emplace_back(static_cast<std::uint32_t>(j), static_cast<std::uint32_t>(i));
            tooMany = entries.size() > kEntriesPerSide * n && bands > 1;
        }
        if (!tooMany) break;
        bands = std::max(1, bands / 2);
    }
    m_bands = Fill(static_cast<std::size_t>(m_band.count), entries);
}

std::span<const std::uint32_t> RingSideIndex::SidesNear(RingPoint lo, RingPoint hi) const
{
    m_near.clear();
    if (++m_query == 0) {   // the marks wrapped round: start them afresh
        std::fill(m_seenAt.begin(), m_seenAt.end(), 0);
        m_query = 1;
    }
    const int x0 = m_x.Cell(lo.x), x1 = m_x.Cell(hi.x), y0 = m_y.Cell(lo.y), y1 = m_y.Cell(hi.y);
    for (int j = y0; j <= y1; ++j)
        for (int k = x0; k <= x1; ++k) {
            const std::size_t cell = static_cast<std::size_t>(j) * static_cast<std::size_t>(m_x.count) + static_cast<std::size_t>(k);
            for (std::uint32_t at = m_cells.starts[cell]; at < m_cells.starts[cell + 1]; ++at) {
                const std::uint32_t side = m_cells.sides[at];
                if (m_seenAt[side] == m_query) continue;
                m_seenAt[side] = m_query;
                m_near.push_back(side);
            }
        }
    return m_near;
}

std::span<const std::uint32_t> RingSideIndex::SidesAcross(double y) const
{
    const std::size_t band = static_cast<std::size_t>(m_band.Cell(y));
    const std::uint32_t* begin = m_bands.sides.data() + m_bands.starts[band];
    return {begin, m_bands.starts[band + 1] - m_bands.starts[band]};
}
