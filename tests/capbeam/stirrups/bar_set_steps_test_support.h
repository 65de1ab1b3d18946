// Test helpers for the stirrups and the "sh" and "sd" bar sets: running their design steps and a plain cap beam.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"

#include <initializer_list>
#include <utility>

// The object's design steps that come after the skeleton design.
int RunSetsgData(CPM001T0101Atom& atom);
int RunSetshData(CPM001T0101Atom& atom);
int RunSetsdData(CPM001T0101Atom& atom);

// Skeleton frames at the given transverse positions, numbered from 1 in the order given.
void AddFrames(CPM001T0101Atom& atom, std::initializer_list<double> ys);

// Stirrup groups as (first frame, last frame) pairs, numbered from 1.
void AddGroups(CPM001T0101Atom& atom, std::initializer_list<std::pair<int, int>> groups);

// Through-bar outline of a beam with tapered ends: end faces at x = 50 and 9950 from y 660 to
// 1740, sloped undersides falling 0.6 per unit to y 60 at x = 1050 and x = 8950.
void SetTaperedOutline(CPM001T0101Atom& atom);

// A straight cap beam on two columns with square ends and a level top, set up as the skeleton
// design leaves it: length 10000, width 2000, height 1800 (end faces 1200), cantilevers of 2000 and
// one span of 6000, crown at 5000. Skeleton bars: plain (type 1) 20 mm, top and bottom distances 60,
// end cover 50, outer frames 100 in from the sides. Stirrups: plain 10 mm, 50 from the ends,
// spacings 200 / 100 densified / 150 at the ends, bounds 80 and 150, five densified spacings either
// side of both columns, 135-degree hooks. Frames at -900, -300, 300 and 900; no stirrup group.
// The bar-mark counter stands at 6.
void SetUpPlainCapBeam(CPM001T0101Atom& atom);
