// The fence between the layers, from the sources and the guide: no include climbs out of its folder
// (an include path holds the layers a source sees, and a path that runs up a folder or starts at the
// root would reach past them), and the guide's layer table gives what each library really links
// and sees, as the build made them (the fence's table, cmake/layer_fence.cmake). The probes of what
// each layer and part sees are the layers.sees.* tests (tests/CMakeLists.txt). An include through a
// macro or a symbolic link in a source folder reaches past them too; no part calls what it does not see.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// The path a line includes or asks for when it climbs out of the include path, "" otherwise: one
// with a ".." step or an absolute one, or the operand of an include spelled through a macro.
std::string ClimbingInclude(const std::string& line)
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

// What a library links and also sees, and (in the guide) what it holds.
struct Row {
    std::set<std::string> links, sees;
    std::string holds;
};

// The symbols nm lists for the objects (*.o) of a folder: those they define in code or data, or,
// with referred, those they use and leave to others.
std::set<std::string> Symbols(const std::string& folder, bool referred)
{
    const std::string command = std::string(PM001_NM) + " -C " + (referred ? "--undefined-only '" : "--defined-only --extern-only '") +
                                folder + "'/*.o 2>/dev/null";
    static const std::regex defined(R"(^[0-9a-f]+ [TDBR] (.+)$)"), used(R"(^\s+U (.+)$)");
    FILE* out = popen(command.c_str(), "r");
    if (!out) return {};
    std::string listed, chunk(4096, '\0');
    for (std::size_t n; (n = std::fread(chunk.data(), 1, chunk.size(), out)) > 0;) listed.append(chunk, 0, n);
    pclose(out);
    std::set<std::string> symbols;
    std::istringstream lines(listed);
    std::smatch m;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_match(line, m, referred ? used : defined)) symbols.insert(m[1]);
    return symbols;
}

} // namespace

TEST(LayerFence, AnIncludeThatClimbsOutOfTheIncludePathIsFound)
{
    const struct {
        const char* line;
        const char* climbs;
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
    for (const auto& row : rows) EXPECT_EQ(ClimbingInclude(row.line), row.climbs) << row.line;
}

TEST(LayerFence, NoSourceIncludesOutOfItsIncludePath)
{
    std::size_t files = 0;
    for (const char* tree : {"src", "platform", "app"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/" + tree)) {
            EXPECT_FALSE(entry.is_symlink()) << entry.path().lexically_relative(kSource).string() << " is a symbolic link";
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            ++files;
            std::ifstream source(entry.path());
            int number = 0;
            for (std::string line; std::getline(source, line);) {
                ++number;
                const std::string climbs = ClimbingInclude(line);
                EXPECT_EQ(climbs, "") << entry.path().lexically_relative(kSource).string() << ':' << number;
            }
        }
    EXPECT_GT(files, 400u);
}

TEST(LayerFence, NoPartCallsWhatItDoesNotSee)
{
    // `<part>|<its objects>|<the objects of its layer it does not see>`: a function declared by hand
    // in a part links, since the layer's archive holds every part.
    std::ifstream parts(PM001_LAYER_PARTS);
    ASSERT_TRUE(parts) << PM001_LAYER_PARTS;
    int rows = 0;
    for (std::string line; std::getline(parts, line); ++rows) {
        const std::size_t first = line.find('|'), second = line.find('|', first + 1);
        ASSERT_NE(second, std::string::npos) << line;
        const std::string part = line.substr(0, first), objects = line.substr(first + 1, second - first - 1);
        const std::set<std::string> used = Symbols(objects, true);
        EXPECT_FALSE(used.empty()) << part << ": no objects in " << objects;
        std::stringstream unseen(line.substr(second + 1));
        for (std::string folder; std::getline(unseen, folder, ';');)
            for (const std::string& symbol : Symbols(folder, false))
                EXPECT_FALSE(used.contains(symbol)) << part << " calls " << symbol << ", defined in " << folder << ", which it does not see";
    }
    EXPECT_EQ(rows, 3);   // records, stirrups, skeleton
}

TEST(LayerFence, TheGuidesLayerTableIsWhatEachLibraryLinksAndSees)
{
    // What the build made: `<library>|<links>|<sees>` for each layer, part and host target.
    std::map<std::string, Row> built;
    std::ifstream made(PM001_LAYER_LINKS);
    ASSERT_TRUE(made) << PM001_LAYER_LINKS;
    for (std::string line; std::getline(made, line);) {
        const std::size_t first = line.find('|'), second = line.find('|', first + 1);
        ASSERT_NE(second, std::string::npos) << line;
        built[line.substr(0, first)] = {Names(line.substr(first + 1, second - first - 1)), Names(line.substr(second + 1)), ""};
    }

    // The guide's table, from the bottom: | layer | library | links | also sees | holds |. A library
    // links only layers of the rows above its own, and none whose row says it stands alone.
    std::ifstream guide(kSource + "/docs/developing.md");
    std::string line;
    while (std::getline(guide, line) && line != "## The layers and what each may use") {}
    const std::regex row(R"(^\| `[^`]+` \| `([^`]+)` \| ([^|]+) \| ([^|]+) \| (.*) \|$)");
    std::map<std::string, Row> documented;
    while (std::getline(guide, line) && !line.starts_with("#")) {
        std::smatch cells;
        if (!std::regex_match(line, cells, row)) continue;
        for (const std::string& link : Names(cells[2])) {
            if (!built.contains("pm001_" + link)) continue;   // a package
            const auto layer = documented.find("pm001_" + link);
            if (layer == documented.end()) ADD_FAILURE() << cells[1] << " links " << link << ", whose row is not below its own";
            else EXPECT_EQ(layer->second.holds.find("stands alone"), std::string::npos)
                     << cells[1] << " links " << link << ", which stands alone: no layer may link it";
        }
        EXPECT_TRUE(documented.emplace(cells[1], Row{Names(cells[2]), Names(cells[3]), cells[4]}).second) << cells[1];
    }

    EXPECT_GT(built.size(), 20u);
    for (const auto& [library, view] : built) {
        ASSERT_TRUE(documented.contains(library)) << library << " has no row in the guide";
        const Row& listed = documented[library];
        for (const auto& [verb, real, written] : {std::tuple{"link", view.links, listed.links}, std::tuple{"see", view.sees, listed.sees}}) {
            for (const std::string& name : real)
                EXPECT_TRUE(written.contains(name)) << library << " " << verb << "s " << name << ", which its row in the guide's table does not name";
            for (const std::string& name : written)
                EXPECT_TRUE(real.contains(name)) << library << "'s row in the guide's table names " << name << ", which it does not " << verb;
        }
    }
    for (const auto& [library, view] : documented) EXPECT_TRUE(built.contains(library)) << library << " is not built";
}
