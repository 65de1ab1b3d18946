// The counts the pier's diagnosis accepts for its lists, and whether a list's count lies within them.
#pragma once

// A list whose count lies outside its range gets the count diagnostic only: its per-item and
// pairwise checks are skipped, since the pier fails anyway and a list of a million items would
// otherwise give a million diagnostics (and the pairwise ones a million squared tests).
inline constexpr int kMinColumns = 1;
inline constexpr int kMaxColumns = 20;
inline constexpr int kMinTieBeams = 1;
inline constexpr int kMaxTieBeams = 10;
inline constexpr int kMaxBearingsPerRow = 500;

inline bool CountInRange(int count, int min, int max) { return count >= min && count <= max; }

// Columns: one more than the column spacings.
inline bool ColumnCountInRange(int spacings) { return CountInRange(spacings + 1, kMinColumns, kMaxColumns); }

// Bearings of one row; the row's pedestal heights are one per bearing, so a height list longer
// than a row may be is out of range as well (its count check against the bearings fails).
inline bool BearingCountInRange(int count) { return CountInRange(count, 0, kMaxBearingsPerRow); }
