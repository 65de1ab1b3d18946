// The whole road of a project: check, design, output, store in a container, load into a fresh
// component. The loaded component answers as the designed one and stores the same bytes.
#include "fuzz_support.h"
#include "project_container.h"
#include "project_key_parameter_file.h"
#include "project_session.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrepareComponent();
    const std::unique_ptr<Project> project = ReadProject(data, size);
    if (!project) return 0;
    std::optional<CPM001KeyParam> keyParam;
    try {
        keyParam = ReadProjectKeyParameters(*project);   // as the host reads them before the design
    } catch (const std::runtime_error&) {
        return 0;
    }
    ProjectSession session(*project);
    const int received = session.Receive();
    if (session.Diagnose() == 0 || received == 0) return 0;
    if (session.Design(std::move(keyParam)) == 0) return 0;
    const auto designed = Printed(session.Output());
    const ComponentDataSets stored = session.Store();
    const ComponentDataSets decoded = DecodeContainer(EncodeContainer(stored), "container");

    ProjectSession loaded;
    loaded.Load(decoded);   // a designed pier always loads: an exception here is a finding
    Require(Printed(loaded.Output()) == designed, "the loaded pier answers as the designed one");
    const ComponentDataSets again = loaded.Store();
    Require(again.origin == stored.origin && again.design == stored.design && again.adjustment == stored.adjustment,
            "the loaded pier stores the same bytes");
    return 0;
}
