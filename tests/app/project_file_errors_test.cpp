// Project files that cannot be used: each error names where it is and what was expected there.
#include "project_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

// The error that reading text gives; fails the test when the text is accepted.
ProjectFileError ErrorOf(const std::string& text)
{
    try {
        ReadProjectText(text, "test.json", "");
    } catch (const ProjectFileError& e) {
        return e;
    }
    ADD_FAILURE() << "accepted: " << text;
    return ProjectFileError("", "", "");
}

void ExpectError(const std::string& text, const std::string& where, const std::string& detail)
{
    const ProjectFileError e = ErrorOf(text);
    EXPECT_EQ(e.where(), where) << e.what();
    EXPECT_EQ(e.detail(), detail) << e.what();
}

TEST(ProjectFileKeys, UnknownKeyIsNamedByItsPath)
{
    ExpectError(R"({"pier": {"hHgl": 1800, "hHgll": 1800}})", "pier.hHgll", "unknown key");
    ExpectError(R"({"piers": {}})", "piers", "unknown key");
    ExpectError(R"({"project": {"record": {"designer": "王工", "checkr": "李工"}}})", "project.record.checkr",
                "unknown key");
    ExpectError(R"({"loads": {"m_LiveLoadSurface1": {"m_LaneWidth": []}}})", "loads.m_LiveLoadSurface1.m_LaneWidth",
                "unknown key");
    // The component's name is given once, under "component".
    ExpectError(R"({"pier": {"Name": "P3"}})", "pier.Name", "unknown key");
}

TEST(ProjectFileKeys, KeyThatIsNotAPlainNameIsQuotedOnOneLine)
{
    ExpectError("{\"pier\": {\"b Bz\\n\": 1}}", "pier[\"b Bz\\n\"]", "unknown key");
}

// A key is named by at most its first 64 characters and "…", never cut inside a character.
TEST(ProjectFileKeys, AHugeKeyIsNamedByItsFirstCharacters)
{
    const std::string k64(64, 'k');
    ExpectError("{\"pier\": {\"" + k64 + "\": 1}}", "pier." + k64, "unknown key");
    ExpectError("{\"pier\": {\"" + k64 + std::string(100000, 'k') + "\": 1}}", "pier." + k64 + "…", "unknown key");
    std::string han, escaped;   // not a plain name: quoted, characters beyond ASCII escaped
    for (int i = 0; i < 64; ++i) han += "中", escaped += "\\u4e2d";
    ExpectError("{\"" + han + "中\": 1}", "[\"" + escaped + "…\"]", "unknown key");
    ExpectError("{\"pier\": {\"" + k64 + " x\": 1, \"" + k64 + " x\": 2}}", "pier." + k64 + "…", "key given twice");
}

TEST(ProjectFileKeys, KeyGivenTwiceInOneObjectIsRefused)
{
    // The parser would keep only one of the two values: the other would be lost without a word.
    ExpectError(R"({"pier": {"B": 2000, "hHgl": 1800, "B": 2200}})", "pier.B", "key given twice");
    ExpectError(R"({"pier": {}, "pier": {}})", "pier", "key given twice");
}

TEST(ProjectFileTypes, WrongKindOfValueIsNamed)
{
    ExpectError(R"({"pier": {"bBz": 6500}})", "pier.bBz", "expected a text, not a whole number");
    ExpectError(R"({"pier": {"hHgl": "1800"}})", "pier.hHgl", "expected a number, not a text");
    ExpectError(R"({"pier": {"nSectionType": "1"}})", "pier.nSectionType", "expected a whole number, not a text");
    ExpectError(R"({"pier": {"fXL": true}})", "pier.fXL", "expected a whole number, not true or false");
    ExpectError(R"({"pier": {"B": null}})", "pier.B", "expected a number, not null");
    ExpectError(R"({"pier": {"bQf": "1950,2400"}})", "pier.bQf", "expected a list of texts, not a text");
    ExpectError(R"({"pier": []})", "pier", "expected an object, not a list");
    ExpectError(R"({"component": {"name": 3}})", "component.name", "expected a text, not a whole number");
}

