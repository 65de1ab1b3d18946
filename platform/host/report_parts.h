// The sub-part codes of diagnostic entries: which piece of the pier the entry's input keys belong to.
#pragma once

inline constexpr unsigned kPartFooting = 2;   // the spread footing
inline constexpr unsigned kPartPiles = 3;     // the pile foundation
inline constexpr unsigned kPartPileCap = 4;   // the pile cap
inline constexpr unsigned kPartPier = 6;      // the pier itself: its own input and its drawing settings
