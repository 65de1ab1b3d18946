// The process-wide runtime-class list, created on first use.
#include "class_registry.h"

ClassRegistry& ClassRegistry::Instance()
{
    static ClassRegistry* registry = [] {
        // Never destroyed: modules may still register or unregister classes while the process ends.
        auto* r = new ClassRegistry;
        r->application.push_back(&CObject::classCObject);
        return r;
    }();
    return *registry;
}
