// The process-wide list of runtime classes: application classes, classes pending for the module
// being loaded, and the chained extension libraries. Internal to the MFC stand-in.
#pragma once

#include "extension_module.h"

#include <mutex>
#include <vector>

struct ClassRegistry {
    std::mutex mutex;
    std::vector<CRuntimeClass*> application;   // registered before any module load began
    std::vector<CRuntimeClass*> pending;       // registered since, not yet taken by a module
    std::vector<CDynLinkLibrary*> libraries;   // chained libraries in load order; owned

    // Safe to use during static initialisation of any translation unit or module.
    static ClassRegistry& Instance();
};
