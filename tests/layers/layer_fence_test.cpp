// The fence between the layers, from the sources, the build and the guide: each object reads only
// what its library sees (as the build recorded it); no include climbs out of its folder
// (an include path holds the layers a source sees, and a path that runs up a folder or starts at the
// root would reach past them), and the guide's layer table gives what each library really links
// and sees, as the build made them (the fence's table, cmake/layer_fence.cmake). The probes of what
// each layer and part sees are the layers.sees.* tests (tests/CMakeLists.txt). An include through a
// macro or a symbolic link in a source folder reaches past them too; no part calls what it does not see.
// A part's folder is compiled by the part alone, the module holds only the layers' and parts' objects (and its own).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kSource = PM001_SOURCE_DIR;
const std::string kNinja = std::string("'") + PM001_NINJA + "' -C '" + PM001_BINARY_DIR + "'";

// A path the build names, from the build's folder, as one from the root.
fs::path Built(const std::string& path) { return (fs::path(PM001_BINARY_DIR) / path).lexically_normal(); }

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

// The items of a list separated by <separator>, empty ones kept.
std::vector<std::string> Split(const std::string& list, char separator)
{
    std::vector<std::string> items;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, separator);) items.push_back(item);
    return items;
}

// The lines a command prints, the paths given after it.
std::vector<std::string> Lines(std::string command, const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) command += " '" + path + "'";
    FILE* out = popen(command.c_str(), "r");
    std::string listed, chunk(4096, '\0');
    for (std::size_t n; out && (n = std::fread(chunk.data(), 1, chunk.size(), out)) > 0;) listed.append(chunk, 0, n);
    if (out) pclose(out);
    return Split(listed, '\n');
}

// The symbols nm lists for objects: those they define (in code or data, weakly too: an instance of a
// template or an inline function), or, with referred, those they use and leave to others (weak ones, `w` or `v`, too).
std::set<std::string> Symbols(const std::vector<std::string>& objects, bool referred)
{
    static const std::regex defined(R"(^[0-9a-f]+ [TDBRGSCWVui] (.+)$)"), used(R"(^\s+[Uwv] (.+)$)");
    std::set<std::string> symbols;
    std::smatch m;
    const std::string command = std::string(PM001_NM) + " -C " + (referred ? "--undefined-only" : "--defined-only --extern-only") + " 2>/dev/null";
    for (const std::string& line : Lines(command, objects))
        if (std::regex_match(line, m, referred ? used : defined)) symbols.insert(m[1]);
    return symbols;
}

// A row of the objects' table (cmake/layer_fence.cmake), the entries it sees as one pattern (a folder
// ends in '/', a pattern's `*` stays within one folder); or of the modules' table (its own objects).
struct ObjectRow {
    std::string library;
    std::vector<std::string> objects;
    std::regex sees;
    std::vector<std::string> unseen;
    std::string planted, folder;
};

std::vector<ObjectRow> ObjectRows(const char* path = PM001_LAYER_OBJECTS)
{
    std::ifstream table(path);
    std::vector<ObjectRow> rows;
    for (std::string line; std::getline(table, line);) {
        std::vector<std::string> cells = Split(line, '|');
        cells.resize(6);
        std::string sees;
        for (const std::string& entry : Split(cells[2], ';'))
            sees += "|" + std::regex_replace(std::regex_replace(entry, std::regex(R"([.+?^$()|{}\[\]\\])"), R"(\$&)"), std::regex(R"(\*)"), "[^/]*") +
                    (entry.ends_with('/') ? ".*" : "");
        rows.push_back({cells[0], Split(cells[1], ';'), std::regex(sees), Split(cells[3], ';'), cells[4], cells[5]});
    }
    return rows;
}

