// Reading the material catalogue's JSON text (docs/catalog-format.md) into its entries and names.
#pragma once

#include "material_tables.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// One entry as read: owned texts, numeric fields as in MaterialEntry.
struct MaterialSource {
    MaterialKind kind = MaterialKind::Concrete;
    std::string name;
    std::string label;
    std::string series;
    std::string text;
    std::array<double, kMaterialValueCount> values{};
};

struct MaterialCatalogSource {
    std::vector<MaterialSource> entries;          // id = index + 1
    std::map<std::string, unsigned> ids;          // names, labels and aliases → id
};

// Reads the catalogue text; source names the file in messages. Throws std::runtime_error for text
// that is not JSON, an unknown key, a missing field, a wrong type or a name used twice.
MaterialCatalogSource ReadMaterialCatalog(std::string_view text, const std::string& source);

// Reads the catalogue file at path; throws as ReadMaterialCatalog, and
// "cannot read the material catalogue <path>" when the file cannot be read.
MaterialCatalogSource ReadMaterialCatalogFile(const std::string& path);

// The look-up tables of what was read; they point into source, which must outlive them.
struct MaterialTableRows {
    std::vector<MaterialEntry> entries;
    std::vector<MaterialName> names;
};
MaterialTableRows MakeMaterialTableRows(const MaterialCatalogSource& source);
