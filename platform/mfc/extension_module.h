// Extension-module list: which runtime classes a loaded module brings, and their chaining into lookup.
#pragma once

#include "cobject.h"

#include <vector>

struct AFX_EXTENSION_MODULE {
    bool bInitialized = false;
    void* hModule = nullptr;
    std::vector<CRuntimeClass*> classes;   // the classes the module registered while it was loading
};

// Marks the start of a module load: classes registered from now on belong to the next module
// that calls AfxInitExtensionModule. The host calls it just before loading a module.
void AfxBeginModuleLoad();

// Takes over the classes registered since the load began (without AfxBeginModuleLoad: every class
// not yet taken). A second call for the same handle changes nothing and returns true; false when
// state is already initialised for another module handle.
bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, void* hModule);

// Chains the module's classes into the process-wide lookup (CRuntimeClass::FromName).
// Create it with new: the object is owned by the library list and released by AfxTermExtensionModule.
class CDynLinkLibrary : public CObject {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;
    AFX_EXTENSION_MODULE& m_state;
    BOOL m_bSystem;
};

// Unchains and releases the module's library objects (with bAll, every module's); the module's
// classes are no longer found and state is uninitialised again.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// The modules chained now, in load order (for reports such as the host's registry listing).
std::vector<const AFX_EXTENSION_MODULE*> AfxLoadedModules();
