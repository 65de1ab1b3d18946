// Loading of the material catalogue from its data file and the look-ups by name and id.
#include "material_catalog.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>
#include <variant>
#include <vector>

#ifndef PM001_DATA_DIR
#define PM001_DATA_DIR "data"
#endif

namespace {

using Record = std::variant<tagQM_CONCRETE, tagQM_TENDON, tagQM_JACK, tagQM_CORRUGATEDPIPE, tagQM_ANCHOR,
                            tagQM_BEARING>;

struct Entry {
    CString name;
    CString label;
    CString series;      // ducts and anchorages
    Record record;
};

struct Catalog {
    std::vector<Entry> entries;                  // id = index + 1
    std::map<std::string, unsigned> ids;         // names, aliases and labels → id
    std::string error;
};

using json = nlohmann::json;

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

void checkKeys(const json& entry, std::initializer_list<const char*> allowed, const std::string& path)
{
    if (!entry.is_object()) throw std::runtime_error(path + ": expected an object");
    for (const auto& item : entry.items()) {
        bool known = false;
        for (const char* k : allowed) known = known || item.key() == k;
        if (!known) throw std::runtime_error(path + ": unknown key \"" + item.key() + "\"");
    }
}

Record readRecord(const std::string& kind, const json& e, const std::string& path, CString& series)
{
    if (kind == "concrete") {
        checkKeys(e, {"name", "label", "aliases", "fck", "fcd", "ftk", "ftd", "Ec"}, path);
        return tagQM_CONCRETE{field<double>(e, "fck", path), field<double>(e, "fcd", path),
                              field<double>(e, "ftk", path), field<double>(e, "ftd", path),
                              field<double>(e, "Ec", path)};
    }
    if (kind == "tendons") {
        checkKeys(e, {"name", "label", "aliases", "fpk", "area", "diameter", "Ep", "unitWeight"}, path);
        return tagQM_TENDON{field<double>(e, "fpk", path), field<double>(e, "area", path),
                            field<double>(e, "diameter", path), field<double>(e, "Ep", path),
                            field<double>(e, "unitWeight", path)};
    }
    if (kind == "jacks") {
        checkKeys(e, {"name", "label", "aliases", "series", "diameter", "minDistance", "length", "workingLength"},
                  path);
        series = field<std::string>(e, "series", path);
        return tagQM_JACK{series, field<int>(e, "diameter", path), field<int>(e, "minDistance", path),
                          field<int>(e, "length", path), field<int>(e, "workingLength", path)};
    }
    if (kind == "ducts") {
        checkKeys(e, {"name", "label", "aliases", "series", "kind", "material", "outerHeight", "innerHeight",
                      "outerWidth", "innerWidth", "outerDiameter", "innerDiameter"},
                  path);
        series = field<std::string>(e, "series", path);
        return tagQM_CORRUGATEDPIPE{series,
                                    field<int>(e, "kind", path),
                                    field<int>(e, "material", path),
                                    field<int>(e, "outerHeight", path),
                                    field<int>(e, "innerHeight", path),
                                    field<int>(e, "outerWidth", path),
                                    field<int>(e, "innerWidth", path),
                                    field<int>(e, "outerDiameter", path),
                                    field<int>(e, "innerDiameter", path)};
    }
    if (kind == "anchors") {
        checkKeys(e, {"name", "label", "aliases", "series", "type", "width", "height", "headWidth", "headHeight",
                      "spiralDiameter",
                      "capThickness", "spiralBarDiameter", "spiralPitch", "spiralLength",
                      "spiralText"},
                  path);
        series = field<std::string>(e, "series", path);
        return tagQM_ANCHOR{series,
                            field<int>(e, "type", path),
                            field<int>(e, "width", path),
                            field<int>(e, "height", path),
                            field<int>(e, "headWidth", path),
                            field<int>(e, "headHeight", path),
                            field<int>(e, "spiralDiameter", path),
                            field<int>(e, "capThickness", path),
                            field<int>(e, "spiralBarDiameter", path),
                            field<double>(e, "spiralPitch", path),
                            field<int>(e, "spiralLength", path),
                            CString(field<std::string>(e, "spiralText", path))};
    }
    checkKeys(e, {"name", "label", "aliases", "shape", "a", "b", "diameter", "height"}, path);
    return tagQM_BEARING{field<int>(e, "shape", path), field<int>(e, "a", path), field<int>(e, "b", path),
                         field<int>(e, "diameter", path), field<int>(e, "height", path)};
}

void addName(Catalog& catalog, const std::string& name, unsigned id, const std::string& path)
{
    if (name.empty()) throw std::runtime_error(path + ": empty name");
    const auto [it, inserted] = catalog.ids.emplace(name, id);
    if (!inserted && it->second != id) throw std::runtime_error(path + ": name \"" + name + "\" is used twice");
}

void load(Catalog& catalog, const std::string& path)
{
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read the material catalogue " + path);
    json doc;
    try {
        doc = json::parse(in);
    } catch (const json::parse_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
    if (!doc.is_object()) throw std::runtime_error(path + ": expected an object");
    static const char* kinds[] = {"concrete", "tendons", "jacks", "ducts", "anchors", "bearings"};
    for (const auto& item : doc.items()) {
        bool known = item.key() == "standards";
        for (const char* k : kinds) known = known || item.key() == k;
        if (!known) throw std::runtime_error(path + ": unknown key \"" + item.key() + "\"");
    }
    for (const char* kind : kinds) {
        if (!doc.contains(kind)) continue;
        const json& list = doc.at(kind);
        if (!list.is_array()) throw std::runtime_error(path + ": \"" + kind + "\" must be a list");
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string where = std::string(kind) + "[" + std::to_string(i) + "]";
            const json& e = list[i];
            Entry entry;
            entry.record = readRecord(kind, e, where, entry.series);
            entry.name = field<std::string>(e, "name", where);
            entry.label = e.contains("label") ? CString(field<std::string>(e, "label", where)) : entry.name;
            const auto id = static_cast<unsigned>(catalog.entries.size() + 1);
            addName(catalog, entry.name.str(), id, where);
            addName(catalog, entry.label.str(), id, where);
            if (e.contains("aliases"))
                for (const auto& alias : field<std::vector<std::string>>(e, "aliases", where))
                    addName(catalog, alias, id, where);
            catalog.entries.push_back(std::move(entry));
        }
    }
}

const Catalog& catalog()
{
    static const Catalog instance = [] {
        Catalog c;
        const char* dir = std::getenv("PM001_DATA_DIR");
        const std::string path = std::string(dir && *dir ? dir : PM001_DATA_DIR) + "/material_catalog.json";
        try {
            load(c, path);
        } catch (const std::exception& e) {
            c = Catalog{};
            c.error = e.what();
        }
        return c;
    }();
    return instance;
}

const Entry* byId(unsigned id)
{
    const auto& entries = catalog().entries;
    return id >= 1 && id <= entries.size() ? &entries[id - 1] : nullptr;
}

const Entry* byName(const CString& name)
{
    const auto& ids = catalog().ids;
    const auto it = ids.find(name.str());
    return it == ids.end() ? nullptr : byId(it->second);
}

template <class T>
const T* recordByName(const CString& name)
{
    const Entry* e = byName(name);
    return e ? std::get_if<T>(&e->record) : nullptr;
}

template <class T>
int recordById(unsigned id, T* out)
{
    const Entry* e = byId(id);
    const T* found = e ? std::get_if<T>(&e->record) : nullptr;
    if (out) *out = found ? *found : T{};
    return found ? 1 : 0;
}

template <class T>
bool hasSeries(const CString& series)
{
    if (series.IsEmpty()) return false;
    for (const auto& e : catalog().entries)
        if (std::holds_alternative<T>(e.record) && e.series == series) return true;
    return false;
}

} // namespace