TEST(ProjectFileTypes, ListElementOfWrongKindIsNamedByItsIndex)
{
    ExpectError(R"({"pier": {"bQf": ["1950", 2400]}})", "pier.bQf[1]", "expected a text, not a whole number");
    ExpectError(R"({"loads": {"m_DeckLayout": {"m_SupportName": [["Z1"], ["Z1", 2]]}}})",
                "loads.m_DeckLayout.m_SupportName[1][1]", "expected a text, not a whole number");
    ExpectError(R"({"loads": {"m_DeckLayout": {"m_BeamProperty": [{"nKind": 1}, {"dSpan": "30"}]}}})",
                "loads.m_DeckLayout.m_BeamProperty[1].dSpan", "expected a number, not a text");
    ExpectError(R"({"loads": {"m_DeckLayout": {"m_BeamProperty": {"nKind": 1}}}})",
                "loads.m_DeckLayout.m_BeamProperty", "expected a list of objects, not an object");
}

TEST(ProjectFileTypes, WholeNumbersMustBeIntegralAndFitAnInt)
{
    ExpectError(R"({"pier": {"nSectionType": 1.5}})", "pier.nSectionType", "expected a whole number, not 1.5");
    ExpectError(R"({"pier": {"fTwoRows": 2147483648}})", "pier.fTwoRows", "expected a whole number, not 2147483648");
    ExpectError(R"({"pier": {"fTwoRows": -2147483649}})", "pier.fTwoRows",
                "expected a whole number, not -2147483649");
    ExpectError(R"({"pier": {"fTwoRows": 1e30}})", "pier.fTwoRows", "expected a whole number, not 1e+30");
    ExpectError(R"({"component": {"id": -1}})", "component.id", "expected a whole number from 0 to 4294967295, not -1");
    ExpectError(R"({"component": {"id": 4294967296}})", "component.id",
                "expected a whole number from 0 to 4294967295, not 4294967296");
}

TEST(ProjectFileTypes, IntegralRealAndLimitsOfAnIntAreAccepted)
{
    auto p = ReadProjectText(
        R"({"pier": {"nSectionType": 2.0, "fTwoRows": -2147483648, "fXL": 2147483647}, "component": {"id": 4294967295}})",
        "t", "");
    EXPECT_EQ(p->input.nSectionType, 2);
    EXPECT_EQ(p->input.fTwoRows, -2147483648LL);
    EXPECT_EQ(p->input.fXL, 2147483647);
    EXPECT_EQ(p->componentId, 4294967295U);
}

TEST(ProjectFileTypes, TextWithNulCharacterIsRefused)
{
    // A NUL would silently cut the text short wherever it travels as a C string.
    ExpectError(R"({"pier": {"PierCapConGra": "C40\u0000C50"}})", "pier.PierCapConGra",
                "a text may not hold the NUL character");
}

TEST(ProjectFileTypes, NumberTooLargeForARealIsNamedByItsPath)
{
    const ProjectFileError e = ErrorOf(R"({"pier": {"B": 2000, "hHgl": 1e400}})");
    EXPECT_EQ(e.where(), "pier.hHgl");
    EXPECT_EQ(e.detail().rfind("number out of range", 0), 0U) << e.detail();
}

TEST(ProjectFileSyntax, MalformedJsonGivesLineAndColumn)
{
    // The comma after 2000 is missing: the parser stops on the next key, "hHgl", whose last
    // character (the closing quote) stands at line 3, column 10.
    const ProjectFileError e = ErrorOf("{\"pier\": {\n    \"B\": 2000\n    \"hHgl\": 1800}}");
    EXPECT_EQ(e.where(), "line 3, column 10");
    EXPECT_EQ(e.detail().rfind("not valid JSON: ", 0), 0U) << e.detail();
    EXPECT_EQ(std::string(e.what()).rfind("test.json: line 3, column 10: not valid JSON: ", 0), 0U) << e.what();
}

