// The fence between the layers, from the sources, the objects and the guide: no include leaves its
// include path (an include path holds the layers a source sees, and a path that runs up a folder or
// starts at the root, an include spelled through a macro or a symbolic link in a source folder would
// reach past them), no part of a layer calls what it does not see, and the guide's layer table gives
// what each library really links and sees, as the build made them (the fence's table,
// cmake/layer_fence.cmake), in an order no link runs up. The probes of what each layer and part sees
// are the layers.sees.* tests (tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// What a line includes or asks for when it leaves the include path, "" otherwise: a path with a
// ".." step or an absolute one, or the operand of an include spelled through a macro (which names
// whatever the macro holds).
std::string IncludeOutOfPath(const std::string& line)
{
    static const std::regex directive(R"(^\s*(#|%:)\s*(include|include_next|import)\b\s*(.*)$)");
    static const std::regex literal(R"(^[<"]([^>"]*)[>"])");
    static const std::regex asked(R"(__has_include(_next)?\s*\(\s*[<"]([^>"]*)[>"])");
    static const std::regex climbs(R"((^/|(^|/)\.\.(/|$)))");
    std::smatch m, path;
    if (std::regex_search(line, m, directive)) {
        const std::string operand = m[3];
        if (!std::regex_search(operand, path, literal)) return operand;
        return std::regex_search(path[1].str(), climbs) ? path[1].str() : "";
    }
    if (std::regex_search(line, m, asked) && std::regex_search(m[2].str(), climbs)) return m[2];
    return "";
}

// A cell "a, b" of links or of what a library sees, as its names; "nothing", "—" and "" name none.
std::set<std::string> Names(std::string cell)
{
    cell = std::regex_replace(cell, std::regex("`"), "");
    std::set<std::string> names;
    std::stringstream in(cell);
    for (std::string name; std::getline(in, name, ',');) {
        name = std::regex_replace(name, std::regex(R"(^\s+|\s+$)"), "");
        if (!name.empty() && name != "nothing" && name != "—") names.insert(name);
    }
    return names;
}

// One library's row: what it links and what it also sees, and (in the guide) what it holds.
struct Row {
    std::string library;
    std::set<std::string> links, sees;
    std::string holds;
};

// What the build made: `<library>|<links>|<sees>` for each layer, part and host target.
std::map<std::string, Row> BuiltRows()
{
    std::map<std::string, Row> built;
    std::ifstream made(PM001_LAYER_LINKS);
    EXPECT_TRUE(made) << PM001_LAYER_LINKS;
    for (std::string line; std::getline(made, line);) {
        const std::size_t first = line.find('|'), second = line.find('|', first + 1);
        EXPECT_NE(second, std::string::npos) << line;
        if (second == std::string::npos) continue;
        const std::string library = line.substr(0, first);
        built[library] = {library, Names(line.substr(first + 1, second - first - 1)), Names(line.substr(second + 1)), ""};
    }
    return built;
}

// The guide's table, from the bottom: | layer | library | links | also sees | holds |.
std::vector<Row> GuideRows()
{
    std::ifstream guide(kSource + "/docs/developing.md");
    std::string line;
    while (std::getline(guide, line) && line != "## The layers and what each may use") {}
    const std::regex row(R"(^\| `[^`]+` \| `([^`]+)` \| ([^|]+) \| ([^|]+) \| (.*) \|$)");
    std::vector<Row> rows;
    while (std::getline(guide, line) && !line.starts_with("#")) {
        std::smatch cells;
        if (std::regex_match(line, cells, row)) rows.push_back({cells[1], Names(cells[2]), Names(cells[3]), cells[4]});
    }
    return rows;
}

// The symbols of the objects (*.o) of a folder that nm lists: those they define in code or data,
// or, with referred, those they use and leave to others.
std::set<std::string> Symbols(const std::string& folder, bool referred)
{
    const std::string command = std::string(PM001_NM) + " -C " + (referred ? "--undefined-only " : "--defined-only --extern-only ") +
                                "'" + folder + "'/*.o 2>/dev/null";
    static const std::regex defined(R"(^[0-9a-f]+ [TDBR] (.+)$)"), used(R"(^\s+U (.+)$)");
    std::set<std::string> symbols;
    FILE* out = popen(command.c_str(), "r");
    if (!out) return symbols;
    std::string line;
    for (int c; (c = std::fgetc(out)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        std::smatch m;
        if (std::regex_match(line, m, referred ? used : defined)) symbols.insert(m[1]);
        line.clear();
    }
    pclose(out);
    return symbols;
}

} // namespace