// The files of the layers' folders a row's objects read that it does not see, each with the objects
// it went into, as Ninja's log holds them (`ninja -t deps`: `<object>: #deps …`, then each file
// indented, from the build's folder), taken through their symbolic links (an include root's link is
// the folder it stands for).
std::map<std::string, std::string> Unseen(const ObjectRow& row)
{
    static const fs::path project = fs::weakly_canonical(kSource);
    static const std::regex layers("^(platform|src|app)/.*");
    std::vector<std::string> named;
    for (const std::string& object : row.objects) named.push_back(fs::path(object).lexically_normal().lexically_relative(PM001_BINARY_DIR).string());
    std::map<std::string, std::string> found;
    std::string object;
    std::size_t records = 0;
    for (const std::string& line : Lines(kNinja + " -t deps", named)) {
        if (line.find(": #deps ") != std::string::npos) object = fs::path(line.substr(0, line.find(": #deps "))).filename().string(), ++records;
        if (!line.starts_with("    ")) continue;
        std::error_code error;
        const std::string file = fs::weakly_canonical(fs::path(PM001_BINARY_DIR) / line.substr(4), error).lexically_relative(project).string();
        if (std::regex_match(file, layers) && !std::regex_match(file, row.sees)) found[file] += " " + object;
    }
    EXPECT_EQ(records, row.objects.size()) << "the build keeps no record of what some objects of " << row.library << " read: build it first";
    return found;
}

// Each step of the build as Ninja holds it (`ninja -t compdb`), by its output: its first input and its command.
const std::map<fs::path, std::pair<fs::path, std::string>>& Steps()
{
    static std::map<fs::path, std::pair<fs::path, std::string>> steps;
    static const std::regex field(R"x(^\s*"(command|file|output)": "(.*)",?$)x");
    std::pair<fs::path, std::string> step;
    std::smatch m;
    for (const std::string& line : steps.empty() ? Lines(kNinja + " -t compdb", {}) : std::vector<std::string>{})
        if (!std::regex_match(line, m, field)) continue;
        else if (m[1] == "command") step.second = m[2];
        else if (m[1] == "file") step.first = Built(m[2]);
        else steps.emplace(Built(m[2]), step);
    return steps;
}

