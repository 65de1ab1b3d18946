// The key-parameter file a project names is read before the design: missing or damaged is unusable input.
#include "project_file.h"
#include "project_key_parameter_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace {

const std::string kExamples = std::string(PM001_SOURCE_DIR) + "/examples";

std::string ErrorOf(const Project& project)
{
    try {
        ReadProjectKeyParameters(project);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(KeyParameterFile, AMissingOrDamagedFileIsOneLineNamingIt)
{
    const auto project = LoadProjectFile(kExamples + "/footing.json");
    EXPECT_EQ(ErrorOf(*project), "");
    // The set read is handed to the design: the footing's file sets stirrups at 150 and four frame names.
    const std::optional<CPM001KeyParam> read = ReadProjectKeyParameters(*project);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->CapKeyParam.sg_s, 150.0);
    EXPECT_EQ(read->CapKeyParam.FrameName.GetSize(), 4);

    const TempFolder folder("pm001_keys");
    const std::filesystem::path& dir = folder.path();
    const std::string damaged = (dir / "damaged.json").string();
    std::ofstream(damaged) << "{\"cap\": ";
    const std::string missing = (dir / "none.json").string();

    project->keyParameters.resolvedFile = missing;
    EXPECT_EQ(ErrorOf(*project), "key-parameter file " + missing + ": no such file");
    project->keyParameters.resolvedFile = damaged;
    const std::string error = ErrorOf(*project);
    EXPECT_EQ(error.rfind("key-parameter file " + damaged + ": ", 0), 0u) << error;
    EXPECT_NE(error.find("not valid JSON"), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    project->keyParameters.resolvedFile = dir.string();
    EXPECT_EQ(ErrorOf(*project), "key-parameter file " + dir.string() + ": not a regular file");

    // No key parameters at all are the design's to judge.
    project->keyParameters.resolvedFile.clear();
    EXPECT_EQ(ErrorOf(*project), "");
    EXPECT_FALSE(ReadProjectKeyParameters(*project).has_value());
}

// Damaged key parameters written into the project are one line naming the project file and the key.
TEST(KeyParameterFile, DamagedKeyParametersInTheProjectAreOneLineNamingTheProject)
{
    std::ifstream in(kExamples + "/keyparams/footing.json");
    const std::string good{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto project = ReadProjectText("{\"keyParameters\": " + good + "}", "p.json", "");
    EXPECT_EQ(ErrorOf(*project), "");

    const struct { std::string inlineJson; const char* error; } cases[] = {
        {"{}", "p.json: keyParameters.cap: missing (a required key)"},
        {good.substr(0, good.rfind('}')) + R"(, "capBeam": {}})", "p.json: keyParameters.capBeam: unknown key"},
    };
    for (const auto& c : cases) {
        project->keyParameters.inlineJson = c.inlineJson;
        EXPECT_EQ(ErrorOf(*project), c.error);
    }
}
