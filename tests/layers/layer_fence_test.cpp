// The fence between the layers, from the sources and the guide: no include climbs out of its folder
// (an include path holds the layers a source sees, and a path that runs up a folder or starts at the
// root would reach past them), and the guide's layer table gives what each library really links
// and sees, as the build made them (the fence's table, cmake/layer_fence.cmake). The probes of what
// each layer and part sees are the layers.sees.* tests (tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// The path a line includes or asks for when it climbs out of the include path, "" otherwise: one
// with a ".." step or an absolute one.
std::string ClimbingInclude(const std::string& line)
{
    static const std::regex directive(R"(^\s*#\s*(include|include_next|import)\s*[<"]([^>"]*)[>"])");
    static const std::regex asked(R"(__has_include(_next)?\s*\(\s*[<"]([^>"]*)[>"])");
    static const std::regex climbs(R"((^/|(^|/)\.\.(/|$)))");
    std::smatch m;
    if (std::regex_search(line, m, directive) || std::regex_search(line, m, asked)) {
        const std::string path = m[2];
        if (std::regex_search(path, climbs)) return path;
    }
    return "";
}

// A cell "a, b" of links or of what a library sees, as "a b" in name order; "nothing", "—" and ""
// name none.
std::string Names(std::string cell)
{
    cell = std::regex_replace(cell, std::regex("`"), "");
    std::set<std::string> names;
    std::stringstream in(cell);
    for (std::string name; std::getline(in, name, ',');) {
        name = std::regex_replace(name, std::regex(R"(^\s+|\s+$)"), "");
        if (!name.empty() && name != "nothing" && name != "—") names.insert(name);
    }
    std::string joined;
    for (const auto& name : names) joined += (joined.empty() ? "" : " ") + name;
    return joined;
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
        {R"(// #include "../skeleton/frames.h")", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(ClimbingInclude(row.line), row.climbs) << row.line;
}

TEST(LayerFence, NoSourceIncludesOutOfItsIncludePath)
{
    std::size_t files = 0;
    for (const char* tree : {"src", "platform", "app"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/" + tree)) {
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

TEST(LayerFence, TheGuidesLayerTableIsWhatEachLibraryLinksAndSees)
{
    // What the build made: `<library>|<links>|<sees>` for each layer, part and host target.
    std::map<std::string, std::string> built;
    std::ifstream made(PM001_LAYER_LINKS);
    ASSERT_TRUE(made) << PM001_LAYER_LINKS;
    for (std::string line; std::getline(made, line);) {
        const std::size_t first = line.find('|'), second = line.find('|', first + 1);
        ASSERT_NE(second, std::string::npos) << line;
        built[line.substr(0, first)] = "links " + Names(line.substr(first + 1, second - first - 1)) + "; sees " + Names(line.substr(second + 1));
    }

    // The guide's table: | layer | library | links | also sees | holds |.
    std::ifstream guide(kSource + "/docs/developing.md");
    std::string line;
    while (std::getline(guide, line) && line != "## The layers and what each may use") {}
    const std::regex row(R"(^\| `[^`]+` \| `([^`]+)` \| ([^|]+) \| ([^|]+) \| .*\|$)");
    std::map<std::string, std::string> documented;
    while (std::getline(guide, line) && !line.starts_with("#")) {
        std::smatch cells;
        if (!std::regex_match(line, cells, row)) continue;
        EXPECT_TRUE(documented.emplace(cells[1], "links " + Names(cells[2]) + "; sees " + Names(cells[3])).second) << cells[1];
    }

    EXPECT_GT(built.size(), 20u);
    for (const auto& [library, view] : built) {
        ASSERT_TRUE(documented.contains(library)) << library << " (" << view << ") has no row in the guide";
        EXPECT_EQ(documented[library], view) << library;
    }
    for (const auto& [library, view] : documented) EXPECT_TRUE(built.contains(library)) << library << " is not built";
}
