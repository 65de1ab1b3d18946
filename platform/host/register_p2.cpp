// The host's registry of component classes. Modules register while they load, on the host's
// loading thread; afterwards the registry is only read.
#include "host/register_p2.h"

namespace {

std::vector<RegisteredComponent>& Registry()
{
    static std::vector<RegisteredComponent> registry;
    return registry;
}

} // namespace

void RegisterP2(int type, int code, CRuntimeClass* runtimeClass)
{
    for (RegisteredComponent& entry : Registry()) {
        if (entry.code == code) {
            // A code names one class: the newer registration takes the place of the older one.
            entry.type = type;
            entry.runtimeClass = runtimeClass;
            return;
        }
    }
    Registry().push_back({type, code, runtimeClass});
}

const std::vector<RegisteredComponent>& RegisteredComponents() { return Registry(); }

CRuntimeClass* FindComponentClass(int code)
{
    for (const RegisteredComponent& entry : Registry()) {
        if (entry.code == code) return entry.runtimeClass;
    }
    return nullptr;
}

void UnregisterComponents() { Registry().clear(); }
