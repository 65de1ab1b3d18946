// The stored component files that seed the fuzzing of the loader still load: a format change
// that leaves them behind shows here, not as a fuzz corpus that only reaches the checksum test.
// The inputs kept as fuzz regressions (fuzz/regressions/) are read here as their targets read
// them, so that every test build, the sanitizer one included, replays them.
#include "project_container.h"
#include "project_file.h"
#include "project_key_parameter_file.h"
#include "project_session.h"

#include "calc/key_param_json.h"
#include "module/pier_component.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

const std::string kSource = PM001_SOURCE_DIR;

// Reads every regression input of target as the target reads it (read throws the line that
// refuses it); the line is one line, and an input named deep-… is refused for its nesting.
using Reader = std::function<void(const std::string& text, const std::string& path)>;
void Replay(const std::string& target, const Reader& read)
{
    for (const auto& entry : std::filesystem::directory_iterator(kSource + "/fuzz/regressions/" + target)) {
        const std::string name = entry.path().filename().string();
        if (name == ".gitkeep") continue;
        SCOPED_TRACE(target + "/" + name);
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string error;
        try {
            read(text, entry.path().string());
        } catch (const std::exception& e) {
            error = e.what();
        }
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        const bool deep = name.rfind("deep-", 0) == 0;
        EXPECT_TRUE(!deep || error.find("nested more than 64 deep") != std::string::npos) << error;
    }
}

} // namespace

TEST(FuzzSeeds, StoredComponentSeedsLoadIntoAFreshComponent)
{
    CPM001Norm::Regist();
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSource + "/fuzz/corpus/container_load")) {
        SCOPED_TRACE(entry.path().string());
        ProjectSession session;
        EXPECT_NO_THROW(session.Load(LoadContainer(entry.path().string())));
        EXPECT_FALSE(session.Output().empty());
        ++seeds;
    }
    EXPECT_EQ(seeds, 9);   // one for each sample pier
}

TEST(FuzzRegressions, KeyParameterStoredComponentAndProjectInputsAreReadWithoutACrash)
{
    CPM001Norm::Regist();
    Replay("key_parameter", [](const std::string& text, const std::string&) {
        CPM001KeyParam keyParam;
        std::string error;
        if (!ReadKeyParamJson(text, "", keyParam, error)) throw std::runtime_error(error);
    });
    Replay("container_load",
           [](const std::string&, const std::string& path) { ProjectSession().Load(LoadContainer(path)); });
    // A project's key parameters; a relative key-parameter file is taken from examples/, as there.
    Replay("whole_road", [](const std::string& text, const std::string&) {
        ReadProjectKeyParameters(*ReadProjectText(text, "input", kSource + "/examples"));
    });
}