// The input the parser quotes in its reason is cut to its first 64 characters.
TEST(ProjectFileSyntax, AHugeTokenIsQuotedByItsFirstCharacters)
{
    const ProjectFileError text = ErrorOf("{\"pier\": \"" + std::string(100000, 'a'));
    EXPECT_EQ(text.detail().substr(text.detail().find("last read: ")), "last read: '\"" + std::string(63, 'a') + "…'")
        << text.detail();
    const ProjectFileError number = ErrorOf("{\"pier\": {\"B\": 1" + std::string(100000, '0') + "}}");
    EXPECT_EQ(number.where(), "pier.B");
    EXPECT_EQ(number.detail().substr(number.detail().find("parsing ")), "parsing '1" + std::string(63, '0') + "…'")
        << number.detail();
}

TEST(ProjectFileSyntax, ColumnsCountCharactersNotBytes)
{
    // "三号墩" takes nine bytes but three columns: the stray x is byte 36 but column 30.
    const ProjectFileError e = ErrorOf("{\"component\": {\"name\": \"三号墩\" x}}");
    EXPECT_EQ(e.where(), "line 1, column 30");
}

TEST(ProjectFileSyntax, TruncatedAndEmptyTextAreMalformed)
{
    EXPECT_EQ(ErrorOf("").where(), "line 1, column 1");
    EXPECT_EQ(ErrorOf("{\"pier\": {\"B\": 20").where().rfind("line 1, column ", 0), 0U);
    EXPECT_EQ(ErrorOf("{} {}").where(), "line 1, column 4");
}

// The parser takes a NUL byte for the end of its input: one after a complete document is refused
// where it stands, whatever follows it. Blanks alone may follow.
TEST(ProjectFileSyntax, NothingButBlanksMayFollowTheDocument)
{
    const std::string nul(1, '\0'), detail = "not valid JSON: syntax error while parsing value - a NUL byte after the "
                                             "document; expected end of input";
    ExpectError("{}" + nul + R"({"pier": 1})", "line 1, column 3", detail);
    ExpectError("{\"component\": {\"name\": \"三号墩\"}}\n " + nul, "line 2, column 2", detail);
    EXPECT_NO_THROW(ReadProjectText("{} \n\t\r\n", "t", ""));
}

TEST(ProjectFileSyntax, IllFormedUtf8IsMalformed)
{
    // The byte 0xFF can start no UTF-8 character: it stands at column 26, after "P".
    const ProjectFileError e = ErrorOf("{\"component\": {\"name\": \"P\xff\"}}");
    EXPECT_EQ(e.where(), "line 1, column 26");
    // The parser quotes what it read; the error line itself stays well-formed UTF-8.
    EXPECT_EQ(std::string(e.what()).find('\xff'), std::string::npos);
    EXPECT_NE(e.detail().find("\\xFF"), std::string::npos) << e.detail();
}

TEST(ProjectFileSyntax, TopLevelMustBeAnObject)
{
    ExpectError("[1, 2]", "top level", "expected an object holding the project's sections");
    ExpectError("\"pier\"", "top level", "expected an object holding the project's sections");
}

TEST(ProjectFileSyntax, DeepNestingIsRefusedBeforeItCanExhaustTheStack)
{
    std::string text = "{\"keyParameters\": ";
    for (int i = 0; i < 100000; ++i) text += '[';
    const ProjectFileError e = ErrorOf(text);
    EXPECT_EQ(e.detail(), "objects and lists nested more than 64 deep");
    EXPECT_EQ(e.where().rfind("keyParameters[0][0]", 0), 0U) << e.where();
}

TEST(ProjectFileValues, SkewAngleMustLieStrictlyBetweenMinusAndPlusNinetyDegrees)
{
    const char* detail = "expected an angle in degrees greater than -90 and less than 90";
    ExpectError(R"({"road": {"skewAngle": 90}})", "road.skewAngle", detail);
    ExpectError(R"({"road": {"skewAngle": -90}})", "road.skewAngle", detail);
    EXPECT_NO_THROW(ReadProjectText(R"({"road": {"skewAngle": 89.9}})", "t", ""));
}

TEST(ProjectFileValues, KeyParametersAreGivenOneWayOnly)
{
    ExpectError(R"({"keyParameters": {}, "keyParameterFile": "kp.json"})", "keyParameterFile",
                "the key parameters are already given by keyParameters; give one of the two");
    ExpectError(R"({"keyParameters": [1]})", "keyParameters", "expected an object, not a list");
    ExpectError(R"({"keyParameterFile": ""})", "keyParameterFile",
                "expected the path of a key-parameter file, not an empty text");
}

