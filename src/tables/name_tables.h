// The module's global name tables: the load-case names and the drawing block-name lists.
//
// The tables are built when the module is loaded and live, unchanged, until it is unloaded. No
// operation of the component reads them; these read-only accessors exist for inspection (tests).
// Numbers are 1-based, as in the tables; a number outside them throws std::out_of_range.
#pragma once

#include "mfc/cstring.h"

#include <vector>

// 36: the marker "##" (number 1) followed by 35 load-case names.
int LoadCaseNameCount();
const CString& LoadCaseName(int number);

// 71 lists of drawing block names, in the order they are built.
int DrawingBlockListCount();
const std::vector<CString>& DrawingBlockNames(int list);
