// Reading the material catalogue's JSON text: every entry checked field by field, names made unique.
#include "material_catalog_reader.h"

#include "common/input_file.h"
#include "json/json_error_text.h"
#include "json/json_input_error.h"
#include "json/json_integer.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

using json = JsonValue;

// A member's path: "bearings[0].shape"; a key is the file's, shown as JsonKeyText shows it.
std::string MemberPath(const std::string& parent, std::string_view key)
{
    const std::string shown = JsonKeyText(key);
    return parent.empty() ? shown : parent + "." + shown;
}

// The largest catalogue read: a few hundred entries take some tens of kilobytes; the bound keeps a
// wrong file (a disk image, a device) from being read whole, as for the project file.
constexpr std::uint64_t kMaxCatalogBytes = 16u << 20;

// A numeric field of an entry: its key and whether it holds a whole number.
struct NumericField {
    const char* key;
    bool whole;
};

// What an entry of one list holds besides its name, label and aliases.
struct KindLayout {
    const char* list;
    MaterialKind kind;
    bool series;
    std::initializer_list<NumericField> fields;
    bool spiralText;
};

// The lists in id order, with their fields in the order of the catalogue format's table.
const KindLayout kLayouts[] = {
    {"concrete", MaterialKind::Concrete, false,
     {{"fck", false}, {"fcd", false}, {"ftk", false}, {"ftd", false}, {"Ec", false}}, false},
    {"tendons", MaterialKind::Tendon, false,
     {{"fpk", false}, {"area", false}, {"diameter", false}, {"Ep", false}, {"unitWeight", false}}, false},
    {"jacks", MaterialKind::Jack, true,
     {{"diameter", true}, {"minDistance", true}, {"length", true}, {"workingLength", true}}, false},
    {"ducts", MaterialKind::Duct, true,
     {{"kind", true}, {"material", true}, {"outerHeight", true}, {"innerHeight", true}, {"outerWidth", true},
      {"innerWidth", true}, {"outerDiameter", true}, {"innerDiameter", true}},
     false},
    {"anchors", MaterialKind::Anchor, true,
     {{"type", true}, {"width", true}, {"height", true}, {"headWidth", true}, {"headHeight", true},
      {"spiralDiameter", true}, {"capThickness", true}, {"spiralBarDiameter", true}, {"spiralPitch", false},
      {"spiralLength", true}},
     true},
    {"bearings", MaterialKind::Bearing, false,
     {{"shape", true}, {"a", true}, {"b", true}, {"diameter", true}, {"height", true}}, false},
};

// Reads one field of an entry, refusing a missing field or a wrong type with the entry's path.
template <class T>
T field(const json& entry, const char* key, const std::string& path)
{
    if (!entry.contains(key)) throw std::runtime_error(path + ": missing \"" + key + "\"");
    T value{};
    if constexpr (std::is_same_v<T, int>) {
        // A whole number is read as the key files read one: never cut down or wrapped round to fit.
        if (const char* expected = ReadJsonInteger(entry.at(key), value))
            throw std::runtime_error(path + "." + key + ": " + expected);
    } else {
        try {
            value = entry.at(key).get<T>();
        } catch (const json::exception&) {
            throw std::runtime_error(path + "." + key + ": wrong type");
        }
    }
    // A text ends at a NUL character wherever the catalogue's names and texts are handed on.
    const auto refuseNul = [&](const std::string& text) {
        if (text.find('\0') != std::string::npos)
            throw std::runtime_error(path + "." + key + ": expected a text without a NUL character (\\u0000)");
    };
    if constexpr (std::is_same_v<T, std::string>) refuseNul(value);
    if constexpr (std::is_same_v<T, std::vector<std::string>>)
        for (const std::string& text : value) refuseNul(text);
    return value;
}

bool isAllowed(const KindLayout& layout, const std::string& key)
{
    if (key == "name" || key == "label" || key == "aliases") return true;
    if (layout.series && key == "series") return true;
    if (layout.spiralText && key == "spiralText") return true;
    for (const NumericField& f : layout.fields)
        if (key == f.key) return true;
    return false;
}

