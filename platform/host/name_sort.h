// Byte order of names, and the ordering of many names kept in one block.
#pragma once

#include "host/name_block.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Byte order of two names, as memcmp gives it (a name that is the beginning of another comes
// first): <0, 0 or >0.
int CompareNames(std::string_view a, std::string_view b);

// The slots from `from` to the last of spans, in the byte order of their names (spans[slot] says
// where a slot's name lies in names); the slots of one name in slot order.
std::vector<std::uint32_t> SortNames(const NameBlock& names, std::span<const NameSpan> spans, std::uint32_t from);
