// The glossary (docs/abbreviations.md) against the names of the routines under src/: each run of
// capitals in a function's or method's name reads as abbreviations the glossary explains.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <utility>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// How many abbreviations the glossary explains (each `name` in the first cell of a row of its tables),
// and a pattern its capital ones one after another match (`WQJBHHB`: `WQJ`, `BH`, `HB`).
std::pair<std::size_t, std::regex> Glossary()
{
    std::ifstream page(kSource + "/docs/abbreviations.md");
    static const std::regex row(R"(^\| ([^|]+) \|)"), code("`([^`]+)`"), capitals("[A-Z]+");
    std::size_t count = 0;
    std::string runs;
    for (std::string line; std::getline(page, line);) {
        std::smatch cell;
        if (!std::regex_search(line, cell, row)) continue;
        const std::string first = cell[1];
        for (auto m = std::sregex_iterator(first.begin(), first.end(), code); m != std::sregex_iterator(); ++m, ++count)
            if (std::regex_match((*m)[1].str(), capitals)) runs += (runs.empty() ? "" : "|") + (*m)[1].str();
    }
    return {count, std::regex("(?:" + runs + ")+")};
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
    const auto [count, glossary] = Glossary();
    ASSERT_GT(count, 60u);
    // A run of two or more capitals before a small letter may end in the first capital of the next
    // word (`GJFrame`: `GJ`), or not (`WQJdl`: `WQJ`).
    static const std::regex capitals("[A-Z]{2,}");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/src")) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        std::ifstream source(entry.path());
        for (std::string line; std::getline(source, line);) {
            const std::string name = RoutineName(line);
            for (auto m = std::sregex_iterator(name.begin(), name.end(), capitals); m != std::sregex_iterator(); ++m) {
                const std::string run = m->str(), less = run.substr(0, run.size() - 1);
                const bool wordFollows = std::islower(static_cast<unsigned char>(name[m->position() + run.size()]));
                if (!std::regex_match(run, glossary) && !(wordFollows && (run.size() == 2 || std::regex_match(less, glossary))))
                    ADD_FAILURE() << (wordFollows ? less : run) << " of " << name << " ("
                                  << entry.path().lexically_relative(kSource).string() << ") is not in docs/abbreviations.md";
            }
        }
    }
}