// The entry's series, numeric fields and spiral text, read in that order.
void readFields(const KindLayout& layout, const json& e, const std::string& path, MaterialSource& entry)
{
    if (!e.is_object()) throw std::runtime_error(path + ": expected an object");
    for (const auto& item : e.items())
        if (!isAllowed(layout, item.key())) throw std::runtime_error(path + ": unknown key \"" + JsonKeyText(item.key()) + "\"");
    entry.kind = layout.kind;
    if (layout.series) entry.series = field<std::string>(e, "series", path);
    std::size_t i = 0;
    for (const NumericField& f : layout.fields)
        entry.values[i++] = f.whole ? field<int>(e, f.key, path) : field<double>(e, f.key, path);
    if (layout.spiralText) entry.text = field<std::string>(e, "spiralText", path);
}

void addName(MaterialCatalogSource& catalog, const std::string& name, unsigned id, const std::string& path)
{
    if (name.empty()) throw std::runtime_error(path + ": empty name");
    const auto [it, inserted] = catalog.ids.emplace(name, id);
    if (!inserted && it->second != id) throw std::runtime_error(path + ": name \"" + name + "\" is used twice");
}

} // namespace

namespace {

MaterialCatalogSource ReadCatalogDocument(const json& doc)
{
    if (!doc.is_object()) throw std::runtime_error("expected an object");
    for (const auto& item : doc.items()) {
        bool known = item.key() == "standards";
        for (const KindLayout& layout : kLayouts) known = known || item.key() == layout.list;
        if (!known) throw std::runtime_error("unknown key \"" + JsonKeyText(item.key()) + "\"");
    }
    MaterialCatalogSource catalog;
    for (const KindLayout& layout : kLayouts) {
        if (!doc.contains(layout.list)) continue;
        const json& list = doc.at(layout.list);
        if (!list.is_array()) throw std::runtime_error(std::string("\"") + layout.list + "\" must be a list");
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string where = std::string(layout.list) + "[" + std::to_string(i) + "]";
            const json& e = list[i];
            MaterialSource entry;
            readFields(layout, e, where, entry);
            entry.name = field<std::string>(e, "name", where);
            entry.label = e.contains("label") ? field<std::string>(e, "label", where) : entry.name;
            const auto id = static_cast<unsigned>(catalog.entries.size() + 1);
            addName(catalog, entry.name, id, where);
            addName(catalog, entry.label, id, where);
            if (e.contains("aliases"))
                for (const auto& alias : field<std::vector<std::string>>(e, "aliases", where))
                    addName(catalog, alias, id, where);
            catalog.entries.push_back(std::move(entry));
        }
    }
    return catalog;
}

} // namespace

MaterialCatalogSource ReadMaterialCatalog(std::string_view text, const std::string& source)
{
    try {
        // Read as the project and key-parameter files are: the nesting, a key given twice, a NUL
        // byte and anything after the document refused, each named by its place.
        JsonPathTracker tracker("", MemberPath);
        return ReadCatalogDocument(ReadJsonInput(text, tracker));
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(source + ": " + e.what());
    }
}

MaterialCatalogSource ReadMaterialCatalogFile(const std::string& path)
{
    std::string text;
    const WholeFileRead read = ReadWholeFile(path, kMaxCatalogBytes, text);
    switch (read.state) {
    case WholeFileRead::Read: break;
    case WholeFileRead::CannotOpen:
        throw std::runtime_error(path + ": cannot open the material catalogue: " + std::strerror(read.error));
    case WholeFileRead::NotRegular: throw std::runtime_error(path + ": not a regular file");
    case WholeFileRead::TooLarge: throw std::runtime_error(path + ": larger than 16 MiB");
    case WholeFileRead::CannotRead:
        throw std::runtime_error(path + ": cannot read the material catalogue: " + std::strerror(read.error));
    }
    return ReadMaterialCatalog(text, path);
}

MaterialTableRows MakeMaterialTableRows(const MaterialCatalogSource& source)
{
    MaterialTableRows rows;
    rows.entries.reserve(source.entries.size());
    for (const MaterialSource& e : source.entries)
        rows.entries.push_back(MaterialEntry{e.kind, e.name, e.label, e.series, e.text, e.values});
    rows.names.reserve(source.ids.size());
    for (const auto& [name, id] : source.ids) rows.names.push_back(MaterialName{name, id});
    return rows;
}
