// The library entry of the pier module.
#include "module/module_entry.h"

#include "mfc/extension_module.h"

namespace {

AFX_EXTENSION_MODULE PM001DLL;

} // namespace

int PM001LibraryEntry(void* hModule, unsigned reason)
{
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(PM001DLL, hModule)) return 0;
        // Owned by the library list from now on; AfxTermExtensionModule releases it.
        new CDynLinkLibrary(PM001DLL, FALSE);
        return 1;
    }
    if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(PM001DLL, FALSE);
    }
    return 1;
}
