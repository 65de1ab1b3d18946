// Reading the material catalogue's JSON text: every entry checked field by field, names made unique.
#include "material_catalog_reader.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>

namespace {

using json = nlohmann::json;

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
    try {
        return entry.at(key).get<T>();
    } catch (const json::exception&) {
        throw std::runtime_error(path + "." + key + ": wrong type");
    }
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
        if (!isAllowed(layout, item.key())) throw std::runtime_error(path + ": unknown key \"" + item.key() + "\"");
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

MaterialCatalogSource ReadMaterialCatalog(std::string_view text, const std::string& source)
{
    // JSON text never holds a NUL byte; the parser would take one for the end of the text and leave
    // whatever follows it unread.
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        throw std::runtime_error(source + ": a NUL byte at byte " + std::to_string(nul + 1) + ", which JSON text never holds");
    // The catalogue nests four deep; a document nested past kMaxNesting is refused as it is read,
    // before a deep value is built (copying one recurses once per level).
    constexpr int kMaxNesting = 64;
    const auto nesting = [&source](int depth, json::parse_event_t, json&) {
        if (depth >= kMaxNesting)   // the outermost value stands at depth 0
            throw std::runtime_error(source + ": objects and lists nested more than " + std::to_string(kMaxNesting) + " deep");
        return true;
    };
    json doc;
    try {
        doc = json::parse(text.begin(), text.end(), nesting);
    } catch (const json::parse_error& e) {
        throw std::runtime_error(source + ": " + e.what());
    }
    if (!doc.is_object()) throw std::runtime_error(source + ": expected an object");
    for (const auto& item : doc.items()) {
        bool known = item.key() == "standards";
        for (const KindLayout& layout : kLayouts) known = known || item.key() == layout.list;
        if (!known) throw std::runtime_error(source + ": unknown key \"" + item.key() + "\"");
    }
    MaterialCatalogSource catalog;
    for (const KindLayout& layout : kLayouts) {
        if (!doc.contains(layout.list)) continue;
        const json& list = doc.at(layout.list);
        if (!list.is_array()) throw std::runtime_error(source + ": \"" + layout.list + "\" must be a list");
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

MaterialCatalogSource ReadMaterialCatalogFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the material catalogue " + path);
    const std::string text(std::istreambuf_iterator<char>(in), {});
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