TEST(LayerFence, AnIncludeThatLeavesTheIncludePathIsFound)
{
    const struct {
        const char* line;
        const char* leaves;
    } rows[] = {
        {R"(#include "../skeleton/frames.h")", "../skeleton/frames.h"},
        {R"(  #  include "capbeam/../module/pier_component.h" // x)", "capbeam/../module/pier_component.h"},
        {R"(#include <../capbeam/cap_beam_reinforcement.h>)", "../capbeam/cap_beam_reinforcement.h"},
        {R"(#include "stirrups/..")", "stirrups/.."},
        {R"(#include_next "/work/src/module/module_entry.h")", "/work/src/module/module_entry.h"},
        {R"(#if __has_include("../capbeam/records/bar.h"))", "../capbeam/records/bar.h"},
        {R"(#include "calc/pm001_calc.h")", ""},
        {R"(#include "capbeam/records/bar..h")", ""},
        {R"(#include PM001_PEEK)", "PM001_PEEK"},
        {R"(#include \)", "\\"},
        {R"(%:include "../skeleton/frames.h")", "../skeleton/frames.h"},
        {R"(// #include "../skeleton/frames.h")", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(IncludeOutOfPath(row.line), row.leaves) << row.line;
}

TEST(LayerFence, NoSourceIncludesOutOfItsIncludePath)
{
    std::size_t files = 0;
    for (const char* tree : {"src", "platform", "app"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/" + tree)) {
            // A link in a source folder hands its folder's sources a header of another folder.
            EXPECT_FALSE(entry.is_symlink()) << entry.path().lexically_relative(kSource).string() << " is a symbolic link";
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            ++files;
            std::ifstream source(entry.path());
            int number = 0;
            for (std::string line; std::getline(source, line);) {
                ++number;
                EXPECT_EQ(IncludeOutOfPath(line), "") << entry.path().lexically_relative(kSource).string() << ':' << number;
            }
        }
    EXPECT_GT(files, 400u);
}

TEST(LayerFence, NoPartCallsWhatItDoesNotSee)
{
    // `<part>|<its objects>|<the objects of its layer it does not see>`, from the fence's table: a
    // function declared by hand in a part links, since the layer's archive holds every part.
    std::ifstream parts(PM001_LAYER_PARTS);
    ASSERT_TRUE(parts) << PM001_LAYER_PARTS;
    int rows = 0;
    for (std::string line; std::getline(parts, line); ++rows) {
        const std::size_t first = line.find('|'), second = line.find('|', first + 1);
        ASSERT_NE(second, std::string::npos) << line;
        const std::string part = line.substr(0, first);
        const std::set<std::string> used = Symbols(line.substr(first + 1, second - first - 1), true);
        EXPECT_FALSE(used.empty()) << part << ": no objects in " << line.substr(first + 1, second - first - 1);
        std::stringstream unseen(line.substr(second + 1));
        for (std::string folder; std::getline(unseen, folder, ';');)
            for (const std::string& symbol : Symbols(folder, false))
                EXPECT_FALSE(used.contains(symbol)) << part << " calls " << symbol << ", defined in " << folder << ", which it does not see";
    }
    EXPECT_EQ(rows, 3);   // records, stirrups, skeleton
}

TEST(LayerFence, TheGuidesLayerTableIsWhatEachLibraryLinksAndSees)
{
    const std::map<std::string, Row> built = BuiltRows();
    std::map<std::string, Row> documented;
    for (const Row& row : GuideRows()) EXPECT_TRUE(documented.emplace(row.library, row).second) << row.library;

    // Each difference named: a link or a folder added to a declaration and not to its row, or the reverse.
    const auto differences = [](const std::string& library, const std::string& verb, const std::set<std::string>& made,
                                const std::set<std::string>& written) {
        for (const std::string& name : made)
            EXPECT_TRUE(written.contains(name)) << library << " " << verb << "s " << name << ", which its row in the guide's table does not name";
        for (const std::string& name : written)
            EXPECT_TRUE(made.contains(name)) << library << "'s row in the guide's table names " << name << ", which it does not " << verb;
    };
    EXPECT_GT(built.size(), 20u);
    for (const auto& [library, row] : built) {
        ASSERT_TRUE(documented.contains(library)) << library << " has no row in the guide";
        differences(library, "link", row.links, documented[library].links);
        differences(library, "see", row.sees, documented[library].sees);
    }
    for (const auto& [library, row] : documented) EXPECT_TRUE(built.contains(library)) << library << " is not built";
}

TEST(LayerFence, NoLibraryLinksALayerAboveItOrOneThatStandsAlone)
{
    // The guide's table runs from the bottom: a library links only layers of the rows above its
    // own, and none links a layer whose row says it stands alone.
    const std::vector<Row> rows = GuideRows();
    std::map<std::string, std::size_t> position;
    for (std::size_t i = 0; i < rows.size(); ++i) position.emplace(rows[i].library, i);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (const std::string& link : rows[i].links) {
            const auto layer = position.find("pm001_" + link);
            if (layer == position.end()) continue;   // a package
            EXPECT_LT(layer->second, i) << rows[i].library << " links " << link << ", whose row is not below its own";
            EXPECT_EQ(rows[layer->second].holds.find("stands alone"), std::string::npos)
                << rows[i].library << " links " << link << ", which stands alone: no layer may link it";
        }
    EXPECT_GT(rows.size(), 20u);
}
