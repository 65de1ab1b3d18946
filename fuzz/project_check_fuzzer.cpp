// The project-file loader with receive and diagnosis, as "pm001 check" runs them: the input is a
// whole project file, written to disk and read through the file loader, so that the loader's own
// reading and checks are in reach as well as the text's.
#include "fuzz_support.h"
#include "project_file.h"
#include "project_session.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Whether reading the text as text refuses it.
bool TextRefused(const std::uint8_t* data, std::size_t size)
{
    try {
        ReadProjectText(std::string_view(reinterpret_cast<const char*>(data), size), "input", "");
        return false;
    } catch (const ProjectFileError&) {
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrepareComponent();
    const std::string& path = WriteInputFile("project.json", data, size);
    std::unique_ptr<Project> project;
    try {
        project = LoadProjectFile(path);
    } catch (const ProjectFileError&) {
        Require(TextRefused(data, size), "the file loader refuses only what the text reader refuses");
        return 0;
    }
    Require(!TextRefused(data, size), "the file loader accepts what the text reader accepts");
    ProjectSession session(*project);
    session.Receive();
    session.Diagnose();
    return 0;
}
