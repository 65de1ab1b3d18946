// The component module's exported symbols: the library entry and the registration with the host.
#include "module/module_entry.h"
#include "module/pier_component.h"

#define PM001_EXPORT extern "C" __attribute__((visibility("default")))

PM001_EXPORT int pm001_library_entry(void* hModule, unsigned reason)
{
    return PM001LibraryEntry(hModule, reason);
}

PM001_EXPORT void pm001_regist()
{
    CPM001Norm::Regist();
}