const std::string& CatalogLoadError() { return catalog().error; }

int GetMaterialLabelFromName(const CString& name, CString& label)
{
    const Entry* e = byName(name);
    if (!e) return 0;
    label = e->label;   // a copy of the catalogue's text: safe when name and label are one object
    return 1;
}

int IsConcrete(const CString& name) { return recordByName<tagQM_CONCRETE>(name) ? 1 : 0; }
int IsTendon(const CString& name) { return recordByName<tagQM_TENDON>(name) ? 1 : 0; }
int IsBearing(const CString& name) { return recordByName<tagQM_BEARING>(name) ? 1 : 0; }
int IsCorrugatedPipeSeries(const CString& series) { return hasSeries<tagQM_CORRUGATEDPIPE>(series) ? 1 : 0; }
int IsAnchorSeries(const CString& series) { return hasSeries<tagQM_ANCHOR>(series) ? 1 : 0; }

int GetBearing(const CString& name, tagQM_BEARING* record)
{
    const tagQM_BEARING* found = recordByName<tagQM_BEARING>(name);
    if (record) *record = found ? *found : tagQM_BEARING{};
    return found ? 1 : 0;
}

unsigned GetMaterialIDFromName(const CString& name)
{
    const auto& ids = catalog().ids;
    const auto it = ids.find(name.str());
    return it == ids.end() ? 0u : it->second;
}

int GetConcrete(unsigned id, tagQM_CONCRETE* record) { return recordById(id, record); }
int GetTendon(unsigned id, tagQM_TENDON* record) { return recordById(id, record); }
int GetJack(unsigned id, tagQM_JACK* record) { return recordById(id, record); }
int GetCorrugatedPipe(unsigned id, tagQM_CORRUGATEDPIPE* record) { return recordById(id, record); }
int GetAnchor(unsigned id, tagQM_ANCHOR* record) { return recordById(id, record); }
