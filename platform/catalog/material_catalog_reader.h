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

// Reads the catalogue text; source names the file in messages. Throws std::runtime_error, one line
// "<source>: <where>: <what>", for text that is not JSON (a NUL byte or anything after the document
// among it), objects and lists nested more than 64 deep, a key given twice, a number too large, an
// unknown key, a missing field, a wrong type, a text holding a NUL character or a name used twice.
MaterialCatalogSource ReadMaterialCatalog(std::string_view text, const std::string& source);

// Reads the catalogue file at path, a regular file of at most 16 MiB, without waiting on what is
// not one; throws as ReadMaterialCatalog, and one line naming the file when it cannot be opened or
// read, is not a regular file or is larger.
MaterialCatalogSource ReadMaterialCatalogFile(const std::string& path);

// The look-up tables of what was read; they point into source, which must outlive them.
struct MaterialTableRows {
    std::vector<MaterialEntry> entries;
    std::vector<MaterialName> names;
};
MaterialTableRows MakeMaterialTableRows(const MaterialCatalogSource& source);
