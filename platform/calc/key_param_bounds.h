// The key parameters' values checked for what they mean: the values no cap can be built with.
#pragma once

#include "calc/key_bound.h"
#include "calc/key_path.h"
#include "calc/pm001_key_param.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// The message for the first list of keyParam, in the documented key order, that is longer than
// any cap holds (docs/key-parameters.md), or "" when there is none:
// "keyParameters.cap.SteelAr: expected at most 1000 tendon definitions (1001 given)".
std::string FindOverlongKeyList(const CPM001KeyParam& keyParam, const std::string& root);

// The message for the first value of keyParam, in the documented key order, that no cap can be
// built with (docs/key-parameters.md, "Values no cap can be built with"), or "" when there is none:
// a diameter, length, radius, spacing, position or count outside what it means, or an inclination
// outside (0, π/3]. The message names the value's path from root and the value:
// "keyParameters.cap.st_angle: expected an angle above 0 and at most 1.0472 rad (0 given)"; with an
// empty root the path starts inside the object ("cap.st_angle: …").
std::string FindUnbuildableKeyValue(const CPM001KeyParam& keyParam, const std::string& root);

// FindUnbuildableKeyValue kept to the cap's keys named in keys, for keys held apart from the rest of
// their set; the path runs from root through "cap": "designed key parameters.cap.KeyLen1: …".
std::string FindUnbuildableCapKeyValue(const CPM001_CapKeyParam& cap, const std::string& root,
                                       std::initializer_list<std::string_view> keys);

// The message for the list at `at` holding given entries, more than its bound lets it hold, as
// FindOverlongKeyList words it: "… .cap.FrameAr: expected at most 25 frame records (26 given)".
std::string OverlongKeyListMessage(const KeyPath& at, int most, const char* entries, std::size_t given);
template <class E>
std::string OverlongKeyListMessage(const KeyPath& at, const ListBound<E>& bound, std::size_t given)
{
    return OverlongKeyListMessage(at, bound.most, bound.entries, given);
}
