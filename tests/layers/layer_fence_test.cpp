// The fence between the layers, from the sources, the build and the guide: what the compiler read for
// each object of every layer and part, as the build recorded it, is what that library sees (however
// an include was spelled or a folder added); no part calls a function only the objects of its layer
// it does not see define; no include climbs out of its folder (an include path holds the layers a
// source sees, and a path that runs up a folder or starts at the root would reach past them); and the
// guide's layer table gives what each library really links and sees, as the build made them (the
// fence's table, cmake/layer_fence.cmake). The probes of what each layer and part sees are the
// layers.sees.* tests (tests/CMakeLists.txt). An include through a macro or a symbolic link in a
// source folder reaches past them too.
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
#include <vector>

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

// What a command prints.
std::string Output(const std::string& command)
{
    FILE* out = popen(command.c_str(), "r");
    if (!out) return "";
    std::string listed, chunk(4096, '\0');
    for (std::size_t n; (n = std::fread(chunk.data(), 1, chunk.size(), out)) > 0;) listed.append(chunk, 0, n);
    pclose(out);
    return listed;
}

// The objects, each quoted for the shell.
std::string Quoted(const std::vector<std::string>& paths)
{
    std::string quoted;
    for (const std::string& path : paths) quoted += " '" + std::regex_replace(path, std::regex("'"), R"('\'')") + "'";
    return quoted;
}

// A cell of names separated by ';'.
std::vector<std::string> Cell(const std::string& cell)
{
    std::vector<std::string> items;
    std::stringstream in(cell);
    for (std::string item; std::getline(in, item, ';');)
        if (!item.empty()) items.push_back(item);
    return items;
}

// The symbols nm lists for objects: those they define (in code or data, weakly too: an instance of a
// template or an inline function), or, with referred, those they use and leave to others.
std::set<std::string> Symbols(const std::vector<std::string>& objects, bool referred)
{
    if (objects.empty()) return {};
    const std::string listed = Output(std::string(PM001_NM) + " -C " + (referred ? "--undefined-only" : "--defined-only --extern-only") +
                                      Quoted(objects) + " 2>/dev/null");
    static const std::regex defined(R"(^[0-9a-f]+ [TDBRGSCWVui] (.+)$)"), used(R"(^\s+U (.+)$)");
    std::set<std::string> symbols;
    std::istringstream lines(listed);
    std::smatch m;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_match(line, m, referred ? used : defined)) symbols.insert(m[1]);
    return symbols;
}

// A row of the objects' table (cmake/layer_fence.cmake): a library, or an object planted to reach past
// the fence, with its objects, the entries it sees (a folder ends in '/'; a file, or a pattern whose
// `*` stays within one folder), the objects of its layer it does not see and those it sees (a part's),
// and what was planted (`compiles <file>`, `calls <function>`; nothing for a library).
struct ObjectRow {
    std::string library;
    std::vector<std::string> objects, sees, unseen, seen;
    std::string planted;
};

std::vector<ObjectRow> ObjectRows()
{
    std::ifstream table(PM001_LAYER_OBJECTS);
    std::vector<ObjectRow> rows;
    for (std::string line; std::getline(table, line);) {
        std::vector<std::string> cells;
        std::stringstream in(line);
        for (std::string cell; std::getline(in, cell, '|');) cells.push_back(cell);
        cells.resize(6);
        rows.push_back({cells[0], Cell(cells[1]), Cell(cells[2]), Cell(cells[3]), Cell(cells[4]), cells[5]});
    }
    return rows;
}

// Whether the entries name a file of the project (its path from the project's folder).
bool Sees(const std::vector<std::string>& entries, const std::string& file)
{
    for (const std::string& entry : entries) {
        if (entry.ends_with('/') ? file.starts_with(entry) : file == entry) return true;
        std::string pattern = std::regex_replace(entry, std::regex(R"([.+?^$()|{}\[\]\\])"), R"(\$&)");
        pattern = std::regex_replace(pattern, std::regex(R"(\*)"), "[^/]*");
        if (entry.find('*') != std::string::npos && std::regex_match(file, std::regex(pattern))) return true;
    }
    return false;
}

// A file the build names, relative to the folder the compiler ran in or not, as the file itself
// (through symbolic links: an include root's link is the folder it stands for), from the project's
// folder; "" for one outside the layers' folders (a system header, a generated source).
std::string LayerFile(const std::filesystem::path& ranIn, const std::string& named)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path file = fs::weakly_canonical(ranIn / named, error);
    static const fs::path project = fs::weakly_canonical(kSource);
    const std::string relative = file.lexically_relative(project).generic_string();
    for (const char* tree : {"platform/", "src/", "app/"})
        if (relative.starts_with(tree)) return relative;
    return "";
}

