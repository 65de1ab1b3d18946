// Reading catalogue text: the checks that stop a faulty catalogue, ids and names, and the compiled tables.
#include "catalog/material_catalog_reader.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

std::string ReadError(const std::string& text)
{
    try {
        ReadMaterialCatalog(text, "cat.json");
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

struct FaultCase {
    std::string text;
    std::string message;
};

class CatalogFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CatalogFaults, AreRefusedWithWhereAndWhat)
{
    EXPECT_EQ(ReadError(GetParam().text), GetParam().message);
}

// A rectangular bearing; its b, written 400.0, is the whole number it is, as a key file's 3.0 is.
constexpr const char* kBearing = R"("shape": 0, "a": 300, "b": 400.0, "diameter": 0, "height": 52)";

INSTANTIATE_TEST_SUITE_P(
    Catalogue, CatalogFaults,
    ::testing::Values(
        FaultCase{"[]", "cat.json: expected an object"},
        FaultCase{R"({"pipes": []})", "cat.json: unknown key \"pipes\""},
        FaultCase{R"({"bearings": {}})", "cat.json: \"bearings\" must be a list"},
        FaultCase{R"({"bearings": [3]})", "cat.json: bearings[0]: expected an object"},
        FaultCase{R"({"bearings": [{"name": "B", "shape": 0, "a": 1, "b": 1, "diameter": 0}]})",
                  "cat.json: bearings[0]: missing \"height\""},
        FaultCase{R"({"bearings": [{"name": "B", "shape": "0", "a": 1, "b": 1, "diameter": 0, "height": 1}]})",
                  "cat.json: bearings[0].shape: expected an integer"},
        // A whole-number field is read as the key files read one: a fraction is not cut down to a whole
        // number, nor a number past the int's range wrapped round to another (4294967296 would be 0).
        FaultCase{R"({"bearings": [{"name": "B", "shape": 0, "a": 300.5, "b": 1, "diameter": 0, "height": 1}]})",
                  "cat.json: bearings[0].a: expected an integer"},
        FaultCase{R"({"jacks": [{"name": "J", "series": "S", "diameter": 4294967296, "minDistance": 1, "length": 1,
                                 "workingLength": 1}]})",
                  "cat.json: jacks[0].diameter: expected an integer from -2147483648 to 2147483647"},
        FaultCase{R"({"ducts": [{"name": "D", "series": "S", "kind": 0, "material": 0, "outerHeight": 1, "innerHeight": 1,
                                 "outerWidth": 1, "innerWidth": 1, "outerDiameter": 1e300, "innerDiameter": 1}]})",
                  "cat.json: ducts[0].outerDiameter: expected an integer from -2147483648 to 2147483647"},
        // A size is at least 1 mm; one a shape does not have is 0 or a size; a code of two states 0 or 1.
        FaultCase{R"({"bearings": [{"name": "B", "shape": 0, "a": -1, "b": 1, "diameter": 0, "height": 1}]})",
                  "cat.json: bearings[0].a: expected a size of at least 1 mm (-1 given)"},
        FaultCase{R"({"bearings": [{"name": "B", "shape": 3, "a": 1, "b": 1, "diameter": 0, "height": 0}]})",
                  "cat.json: bearings[0].height: expected a size of at least 1 mm (0 given)"},
        FaultCase{R"({"bearings": [{"name": "B", "shape": 1, "a": 0, "b": 0, "diameter": 0, "height": 1}]})",
                  "cat.json: bearings[0].diameter: expected a size of at least 1 mm (0 given)"},
        FaultCase{R"({"bearings": [{"name": "B", "shape": 1, "a": -1, "b": 0, "diameter": 1, "height": 1}]})",
                  "cat.json: bearings[0].a: expected 0 or a size of at least 1 mm (-1 given)"},
        FaultCase{R"({"ducts": [{"name": "D", "series": "S", "kind": 1, "material": 1, "outerHeight": 1, "innerHeight": 1,
                                 "outerWidth": 1, "innerWidth": 0, "outerDiameter": 0, "innerDiameter": 0}]})",
                  "cat.json: ducts[0].innerWidth: expected a size of at least 1 mm (0 given)"},
        FaultCase{R"({"ducts": [{"name": "D", "series": "S", "kind": 2, "material": 0, "outerHeight": 0, "innerHeight": 0,
                                 "outerWidth": 0, "innerWidth": 0, "outerDiameter": 1, "innerDiameter": 1}]})",
                  "cat.json: ducts[0].kind: expected 0 or 1 (2 given)"},
        FaultCase{R"({"jacks": [{"name": "J", "series": "S", "diameter": 1, "minDistance": 0, "length": 1,
                                 "workingLength": 1}]})",
                  "cat.json: jacks[0].minDistance: expected a size of at least 1 mm (0 given)"},
        FaultCase{R"({"ducts": [{"name": "D", "series": "S", "kind": 0, "material": -2147483649, "outerHeight": 1,
                                 "innerHeight": 1, "outerWidth": 1, "innerWidth": 1, "outerDiameter": 1, "innerDiameter": 1}]})",
                  "cat.json: ducts[0].material: expected an integer from -2147483648 to 2147483647"},
        FaultCase{R"({"bearings": [{"name": "B", "zz": 1}]})", "cat.json: bearings[0]: unknown key \"zz\""},
        FaultCase{R"({"concrete": [{"fck": 1, "fcd": 1, "ftk": 1, "ftd": 1, "Ec": 1}]})",
                  "cat.json: concrete[0]: missing \"name\""},
        FaultCase{R"({"concrete": [{"name": "", "fck": 1, "fcd": 1, "ftk": 1, "ftd": 1, "Ec": 1}]})",
                  "cat.json: concrete[0]: empty name"},
        FaultCase{R"({"concrete": [{"name": "C30", "fck": 1, "fcd": 1, "ftk": 1, "ftd": 1, "Ec": 1}],
                      "jacks": [{"name": "J", "aliases": ["C30"], "series": "S", "diameter": 1,
                                 "minDistance": 1, "length": 1, "workingLength": 1}]})",
                  "cat.json: jacks[0]: name \"C30\" is used twice"},
        // What the parser would not see: the text after a NUL byte, and nesting deep enough to exhaust
        // the stack when the document is copied (a later key makes the parser copy it).
        FaultCase{std::string("{}") + '\0' + R"({"pipes": []})",
                  "cat.json: line 1, column 3: not valid JSON: syntax error while parsing value - a NUL byte after the "
                  "document; expected end of input"},
        FaultCase{R"({"pipes":)" + std::string(64, '[') + std::string(64, ']') + "}",
                  "cat.json: pipes" + [] { std::string at; for (int i = 0; i < 63; ++i) at += "[0]"; return at; }() +
                      ": objects and lists nested more than 64 deep"},
        FaultCase{R"({"pipes":)" + std::string(63, '[') + std::string(63, ']') + "}", "cat.json: unknown key \"pipes\""},
        // Read as the project file is read: a list given twice would drop the first one unseen; a
        // text or key holding a NUL would be cut short; a number too large and text after the
        // document are named by their place.
        FaultCase{R"({"concrete": [], "bearings": [], "concrete": []})", "cat.json: concrete: key given twice"},
        FaultCase{std::string(R"({"bearings": [{"name": "B\u0000x", )") + kBearing + "}]}",
                  "cat.json: bearings[0].name: expected a text without a NUL character (\\u0000)"},
        FaultCase{std::string(R"({"bearings": [{"name": "B", "aliases": ["b", "\u0000"], )") + kBearing + "}]}",
                  "cat.json: bearings[0].aliases: expected a text without a NUL character (\\u0000)"},
        FaultCase{R"({"bearings": [{"name": "B", "a\u0000b": 1}]})", "cat.json: bearings[0]: unknown key \"a\\u0000b\""},
        FaultCase{R"({"bearings": [{"name": "B", "height": 1e400}]})",
                  "cat.json: bearings[0].height: number out of range: number overflow parsing '1e400'"},
        FaultCase{"{} x", "cat.json: line 1, column 4: not valid JSON: syntax error while parsing value - invalid literal; "
                          "last read: '{} x'; expected end of input"}));

