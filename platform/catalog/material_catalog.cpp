// Look-ups by name and id in the material catalogue: the tables compiled into the program, or a
// catalogue file named through PM001_DATA_DIR, read on first use.
#include "material_catalog.h"

#include "material_catalog_reader.h"

#include <algorithm>
#include <cstdlib>
#include <exception>

namespace {

// A catalogue read at run time. Its rows point into the texts read, so it is filled in place and
// never copied or moved.
struct ReadCatalog {
    MaterialCatalogSource source;
    MaterialTableRows rows;
    MaterialTables tables;
    std::string error;

    void Read(const std::string& dir)
    {
        try {
            source = ReadMaterialCatalogFile(dir + "/material_catalog.json");
        } catch (const std::exception& e) {
            source = MaterialCatalogSource{};
            error = e.what();
        }
        rows = MakeMaterialTableRows(source);
        tables = MaterialTables{rows.entries, rows.names};
    }
};

// The catalogue file of the folder PM001_DATA_DIR names, or null when it names none.
const ReadCatalog* NamedCatalog()
{
    static const ReadCatalog* const instance = []() -> const ReadCatalog* {
        const char* dir = std::getenv("PM001_DATA_DIR");
        if (!dir || !*dir) return nullptr;
        static ReadCatalog read;
        read.Read(dir);
        return &read;
    }();
    return instance;
}

const MaterialTables& Tables()
{
    const ReadCatalog* named = NamedCatalog();
    return named ? named->tables : CompiledMaterialTables();
}

const MaterialEntry* byId(unsigned id)
{
    const auto entries = Tables().entries;
    return id >= 1 && id <= entries.size() ? &entries[id - 1] : nullptr;
}

unsigned idOf(const CString& name)
{
    const auto names = Tables().names;
    const std::string_view key = name.str();
    const auto it = std::lower_bound(names.begin(), names.end(), key,
                                     [](const MaterialName& n, std::string_view k) { return n.name < k; });
    return it != names.end() && it->name == key ? it->id : 0u;
}

const MaterialEntry* byName(const CString& name) { return byId(idOf(name)); }

// The record of an entry of the record's kind; values are in the catalogue format's field order.
template <class T>
T recordOf(const MaterialEntry& e);

int whole(double value) { return static_cast<int>(value); }

template <>
tagQM_CONCRETE recordOf(const MaterialEntry& e)
{
    const auto& v = e.values;
    return tagQM_CONCRETE{v[0], v[1], v[2], v[3], v[4]};
}

template <>
tagQM_TENDON recordOf(const MaterialEntry& e)
{
    const auto& v = e.values;
    return tagQM_TENDON{v[0], v[1], v[2], v[3], v[4]};
}

template <>
tagQM_JACK recordOf(const MaterialEntry& e)
{
    const auto& v = e.values;
    return tagQM_JACK{CString(e.series), whole(v[0]), whole(v[1]), whole(v[2]), whole(v[3])};
}

template <>
tagQM_CORRUGATEDPIPE recordOf(const MaterialEntry& e)
{
    const auto& v = e.values;
    return tagQM_CORRUGATEDPIPE{CString(e.series), whole(v[0]), whole(v[1]), whole(v[2]), whole(v[3]),
                                whole(v[4]), whole(v[5]), whole(v[6]), whole(v[7])};
}

template <>
tagQM_ANCHOR recordOf(const MaterialEntry& e)
{
    const auto& v = e.values;
    return tagQM_ANCHOR{CString(e.series), whole(v[0]), whole(v[1]), whole(v[2]), whole(v[3]), whole(v[4]),
                        whole(v[5]),       whole(v[6]), whole(v[7]), v[8],        whole(v[9]), CString(e.text)};
}

template <>
tagQM_BEARING recordOf(const MaterialEntry& e)
{
    const auto& v = e.values;
    return tagQM_BEARING{whole(v[0]), whole(v[1]), whole(v[2]), whole(v[3]), whole(v[4])};
}

template <class T>
constexpr MaterialKind kindOf();
template <> constexpr MaterialKind kindOf<tagQM_CONCRETE>() { return MaterialKind::Concrete; }
template <> constexpr MaterialKind kindOf<tagQM_TENDON>() { return MaterialKind::Tendon; }
template <> constexpr MaterialKind kindOf<tagQM_JACK>() { return MaterialKind::Jack; }
template <> constexpr MaterialKind kindOf<tagQM_CORRUGATEDPIPE>() { return MaterialKind::Duct; }
template <> constexpr MaterialKind kindOf<tagQM_ANCHOR>() { return MaterialKind::Anchor; }
template <> constexpr MaterialKind kindOf<tagQM_BEARING>() { return MaterialKind::Bearing; }

bool isKind(const MaterialEntry* e, MaterialKind kind) { return e && e->kind == kind; }

// Fills out with the record of entry e when it is of the record's kind, else with a default record.
template <class T>
int fillRecord(const MaterialEntry* e, T* out)
{
    const bool found = isKind(e, kindOf<T>());
    if (out) *out = found ? recordOf<T>(*e) : T{};
    return found ? 1 : 0;
}

bool hasSeries(MaterialKind kind, const CString& series)
{
    if (series.IsEmpty()) return false;
    const auto entries = Tables().entries;
    return std::any_of(entries.begin(), entries.end(),
                       [&](const MaterialEntry& e) { return e.kind == kind && e.series == series.str(); });
}

} // namespace

const std::string& CatalogLoadError()
{
    static const std::string none;
    const ReadCatalog* named = NamedCatalog();
    return named ? named->error : none;
}

int GetMaterialLabelFromName(const CString& name, CString& label)
{
    const MaterialEntry* e = byName(name);
    if (!e) return 0;
    label = CString(e->label);   // a copy of the catalogue's text: safe when name and label are one object
    return 1;
}

int IsConcrete(const CString& name) { return isKind(byName(name), MaterialKind::Concrete) ? 1 : 0; }
int IsTendon(const CString& name) { return isKind(byName(name), MaterialKind::Tendon) ? 1 : 0; }
int IsBearing(const CString& name) { return isKind(byName(name), MaterialKind::Bearing) ? 1 : 0; }
int IsCorrugatedPipeSeries(const CString& series) { return hasSeries(MaterialKind::Duct, series) ? 1 : 0; }
int IsAnchorSeries(const CString& series) { return hasSeries(MaterialKind::Anchor, series) ? 1 : 0; }

int GetBearing(const CString& name, tagQM_BEARING* record) { return fillRecord(byName(name), record); }

unsigned GetMaterialIDFromName(const CString& name) { return idOf(name); }

int GetConcrete(unsigned id, tagQM_CONCRETE* record) { return fillRecord(byId(id), record); }
int GetTendon(unsigned id, tagQM_TENDON* record) { return fillRecord(byId(id), record); }
int GetJack(unsigned id, tagQM_JACK* record) { return fillRecord(byId(id), record); }
int GetCorrugatedPipe(unsigned id, tagQM_CORRUGATEDPIPE* record) { return fillRecord(byId(id), record); }
int GetAnchor(unsigned id, tagQM_ANCHOR* record) { return fillRecord(byId(id), record); }
