// The glossary (docs/abbreviations.md) against the names of the routines under src/: each run of
// capitals in a function's or method's name reads as abbreviations the glossary explains.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// The abbreviations the glossary explains: each `name` in the first cell of a row of its tables.
std::set<std::string> Glossary()
{
    std::ifstream page(kSource + "/docs/abbreviations.md");
    static const std::regex row(R"(^\| ([^|]+) \|)"), code("`([^`]+)`");
    std::set<std::string> names;
    for (std::string line; std::getline(page, line);) {
        std::smatch cell;
        if (!std::regex_search(line, cell, row)) continue;
        const std::string first = cell[1];
        for (auto m = std::sregex_iterator(first.begin(), first.end(), code); m != std::sregex_iterator(); ++m) names.insert((*m)[1]);
    }
    return names;
}

// Whether run is abbreviations of the glossary one after another (`WQJBHHB`: `WQJ`, `BH`, `HB`).
bool ReadsAs(const std::string& run, const std::set<std::string>& glossary)
{
    std::vector<bool> reached(run.size() + 1, false);
    reached[0] = true;
    for (std::size_t from = 0; from < run.size(); ++from)
        for (std::size_t n = 1; reached[from] && from + n <= run.size(); ++n)
            if (glossary.contains(run.substr(from, n))) reached[from + n] = true;
    return reached.back();
}

// The name a line declares or defines as a function or method (a name after a type, before "("),
// "" for none: a call after a keyword, a macro (all capitals) and a constructor name none.
std::string RoutineName(std::string line)
{
    static const std::regex text(R"("(\\.|[^"\\])*")"), comment("//.*$"),
        declared(R"(^\s*(?:[\w:<>,*&]+\s+)*?([\w:<>*&]+)[\s*&]+(?:\w+::)*([A-Za-z_]\w*)\s*\()"), macro("[A-Z0-9_]+");
    static const std::set<std::string> keywords = {"return", "else", "new", "delete", "throw", "case", "goto", "explicit",
                                                   "using", "typedef", "operator", "const", "static", "inline", "virtual"};
    line = std::regex_replace(std::regex_replace(line, text, "\"\""), comment, "");
    std::smatch m;
    if (!std::regex_search(line, m, declared) || keywords.contains(m[1]) || keywords.contains(m[2])) return "";
    return std::regex_match(m[2].str(), macro) ? "" : m[2].str();
}

} // namespace

TEST(Glossary, EveryAbbreviationOfARoutinesNameIsExplained)
{
    const std::set<std::string> glossary = Glossary();
    ASSERT_GT(glossary.size(), 60u);
    // Each run of two or more capitals, with the routine that first uses it. A run before a small
    // letter may end in the first capital of the next word (`GJFrame`: `GJ`), or not (`WQJdl`: `WQJ`).
    std::map<std::string, std::string> runs;
    static const std::regex capitals("[A-Z]{2,}");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/src")) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        std::ifstream source(entry.path());
        for (std::string line; std::getline(source, line);) {
            const std::string name = RoutineName(line);
            for (auto m = std::sregex_iterator(name.begin(), name.end(), capitals); m != std::sregex_iterator(); ++m) {
                const std::size_t end = m->position() + m->length();
                const bool wordFollows = end < name.size() && std::islower(static_cast<unsigned char>(name[end]));
                const std::string run = m->str();
                if (ReadsAs(run, glossary) || (wordFollows && (run.size() == 2 || ReadsAs(run.substr(0, run.size() - 1), glossary))))
                    continue;
                runs.emplace(wordFollows ? run.substr(0, run.size() - 1) : run,
                             name + " (" + entry.path().lexically_relative(kSource).string() + ")");
            }
        }
    }
    for (const auto& [run, routine] : runs) ADD_FAILURE() << run << " of " << routine << " is not in docs/abbreviations.md";
}
