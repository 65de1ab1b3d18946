// The material catalogue as constant tables: one row per entry and the names sorted for look-up.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

enum class MaterialKind : unsigned char { Concrete, Tendon, Jack, Duct, Anchor, Bearing };

// The most numeric fields an entry of any kind has (an anchorage's ten).
constexpr std::size_t kMaterialValueCount = 10;

// One catalogue entry: its texts and its numeric fields in the order of the catalogue file's
// table for its kind (whole numbers are held exactly as reals).
struct MaterialEntry {
    MaterialKind kind;
    std::string_view name;
    std::string_view label;
    std::string_view series;     // jacks, ducts and anchorages; empty otherwise
    std::string_view text;       // an anchorage's spiral text; empty otherwise
    std::array<double, kMaterialValueCount> values;
};

// A name, label or alias and the id (1-based entry number) it denotes.
struct MaterialName {
    std::string_view name;
    unsigned id;
};

struct MaterialTables {
    std::span<const MaterialEntry> entries;   // id = index + 1
    std::span<const MaterialName> names;      // in byte order of the names, each name once
};

// The catalogue compiled into the program from data/material_catalog.json when it was built.
const MaterialTables& CompiledMaterialTables();