class ProjectFileOnDisk : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text)
    {
        const auto path = m_dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    const TempFolder m_folder{"pm001_project_file"};
    const std::filesystem::path& m_dir = m_folder.path();
};

TEST_F(ProjectFileOnDisk, MissingFileAndFolderAreNamed)
{
    const std::string missing = (m_dir / "missing.json").string();
    try {
        LoadProjectFile(missing);
        FAIL() << "a missing file was accepted";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(std::string(e.what()), missing + ": cannot open the project file: " + std::strerror(ENOENT));
    }
}

// What is not a regular file (a FIFO would block, /dev/zero never ends) is refused at once; so is
// a (sparse) file over 16 MiB = 16 777 216 bytes, unread. The error must begin with `begins`.
TEST_F(ProjectFileOnDisk, WhatIsNoRegularFileOrOverSixteenMebibytesIsRefusedUnread)
{
    const std::string fifo = (m_dir / "fifo").string(), large = Write("large.json", "");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // `size`: the large file's, 0 for the others.
    const struct { std::string path; std::uintmax_t size; std::string begins; } cases[] = {
        {m_dir.string(), 0, "\"" + m_dir.string() + "\" is not a regular file"},
        {fifo, 0, "\"" + fifo + "\" is not a regular file"},
        {"/dev/zero", 0, "\"/dev/zero\" is not a regular file"},
        {large, 16777216, large + ": line 1, column 1: "},   // read whole: NUL characters are no JSON
        {large, 16777217, large + ": larger than 16 MiB"},
        {large, std::uintmax_t{1} << 31, large + ": larger than 16 MiB"},
    };
    for (const auto& c : cases) {
        std::error_code ec;
        if (c.size != 0) std::filesystem::resize_file(large, c.size, ec);
        if (ec) GTEST_SKIP() << "this file system holds no sparse file of " << c.size << " bytes";
        try {
            LoadProjectFile(c.path);
            ADD_FAILURE() << c.path << " was accepted";
        } catch (const ProjectFileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.begins, 0), 0U) << e.what();
            if (c.size == 0) {
                EXPECT_EQ(std::string(e.what()), c.begins);   // the whole line
            }
        }
    }
}

TEST_F(ProjectFileOnDisk, ErrorLineStartsWithTheFileName)
{
    const std::string path = Write("p.json", R"({"pier": {"bBz": 6500}})");
    try {
        LoadProjectFile(path);
        FAIL() << "accepted";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(std::string(e.what()), path + ": pier.bBz: expected a text, not a whole number");
    }
}

TEST_F(ProjectFileOnDisk, RelativeKeyParameterFileIsTakenFromTheProjectFolder)
{
    const std::string path = Write("p.json", R"({"component": {"id": 7}, "keyParameterFile": "kp/P7.json"})");
    const auto project = LoadProjectFile(path);
    const std::string expected = (m_dir / "kp" / "P7.json").lexically_normal().string();
    EXPECT_EQ(project->keyParameters.file, "kp/P7.json");
    EXPECT_EQ(project->keyParameters.resolvedFile, expected);
    EXPECT_EQ(project->projectManager.GetKeyParamFullPath(7), CString(expected));
    EXPECT_TRUE(project->keyParameters.IsGiven());
}

TEST_F(ProjectFileOnDisk, AbsoluteKeyParameterFileIsKept)
{
    const std::string path = Write("p.json", R"({"keyParameterFile": "/data/kp/P7.json"})");
    EXPECT_EQ(LoadProjectFile(path)->keyParameters.resolvedFile, "/data/kp/P7.json");
}

TEST_F(ProjectFileOnDisk, ByteOrderMarkIsSkipped)
{
    const std::string path = Write("bom.json", "\xEF\xBB\xBF{\"component\": {\"name\": \"3号墩\"}}");
    EXPECT_EQ(LoadProjectFile(path)->name, CString("3号墩"));
}

} // namespace
