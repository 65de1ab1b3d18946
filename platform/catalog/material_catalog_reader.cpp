// Reading the material catalogue's JSON text: every entry checked field by field, names made unique.
#include "material_catalog_reader.h"

#include "common/input_file.h"
#include "json/json_error_text.h"
#include "json/json_input_error.h"
#include "json/json_integer.h"

#include <nlohmann/json.hpp>

#include <charconv>
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

// What a numeric field may hold besides its type: any number; a code of two states (0 round, 1
// flat; 0 plastic, 1 metal); a size, at least 1 mm; or a size that only a round (or only a flat or
// rectangular) entry has, at least 1 mm there, and 0 or a size on the others, which hold 0 for it.
enum class Held { Any, TwoStates, Size, RoundSize, FlatSize };

// A numeric field of an entry: its key, whether it holds a whole number, and what it may hold.
struct NumericField {
    const char* key;
    bool whole;
    Held held = Held::Any;
};

// What an entry of one list holds besides its name, label and aliases; round tells, from its
// values as read, whether an entry whose sizes depend on its shape is round.
struct KindLayout {
    const char* list;
    MaterialKind kind;
    bool series;
    std::initializer_list<NumericField> fields;
    bool spiralText;
    bool (*round)(const MaterialSource&) = nullptr;
};

constexpr Held kSize = Held::Size;

// The lists in id order, with their fields in the order of the catalogue format's table.
const KindLayout kLayouts[] = {
    {"concrete", MaterialKind::Concrete, false,
     {{"fck", false}, {"fcd", false}, {"ftk", false}, {"ftd", false}, {"Ec", false}}, false},
    {"tendons", MaterialKind::Tendon, false,
     {{"fpk", false}, {"area", false}, {"diameter", false}, {"Ep", false}, {"unitWeight", false}}, false},
    {"jacks", MaterialKind::Jack, true,
     {{"diameter", true, kSize}, {"minDistance", true, kSize}, {"length", true, kSize}, {"workingLength", true, kSize}},
     false},
    // A duct of kind 0 is round (its diameters), of kind 1 flat (its heights and widths).
    {"ducts", MaterialKind::Duct, true,
     {{"kind", true, Held::TwoStates}, {"material", true, Held::TwoStates}, {"outerHeight", true, Held::FlatSize},
      {"innerHeight", true, Held::FlatSize}, {"outerWidth", true, Held::FlatSize}, {"innerWidth", true, Held::FlatSize},
      {"outerDiameter", true, Held::RoundSize}, {"innerDiameter", true, Held::RoundSize}},
     false, [](const MaterialSource& e) { return e.values[0] == 0.0; }},
    {"anchors", MaterialKind::Anchor, true,
     {{"type", true, Held::TwoStates}, {"width", true, kSize}, {"height", true, kSize}, {"headWidth", true, kSize},
      {"headHeight", true, kSize}, {"spiralDiameter", true, kSize}, {"capThickness", true, kSize},
      {"spiralBarDiameter", true, kSize}, {"spiralPitch", false, kSize}, {"spiralLength", true, kSize}},
     true},
    // A bearing of shape 0 or 3 is rectangular (a by b), of any other shape round (its diameter).
    {"bearings", MaterialKind::Bearing, false,
     {{"shape", true}, {"a", true, Held::FlatSize}, {"b", true, Held::FlatSize}, {"diameter", true, Held::RoundSize},
      {"height", true, kSize}},
     false, [](const MaterialSource& e) { return e.values[0] != 0.0 && e.values[0] != 3.0; }},
};

// A field's value against what it may hold: the reason it may not, or nullptr. A size is at least
// 1 mm: a jack, duct, anchor or bearing of no size or a negative one is no material, and the
// design would take it as given (a bearing of -1 designed with exit 0).
const char* NotHeld(Held held, double value, bool round)
{
    switch (held) {
    case Held::Any: return nullptr;
    case Held::TwoStates: return value == 0.0 || value == 1.0 ? nullptr : "expected 0 or 1";
    case Held::RoundSize:
    case Held::FlatSize:
        if ((held == Held::RoundSize) != round)
            return value == 0.0 || value >= 1.0 ? nullptr : "expected 0 or a size of at least 1 mm";
        [[fallthrough]];
    case Held::Size: return value >= 1.0 ? nullptr : "expected a size of at least 1 mm";
    }
    return nullptr;
}

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

// A value as given: a whole number without a fraction, a real as short as reads back the same.
std::string NumberGiven(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
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
    const bool round = layout.round && layout.round(entry);
    i = 0;
    for (const NumericField& f : layout.fields) {
        const double value = entry.values[i++];
        if (const char* expected = NotHeld(f.held, value, round))
            throw std::runtime_error(path + "." + f.key + ": " + expected + " (" + NumberGiven(value) + " given)");
    }
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