// The catalogue file is read as the project file is: what is not a regular file is refused at once,
// not waited on (a FIFO) nor read without end (a device), and so is a file larger than 16 MiB.
TEST(CatalogReader, OnlyARegularFileWithinTheSizeLimitIsRead)
{
    const TempFolder scratch("pm001_catalog_file_test");
    const std::string fifo = scratch.path() / "fifo.json";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = scratch.path() / "zero.json";
    std::filesystem::create_symlink("/dev/zero", zero);
    const std::string large = scratch.path() / "large.json";
    std::string text = "{}";
    text.resize((16u << 20) + 1, ' ');
    std::ofstream(large, std::ios::binary) << text;
    const std::string missing = scratch.path() / "none.json";
    const struct { std::string path; std::string error; } cases[] = {
        {fifo, fifo + ": not a regular file"},
        {zero, zero + ": not a regular file"},
        {scratch.path().string(), scratch.path().string() + ": not a regular file"},
        {large, large + ": larger than 16 MiB"},
        {missing, missing + ": cannot open the material catalogue: " + std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        try {
            ReadMaterialCatalogFile(c.path);
            ADD_FAILURE() << c.path << " read";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), c.error);
        }
    }
    text.resize(16u << 20);   // at the limit: read
    std::ofstream(large, std::ios::binary | std::ios::trunc) << text;
    EXPECT_TRUE(ReadMaterialCatalogFile(large).entries.empty());
}

