// Build step: turns material_catalog.json into the C++ source of the constant catalogue tables.
//
//   generate_material_catalog <material_catalog.json> <output.cpp>
//
// The catalogue is checked exactly as a catalogue read at run time would be; a catalogue with a
// fault stops the build with the reader's message.
#include "catalog/material_catalog_reader.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// A C++ string literal of the bytes: printable ASCII as it is, every other byte as an octal
// escape (at most three digits, so a following digit cannot join it).
std::string Literal(std::string_view text)
{
    std::string out = "std::string_view{\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\' && c != '?') {
            out += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        }
    }
    return out + "\", " + std::to_string(text.size()) + "}";
}

// A real that reads back to the same bits.
std::string Real(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

const char* KindName(MaterialKind kind)
{
    switch (kind) {
    case MaterialKind::Concrete: return "MaterialKind::Concrete";
    case MaterialKind::Tendon: return "MaterialKind::Tendon";
    case MaterialKind::Jack: return "MaterialKind::Jack";
    case MaterialKind::Duct: return "MaterialKind::Duct";
    case MaterialKind::Anchor: return "MaterialKind::Anchor";
    case MaterialKind::Bearing: return "MaterialKind::Bearing";
    }
    return "";
}

std::string Source(const MaterialCatalogSource& catalog, const std::string& from)
{
    std::ostringstream out;
    out << "// Generated from " << from << " by generate_material_catalog; do not edit.\n"
        << "#include \"catalog/material_tables.h\"\n\nnamespace {\n\n"
        << "constinit const MaterialEntry kEntries[] = {\n";
    for (const MaterialSource& e : catalog.entries) {
        out << "    {" << KindName(e.kind) << ", " << Literal(e.name) << ", " << Literal(e.label) << ", "
            << Literal(e.series) << ", " << Literal(e.text) << ", {";
        for (std::size_t i = 0; i < e.values.size(); ++i) out << (i ? ", " : "") << Real(e.values[i]);
        out << "}},\n";
    }
    out << "};\n\nconstinit const MaterialName kNames[] = {\n";
    for (const auto& [name, id] : catalog.ids) out << "    {" << Literal(name) << ", " << id << "},\n";
    out << "};\n\nconstinit const MaterialTables kTables{kEntries, kNames};\n\n} // namespace\n\n"
        << "const MaterialTables& CompiledMaterialTables() { return kTables; }\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: generate_material_catalog <material_catalog.json> <output.cpp>\n");
        return 2;
    }
    try {
        const MaterialCatalogSource catalog = ReadMaterialCatalogFile(argv[1]);
        if (catalog.entries.empty()) throw std::runtime_error(std::string(argv[1]) + ": holds no material");
        const std::string text = Source(catalog, "data/material_catalog.json");
        const std::string temporary = std::string(argv[2]) + ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << text;
            if (!out.flush()) throw std::runtime_error("cannot write " + temporary);
        }
        if (std::rename(temporary.c_str(), argv[2]) != 0) throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generate_material_catalog: %s\n", e.what());
        return 1;
    }
    return 0;
}
