// The glossary (docs/abbreviations.md) against every name of the sources of src/ and platform/,
// wherever and however it is declared or used, each read as that page's "How a name is read" says.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// Pieces in capitals that are words, English or the C library's and the system's, not abbreviations.
const std::set<std::string> kWords = {
    "ALL", "ANCHOR", "ATTACH", "BEAM", "BEARING", "BIG", "BYTE", "CAP", "CLASS", "CLASSINIT", "CLOEXEC", "CONCRETE", "CORRUGATEDPIPE", "CREAT",
    "DECLARE", "DETACH", "DYNAMIC", "DYNCREATE", "EINTR", "EINVAL", "EISDIR", "ENOENT", "EXCL", "EXPORT", "EXTENSION", "FALSE", "FOOTING",
    "FOUNDATION", "FOUNDATIONTYPE", "FROM", "GNUC", "HUGE", "IMPLEMENT", "INFINITY", "INFLUENCE", "INT", "ISDIR", "ISREG", "JACK", "LC", "LONG",
    "LONGLONG", "MASK", "MAX", "MIN", "MODULE", "NONBLOCK", "NONE", "OUT", "PILE", "PILES", "PROCESS", "PROPERTY", "RDONLY", "RUNTIME",
    "RUNTIMECLASS", "SECTION", "SERIAL", "SPAN", "SPREAD", "TENDON", "TEXT", "THREAD", "TO", "TRUE", "TYPE", "VAL", "WORD", "WRONLY"};

// How many abbreviations the glossary explains (each `name` in the first cell of a row of its tables),
// and a pattern its capital ones one after another match (`WQJBHHB`: `WQJ`, `BH`, `HB`), a capital
// marked a prefix only first (`C` of `CPM`), one marked a suffix only last (`R` of `BZXJR`).
std::pair<std::size_t, std::regex> Glossary()
{
    std::ifstream page(kSource + "/docs/abbreviations.md");
    static const std::regex row(R"(^\| ([^|]+) \|)"), code("`([^`]+)`"), capitals("[A-Z]+");
    std::size_t count = 0;
    std::string lists[3];   // runs, prefixes, suffixes
    for (std::string line; std::getline(page, line);) {
        std::smatch cell;
        if (!std::regex_search(line, cell, row)) continue;
        const std::string first = cell[1];
        const int kind = first.find("(prefix)") != std::string::npos ? 1 : first.find("(suffix)") != std::string::npos ? 2 : 0;
        for (auto m = std::sregex_iterator(first.begin(), first.end(), code); m != std::sregex_iterator(); ++m, ++count) {
            const std::string abbreviation = (*m)[1];
            if (!std::regex_match(abbreviation, capitals)) continue;
            if (abbreviation.size() == 1 && kind == 0) ADD_FAILURE() << abbreviation << ": one capital is a prefix or a suffix";
            std::string& list = lists[abbreviation.size() > 1 ? 0 : kind];
            list += (list.empty() ? "" : "|") + abbreviation;
        }
    }
    return {count, std::regex("(?:" + lists[1] + ")?(?:" + lists[0] + ")*(?:" + lists[2] + ")?")};
}

// The abbreviations of a source's names the glossary does not explain, each with its first name: the
// source read token by token, a line broken with a backslash joined; comments, texts, characters,
// numbers and the header names of includes are no names.
std::map<std::string, std::string> Unexplained(const std::string& source)
{
    static const std::regex glossary = Glossary().second, pieces("[_0-9]+"), capitals("[A-Z]{2,}"),
        token(R"(//[^\n]*|/\*[\s\S]*?\*/|(?:u8|[uUL])?R"([^(]*)\([\s\S]*?\)\1"|("|')(?:\\.|(?!\2)[^\\\n])*\2?)"
              R"(|[0-9][\w.']*|(?:include|include_next|__has_include(?:_next)?)[ \t(]*<[^>\n]*>?|([A-Za-z_]\w*))");
    const std::string text = std::regex_replace(source, std::regex(R"(\\\r?\n)"), "");
    std::map<std::string, std::string> found;
    for (auto t = std::sregex_iterator(text.begin(), text.end(), token); t != std::sregex_iterator(); ++t) {
        const std::string name = (*t)[3];
        for (auto p = std::sregex_token_iterator(name.begin(), name.end(), pieces, -1); p != std::sregex_token_iterator(); ++p) {
            const std::string piece = *p;
            if (kWords.contains(piece)) continue;
            for (auto m = std::sregex_iterator(piece.begin(), piece.end(), capitals); m != std::sregex_iterator(); ++m) {
                const std::string run = m->str(), less = run.substr(0, run.size() - 1);
                const bool wordFollows = std::islower(static_cast<unsigned char>(piece[m->position() + run.size()]));
                if (!std::regex_match(run, glossary) && !(wordFollows && std::regex_match(less, glossary)))
                    found.emplace(wordFollows && less.size() > 1 ? less : run, name);
            }
        }
    }
    return found;
}

} // namespace

TEST(Glossary, AnAbbreviationIsReadWhereverANameIsWritten)
{
    // QZ is no abbreviation of the system's: each row writes it in one more way, and each is found;
    // in a comment or a text it names nothing.
    const std::pair<const char*, const char*> rows[] = {   // a source, what is found in it
        {"int GetQZLength(int n);", "QZ"},
        {"double GetQZlength();", "QZ"},                                   // after a word of small letters
        {"[[nodiscard]]\nint\nGetQZ();", "QZ"},                            // the attribute, the type on lines before
        {"static const CString&\n    QZName(int i) { return m[i]; }", "QZ"},
        {"#define PM001_QZ_MAX 3", "QZ"},                                  // in capitals
        {"constexpr int QZMAX = 2;", "QZMAX"},
        {"extern \"C\" int GetQZ(void* module);", "QZ"},
        {"struct M_QZ;", "QZ"},                                             // type names
        {"class CQZTable : public CObject {};", "CQZ"},
        {"x = a.QZ + b->QZ[1] + QZ::Count;", "QZ"},
        {"#def\\\nine Q\\\nZ 1", "QZ"},                                       // lines joined
        {"// GetQZLength\n/* QZ */ x = \"QZ\"; c = 'QZ'; s = R\"x(QZ \" )x\" + u8\"QZ\";", ""},
        {"#include <QZ/QZ.h>\nn = 1'000 + 0xFFu + 2.5E-3;", ""},
        {"GetGJFrame_TCJ(); SBtype; WQJdl; CString s; XRoad; M_WQJ_R; PM001_T0101; IsWQJBHHB; INT_MAX;", ""},
    };
    for (const auto& [source, expected] : rows) {
        std::string found;
        for (const auto& [abbreviation, name] : Unexplained(source)) found += (found.empty() ? "" : " ") + abbreviation;
        EXPECT_EQ(found, expected) << source;
    }
}

TEST(Glossary, EveryAbbreviationOfANameIsExplained)
{
    ASSERT_GT(Glossary().first, 60u);
    std::set<std::string> reported;
    std::size_t files = 0;
    for (const char* tree : {"src", "platform"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/" + tree)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            ++files;
            for (const auto& [abbreviation, name] : Unexplained(std::string(std::istreambuf_iterator<char>(std::ifstream(entry.path()).rdbuf()), {})))
                if (reported.insert(abbreviation).second)
                    ADD_FAILURE() << abbreviation << " of " << name << " (" << entry.path().lexically_relative(kSource).string() << ") is not in docs/abbreviations.md";
        }
    EXPECT_GT(files, 300u);
}
