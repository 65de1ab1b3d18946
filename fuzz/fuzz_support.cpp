// What the fuzz targets share.
#include "fuzz_support.h"

#include "project_file.h"
#include "temp_folder.h"

#include "host/report.h"
#include "module/pier_component.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string_view>

void PrepareComponent()
{
    static const bool registered = [] {
        CPM001Norm::Regist();
        return true;
    }();
    (void)registered;
    ReportLog::Current().Clear();
}

void Require(bool holds, const char* property)
{
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

std::unique_ptr<Project> ReadProject(const unsigned char* data, std::size_t size)
{
    try {
        return ReadProjectText(std::string_view(reinterpret_cast<const char*>(data), size), "input",
                               std::string(PM001_SOURCE_DIR) + "/examples");
    } catch (const ProjectFileError&) {
        return nullptr;
    }
}

const std::string& WriteInputFile(const char* name, const unsigned char* data, std::size_t size)
{
    static const TempFolder folder("pm001_fuzz");   // removed at exit
    static std::map<std::string, std::string> paths;
    const std::string& path = paths.try_emplace(name, folder / name).first->second;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    Require(!out.fail(), "the input is written to its file");
    return path;
}

std::map<std::string, std::string> Printed(const OutputDataMap& outputs)
{
    std::map<std::string, std::string> printed;
    for (const auto& [name, value] : outputs) printed[std::string(name)] = value->ToText().str();
    return printed;
}
