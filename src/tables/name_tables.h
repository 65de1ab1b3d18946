// The module's global name tables: the load-case names and the drawing block-name lists.
//
// The tables are constant data of the module: they exist, unchanged, from its load to its unload,
// and no code runs to build them. No operation of the component reads them; these read-only
// accessors exist for inspection (tests). Numbers are 1-based, as in the tables; a number outside
// them throws std::out_of_range.
#pragma once

#include <span>
#include <string_view>

// 36: the marker "##" (number 1) followed by 35 load-case names.
int LoadCaseNameCount();
std::string_view LoadCaseName(int number);

// 71 lists of drawing block names, in table order.
int DrawingBlockListCount();
std::span<const std::string_view> DrawingBlockNames(int list);
