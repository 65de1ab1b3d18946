// Extension-module list: modules take over the classes registered while they loaded and chain
// them into lookup until they are terminated.
#include "extension_module.h"

#include "class_registry.h"

#include <algorithm>

void AfxBeginModuleLoad()
{
    ClassRegistry& registry = ClassRegistry::Instance();
    std::lock_guard lock(registry.mutex);
    // Whatever registered before this load is the host's own.
    registry.application.insert(registry.application.end(), registry.pending.begin(), registry.pending.end());
    registry.pending.clear();
}

bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, void* hModule)
{
    ClassRegistry& registry = ClassRegistry::Instance();
    std::lock_guard lock(registry.mutex);
    if (state.bInitialized) return state.hModule == hModule;
    state.hModule = hModule;
    state.classes = std::move(registry.pending);
    registry.pending.clear();
    state.bInitialized = true;
    return true;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem) : m_state(state), m_bSystem(bSystem)
{
    ClassRegistry& registry = ClassRegistry::Instance();
    std::lock_guard lock(registry.mutex);
    registry.libraries.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    ClassRegistry& registry = ClassRegistry::Instance();
    std::lock_guard lock(registry.mutex);
    std::erase(registry.libraries, this);
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    ClassRegistry& registry = ClassRegistry::Instance();
    std::vector<CDynLinkLibrary*> released;
    {
        std::lock_guard lock(registry.mutex);
        auto keep = [&](CDynLinkLibrary* library) { return !bAll && &library->m_state != &state; };
        auto split = std::stable_partition(registry.libraries.begin(), registry.libraries.end(), keep);
        released.assign(split, registry.libraries.end());
        registry.libraries.erase(split, registry.libraries.end());
        state.classes.clear();
        state.hModule = nullptr;
        state.bInitialized = false;
    }
    // The destructors find themselves already unchained.
    for (CDynLinkLibrary* library : released) delete library;
}

std::vector<const AFX_EXTENSION_MODULE*> AfxLoadedModules()
{
    ClassRegistry& registry = ClassRegistry::Instance();
    std::lock_guard lock(registry.mutex);
    std::vector<const AFX_EXTENSION_MODULE*> modules;
    for (const CDynLinkLibrary* library : registry.libraries)
        if (std::find(modules.begin(), modules.end(), &library->m_state) == modules.end())
            modules.push_back(&library->m_state);
    return modules;
}
