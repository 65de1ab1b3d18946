// The glossary (docs/abbreviations.md) against every name of the sources of src/ and platform/: the
// sources are read as the compiler reads them, name by name (a line broken with a backslash joined;
// comments, texts, characters, the header names of includes and numbers left out), so a name is read
// wherever and however it is declared or used. Each name is cut at underscores and digits, and each
// run of two or more capitals in a piece is read as abbreviations, one after another, that the
// glossary explains (`GLDZ`: `GL`, `DZ`). Where a small letter follows the run, its last capital may
// begin that word, so that the capitals before it are the abbreviation (`GJFrame`: `GJ`; `CString`:
// `C`, one capital), or the run is one whole (`SBtype`: `SB`): either reading explained passes. A
// single capital standing alone (`X`, `M_`) or beginning a word (`Get`) is none. A piece in capitals
// that is a word (`MAX`, `NONE`) or a name of the C library or the system (`RDONLY`) is listed below.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// Pieces in capitals that are words, English or the C library's and the system's, not abbreviations.
const std::set<std::string> kWords = {
    "ALL", "ANCHOR", "ATTACH", "BEAM", "BEARING", "BIG", "BYTE", "CAP", "CLASS", "CLASSINIT", "CLOEXEC", "CONCRETE",
    "CORRUGATEDPIPE", "CREAT", "DECLARE", "DETACH", "DYNAMIC", "DYNCREATE", "EINTR", "EINVAL", "EISDIR", "ENOENT",
    "EXCL", "EXPORT", "EXTENSION", "FALSE", "FOOTING", "FOUNDATION", "FOUNDATIONTYPE", "FROM", "GNUC", "HUGE",
    "IMPLEMENT", "INFINITY", "INFLUENCE", "INT", "ISDIR", "ISREG", "JACK", "LC", "LONG", "LONGLONG", "MASK", "MAX",
    "MIN", "MODULE", "NONBLOCK", "NONE", "OUT", "PILE", "PILES", "PROCESS", "PROPERTY", "RDONLY", "RUNTIME",
    "RUNTIMECLASS", "SECTION", "SERIAL", "SPAN", "SPREAD", "TENDON", "TEXT", "THREAD", "TO", "TRUE", "TYPE", "VAL",
    "WORD", "WRONLY"};

// How many abbreviations the glossary explains (each `name` in the first cell of a row of its tables),
// and a pattern its capital ones one after another match (`WQJBHHB`: `WQJ`, `BH`, `HB`). One capital
// is an abbreviation only where its row says so: a prefix begins a run (`C` of `CPM`), a suffix ends
// one (`R` of `BZXJR`).
std::pair<std::size_t, std::regex> Glossary()
{
    std::ifstream page(kSource + "/docs/abbreviations.md");
    static const std::regex row(R"(^\| ([^|]+) \|)"), code("`([^`]+)`"), capitals("[A-Z]+");
    std::size_t count = 0;
    std::string runs, prefixes, suffixes;
    for (std::string line; std::getline(page, line);) {
        std::smatch cell;
        if (!std::regex_search(line, cell, row)) continue;
        const std::string first = cell[1];
        for (auto m = std::sregex_iterator(first.begin(), first.end(), code); m != std::sregex_iterator(); ++m, ++count) {
            const std::string abbreviation = (*m)[1];
            if (!std::regex_match(abbreviation, capitals)) continue;
            const bool prefix = first.find("(prefix)") != std::string::npos, suffix = first.find("(suffix)") != std::string::npos;
            if (abbreviation.size() == 1 && !prefix && !suffix) ADD_FAILURE() << abbreviation << ": one capital is a prefix or a suffix";
            std::string& list = abbreviation.size() > 1 ? runs : prefix ? prefixes : suffixes;
            list += (list.empty() ? "" : "|") + abbreviation;
        }
    }
    return {count, std::regex("(?:" + prefixes + ")?(?:" + runs + ")*(?:" + suffixes + ")?")};
}