// The files the compiler read for each object (by its path, made plain), as the build recorded them
// and of the layers' folders: Ninja keeps the list of each object in its log (`ninja -t deps`; the
// compiler ran in the build's folder), make in the dependency file beside the object (<object>.d,
// `<object>: <file> <file> \`; the compiler ran in the folder of the target's CMakeFiles). An object
// without a record has none.
std::map<std::string, std::set<std::string>> Compiled(const std::vector<std::string>& objects)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::set<std::string>> read;
    if (std::string(PM001_NINJA).empty()) {
        for (const std::string& object : objects) {
            std::ifstream record(object + ".d");
            if (!record) continue;
            const std::string plain = fs::path(object).lexically_normal().string();
            const fs::path ranIn = plain.substr(0, plain.find("/CMakeFiles/"));
            std::set<std::string>& files = read[plain];
            std::stringstream text;
            text << record.rdbuf();
            // Names end at blanks not escaped; one ending in ':' is a target, the files follow the first.
            const std::string joined = std::regex_replace(text.str(), std::regex(R"(\\\r?\n)"), " ");
            static const std::regex name(R"((?:\\.|[^\s\\])+)");
            bool listing = false;
            for (auto m = std::sregex_iterator(joined.begin(), joined.end(), name); m != std::sregex_iterator(); ++m) {
                const std::string file = std::regex_replace(m->str(), std::regex(R"(\\(.))"), "$1");
                if (file.ends_with(':')) listing = true;
                else if (listing && !LayerFile(ranIn, file).empty()) files.insert(LayerFile(ranIn, file));
            }
        }
        return read;
    }
    std::vector<std::string> named;
    for (const std::string& object : objects) named.push_back(fs::path(object).lexically_relative(PM001_BINARY_DIR).generic_string());
    std::istringstream listed(Output(std::string("'") + PM001_NINJA + "' -C '" + PM001_BINARY_DIR + "' -t deps" + Quoted(named)));
    static const std::regex head(R"(^(\S.*): #deps \d+, deps mtime \d+ \((VALID|STALE)\)$)");
    std::string object;
    std::smatch m;
    for (std::string line; std::getline(listed, line);) {
        if (std::regex_match(line, m, head)) object = (fs::path(PM001_BINARY_DIR) / m[1].str()).lexically_normal().string(), read[object];
        else if (line.starts_with("    ") && !object.empty() && !LayerFile(PM001_BINARY_DIR, line.substr(4)).empty())
            read[object].insert(LayerFile(PM001_BINARY_DIR, line.substr(4)));
        else if (!line.starts_with("    ")) object.clear();
    }
    return read;
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

TEST(LayerFence, EveryObjectCompilesOnlyWhatItsLibrarySees)
{
    // Each object of a library, wherever its source lies, read only files the library sees; an object
    // planted to reach past the fence read the file it was planted with and no other.
    const std::vector<ObjectRow> rows = ObjectRows();
    std::vector<std::string> objects;
    for (const ObjectRow& row : rows) objects.insert(objects.end(), row.objects.begin(), row.objects.end());
    const auto compiled = Compiled(objects);
    int libraries = 0;
    for (const ObjectRow& row : rows) {
        libraries += row.planted.empty();
        EXPECT_FALSE(row.objects.empty()) << row.library << " has no objects";
        std::map<std::string, std::string> found;   // a file it does not see, and the objects it went into
        for (const std::string& object : row.objects) {
            const auto files = compiled.find(std::filesystem::path(object).lexically_normal().string());
            if (files == compiled.end()) {
                ADD_FAILURE() << "the build keeps no record of what " << object << " read: build it first";
                continue;
            }
            for (const std::string& file : files->second)
                if (!Sees(row.sees, file)) found[file] += " " + std::filesystem::path(object).filename().string();
        }
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
    // part's objects leave to others must not be what only objects of its layer it does not see define
    // (a template's instance or an inline function, defined weakly, too).
    int parts = 0;
    for (const ObjectRow& row : ObjectRows()) {
        if (row.unseen.empty()) continue;
        parts += row.planted.empty();
        const std::set<std::string> used = Symbols(row.objects, true), own = Symbols(row.objects, false),
                                    seen = Symbols(row.seen, false), unseen = Symbols(row.unseen, false);
        EXPECT_FALSE(row.planted.empty() && used.empty()) << row.library << ": no objects";
        std::set<std::string> called;
        const std::string planted = row.planted.starts_with("calls ") ? row.planted.substr(6) : "";
        for (const std::string& symbol : used)
            if (unseen.contains(symbol) && !own.contains(symbol) && !seen.contains(symbol)) called.insert(symbol);
        for (const std::string& symbol : called)
            if (symbol != planted) ADD_FAILURE() << row.library << " calls " << symbol << ", defined only in its layer's objects it does not see";
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
