// The project-file loader with receive and diagnosis, as "pm001 check" runs them.
#include "fuzz_support.h"
#include "project_session.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrepareComponent();
    const std::unique_ptr<Project> project = ReadProject(data, size);
    if (!project) return 0;
    ProjectSession session(*project);
    session.Receive();
    session.Diagnose();
    return 0;
}