// The names of a source, in order, as the compiler reads them.
std::vector<std::string> Names(std::string text)
{
    text = std::regex_replace(text, std::regex(R"(\\\r?\n)"), "");
    const auto alnum = [&text](std::size_t i) { return i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_'); };
    const auto past = [&text](std::size_t at, std::size_t length) { return at == std::string::npos ? text.size() : at + length; };
    std::vector<std::string> names;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (text.compare(i, 2, "//") == 0) i = past(text.find('\n', i), 0);
        else if (text.compare(i, 2, "/*") == 0) i = past(text.find("*/", i + 2), 2);
        else if (c == '"' || c == '\'') {   // a text or a character, to its closing quote
            std::size_t j = i + 1;
            while (j < text.size() && text[j] != c && text[j] != '\n') j += text[j] == '\\' ? 2 : 1;
            i = j + 1;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && std::isdigit(static_cast<unsigned char>(text[i + 1])))) {
            // A number, with its digit separators, exponent signs and suffix (1'000, 2.5e-3, 0xFFu).
            std::size_t j = i + 1;
            while (alnum(j) || text[j] == '.' || (text[j] == '\'' && alnum(j + 1)) || ((text[j] == '+' || text[j] == '-') && std::strchr("eEpP", text[j - 1])))
                ++j;
            i = j;
        } else if (alnum(i)) {
            std::size_t j = i;
            while (alnum(j)) ++j;
            const std::string name = text.substr(i, j - i);
            i = j;
            static const std::regex prefix("u8|u|U|L"), raw("(u8|u|U|L)?R"), include("include|include_next|__has_include|__has_include_next");
            if (text[j] == '"' && std::regex_match(name, raw)) {   // a raw text: to its own closing
                const std::size_t open = text.find('(', j);
                if (open == std::string::npos) break;
                i = past(text.find(")" + text.substr(j + 1, open - j - 1) + "\"", open), open - j + 1);
            } else if ((text[j] == '"' || text[j] == '\'') && std::regex_match(name, prefix)) {
                continue;   // the prefix of a text or a character
            } else {
                names.push_back(name);
                if (!std::regex_match(name, include)) continue;
                std::size_t k = j;   // a header name in angle brackets
                while (k < text.size() && (text[k] == ' ' || text[k] == '\t' || text[k] == '(')) ++k;
                if (text[k] == '<') i = past(text.find('>', k), 1);
            }
        } else ++i;
    }
    return names;
}

// The abbreviations of a name the glossary does not explain.
std::vector<std::string> Unexplained(const std::string& name, const std::regex& glossary)
{
    static const std::regex pieces("[_0-9]+"), capitals("[A-Z]{2,}"), allCapitals("[A-Z]+");
    std::vector<std::string> unexplained;
    for (auto p = std::sregex_token_iterator(name.begin(), name.end(), pieces, -1); p != std::sregex_token_iterator(); ++p) {
        const std::string piece = *p;
        if (std::regex_match(piece, allCapitals) && kWords.contains(piece)) continue;
        for (auto m = std::sregex_iterator(piece.begin(), piece.end(), capitals); m != std::sregex_iterator(); ++m) {
            const std::string run = m->str(), less = run.substr(0, run.size() - 1);
            const bool wordFollows = std::islower(static_cast<unsigned char>(piece[m->position() + run.size()]));
            if (!std::regex_match(run, glossary) && !(wordFollows && std::regex_match(less, glossary)))
                unexplained.push_back(wordFollows && less.size() > 1 ? less : run);
        }
    }
    return unexplained;
}

// The abbreviations of a source's names the glossary does not explain, each with its first name.
std::map<std::string, std::string> Unexplained(const std::string& text)
{
    static const std::regex glossary = Glossary().second;
    std::map<std::string, std::string> found;
    for (const std::string& name : Names(text))
        for (const std::string& abbreviation : Unexplained(name, glossary)) found.emplace(abbreviation, name);
    return found;
}

} // namespace

TEST(Glossary, AnAbbreviationIsReadWhereverANameIsWritten)
{
    // QZ is no abbreviation of the system's: each row writes it in one more way, and each is found;
    // in a comment or a text it names nothing.
    const struct {
        const char* source;
        const char* found;
    } rows[] = {
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
        {"// GetQZLength\n/* QZ */ x = \"QZ\"; c = 'Q'; s = R\"x(QZ \" )x\" + u8\"QZ\";", ""},
        {"#include <QZ/QZ.h>\nn = 1'000 + 0xFFu + 2.5E-3;", ""},
        {"GetGJFrame_TCJ(); SBtype; WQJdl; CString s; XRoad; M_WQJ_R; PM001_T0101; IsWQJBHHB; INT_MAX;", ""},
    };
    for (const auto& row : rows) {
        const std::map<std::string, std::string> found = Unexplained(std::string(row.source));
        EXPECT_EQ(found.empty() ? "" : found.begin()->first, row.found) << row.source;
        EXPECT_LE(found.size(), 1u) << row.source;
    }
}

TEST(Glossary, EveryAbbreviationOfANameIsExplained)
{
    ASSERT_GT(Glossary().first, 60u);
    std::map<std::string, std::string> unexplained;   // abbreviation, and a name and file it is in
    std::size_t files = 0;
    for (const char* tree : {"src", "platform"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/" + tree)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            ++files;
            std::stringstream text;
            text << std::ifstream(entry.path()).rdbuf();
            for (const auto& [abbreviation, name] : Unexplained(text.str()))
                unexplained.emplace(abbreviation, name + " (" + entry.path().lexically_relative(kSource).string() + ")");
        }
    EXPECT_GT(files, 300u);
    for (const auto& [abbreviation, where] : unexplained)
        ADD_FAILURE() << abbreviation << " of " << where << " is not in docs/abbreviations.md";
}