TEST(CatalogReader, IdsFollowTheListOrderNotTheFileOrder)
{
    const auto catalog = ReadMaterialCatalog(
        std::string(R"({"bearings": [{"name": "B1", "label": "L1", "aliases": ["b1"], )") + kBearing +
            R"(}], "concrete": [{"name": "C30", "fck": 20.1, "fcd": 13.8, "ftk": 2.01, "ftd": 1.39, "Ec": 30000}]})",
        "cat.json");
    ASSERT_EQ(catalog.entries.size(), 2u);
    EXPECT_EQ(catalog.entries[0].name, "C30");
    EXPECT_EQ(catalog.entries[0].label, "C30");   // the label defaults to the name
    EXPECT_EQ(catalog.entries[1].kind, MaterialKind::Bearing);
    EXPECT_EQ(catalog.entries[1].values[2], 400.0);   // b, the third field of a bearing
    EXPECT_EQ(catalog.ids, (std::map<std::string, unsigned>{{"B1", 2}, {"C30", 1}, {"L1", 2}, {"b1", 2}}));

    const MaterialTableRows rows = MakeMaterialTableRows(catalog);
    ASSERT_EQ(rows.names.size(), 4u);
    EXPECT_EQ(rows.names[0].name, "B1");
    EXPECT_EQ(rows.names[3].name, "b1");   // byte order: capitals first
    EXPECT_EQ(rows.entries[1].label, "L1");
}

// The tables compiled into the program hold what the catalogue file holds, entry for entry.
TEST(CompiledCatalogue, MatchesTheCatalogueFile)
{
    const auto source = ReadMaterialCatalogFile(PM001_SOURCE_DIR "/data/material_catalog.json");
    const MaterialTables& compiled = CompiledMaterialTables();
    ASSERT_EQ(compiled.entries.size(), source.entries.size());
    for (std::size_t i = 0; i < source.entries.size(); ++i) {
        const MaterialEntry& c = compiled.entries[i];
        const MaterialSource& s = source.entries[i];
        EXPECT_EQ(c.kind, s.kind) << i;
        EXPECT_EQ(c.name, s.name) << i;
        EXPECT_EQ(c.label, s.label) << i;
        EXPECT_EQ(c.series, s.series) << i;
        EXPECT_EQ(c.text, s.text) << i;
        EXPECT_EQ(c.values, s.values) << s.name;
    }
    ASSERT_EQ(compiled.names.size(), source.ids.size());
    std::size_t i = 0;
    for (const auto& [name, id] : source.ids) {
        EXPECT_EQ(compiled.names[i].name, name);
        EXPECT_EQ(compiled.names[i].id, id) << name;
        ++i;
    }
}

} // namespace