// The objects a library or archive is made of, as its step's command names them, an archive's read the same way; an archive
// the build does not make, or a response file (whose objects no reader of the command sees), named itself.
std::set<fs::path> Linked(const fs::path& file)
{
    static const std::regex item(R"((@|[^\s,]+\.(o|a)(?=[\s,]|$))[^\s,]*)");
    const std::string command = Steps().contains(file) ? Steps().at(file).second : "";
    std::set<fs::path> objects;
    for (std::sregex_iterator it(command.begin(), command.end(), item), end; it != end; ++it)
        if (const fs::path named = Built(it->str()); named != file) {
            std::set<fs::path> inside = (*it)[2] == "a" ? Linked(named) : std::set<fs::path>{};
            objects.merge(inside.empty() ? std::set<fs::path>{named} : inside);
        }
    return objects;
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
            if (!entry.is_regular_file()) continue;
            EXPECT_TRUE(ext == ".h" || ext == ".cpp" || ext == ".md" || ext == ".cmake" || ext == ".map" || entry.path().filename() == "CMakeLists.txt")
                << entry.path().lexically_relative(kSource).string() << ": a source is a .cpp file, a header a .h file, and the build "
                << "compiles no other: rename it, or a target of no layer may be what builds it";
            if (ext != ".h" && ext != ".cpp") continue;
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

TEST(LayerFence, EveryObjectCompilesOnlyWhatItsLibrarySees)
{
    // Each object of a library, wherever its source lies, read only files the library sees; an object
    // planted to reach past the fence read the file it was planted with and no other.
    int libraries = 0;
    for (const ObjectRow& row : ObjectRows()) {
        libraries += row.planted.empty();
        EXPECT_FALSE(row.objects.empty()) << row.library << " has no objects";
        const std::map<std::string, std::string> found = Unseen(row);
        const std::string planted = row.planted.starts_with("compiles ") ? row.planted.substr(9) : "";
        for (const auto& [file, into] : found)
            if (file != planted) ADD_FAILURE() << row.library << " compiles " << file << " (into" << into << "), which it does not see";
        EXPECT_TRUE(planted.empty() || found.contains(planted)) << row.library << " " << row.planted << ", planted, and is not found";
    }
    EXPECT_GT(libraries, 15);
}

TEST(LayerFence, NoPartCallsWhatItDoesNotSee)
{
    // A function declared by hand in a part links, since the layer's archive holds every part: what a
    // part's objects leave to others must not be what objects of its layer it does not see define
    // (a template's instance or an inline function, defined weakly, too).
    int parts = 0;
    for (const ObjectRow& row : ObjectRows()) {
        if (row.unseen.empty()) continue;
        parts += row.planted.empty();
        const std::set<std::string> used = Symbols(row.objects, true), unseen = Symbols(row.unseen, false);
        EXPECT_FALSE(row.planted.empty() && used.empty()) << row.library << ": no objects";
        std::set<std::string> called;
        std::ranges::set_intersection(used, unseen, std::inserter(called, called.end()));
        const std::string planted = row.planted.starts_with("calls ") ? row.planted.substr(6) : "";
        for (const std::string& symbol : called)
            if (symbol != planted) ADD_FAILURE() << row.library << " calls " << symbol << ", defined in its layer's objects it does not see";
        EXPECT_TRUE(planted.empty() || called.contains(planted)) << row.library << " " << row.planted << ", planted, and is not found";
    }
    EXPECT_EQ(parts, 3);   // records, stirrups, skeleton
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

TEST(LayerFence, APartsSourcesAreItsOwnAndTheModuleHoldsOnlyTheLayersObjects)
{
    // Whose each object is, from the fence's table (a planted one's source is read in its row's folder).
    const std::vector<ObjectRow> rows = ObjectRows(), modules = ObjectRows(PM001_LAYER_MODULES);
    std::map<fs::path, const ObjectRow*> owner;
    std::set<std::string> found;
    for (const ObjectRow& row : rows)
        for (const std::string& object : row.objects) owner[Built(object)] = &row;
    // Every step of the build whose input lies under a part's folder is one of that part's compiles.
    static const std::regex target(R"(CMakeFiles/([^/]+)\.dir/)");
    for (const auto& [output, step] : Steps()) {
        const ObjectRow* row = owner.contains(output) ? owner.at(output) : nullptr;
        const std::string file = row && !row->planted.empty() && !row->folder.empty()
                                     ? row->folder + step.first.filename().string() : step.first.lexically_relative(kSource).string();
        std::smatch m;
        const std::string made = output.string(), by = std::regex_search(made, m, target) ? m[1].str() : made;
        for (const ObjectRow& part : rows)
            if (!part.planted.empty() || part.folder.empty() || !file.starts_with(part.folder) || row == &part) continue;
            else if (row && row->planted == "builds " + file) found.insert(row->planted);
            else ADD_FAILURE() << by << " compiles " << file << " (into " << output.filename().string() << "), a source of "
                               << part.folder << ", which " << part.library << " alone compiles: take it off " << by
                               << "'s sources, or move it to the folder of the library that uses it";
    }
    // Every object the module is made of is a layer's or part's, or one it compiles itself.
    for (const ObjectRow& module : modules) {
        const std::set<fs::path> linked = Linked(module.library);
        EXPECT_FALSE(linked.empty()) << module.library << " is linked from nothing: the build holds no command for it";
        for (const fs::path& object : linked)
            if ((owner.contains(object) && owner.at(object)->planted.empty()) ||
                std::ranges::any_of(module.objects, [&](const std::string& own) { return Built(own) == object; })) continue;
            else if (module.planted.starts_with("links ") && Built(module.planted.substr(6)) == object) found.insert(module.planted);
            else ADD_FAILURE() << fs::path(module.library).filename().string() << " holds " << object.lexically_relative(PM001_BINARY_DIR).string()
                               << ", an object of no layer or part: make its source a .cpp file of the folder of the layer or part that "
                               << "uses it, and link that library into the module, not a target of its own";
    }
    for (const std::vector<ObjectRow>* table : {&rows, &modules})
        for (const ObjectRow& row : *table)
            EXPECT_TRUE(!(row.planted.starts_with("builds ") || row.planted.starts_with("links ")) || found.contains(row.planted))
                << row.library << " " << row.planted << ", planted, and is not found";
    EXPECT_GE(modules.size(), 2u);
}
