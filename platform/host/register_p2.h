// The host's registry of component classes: RegisterP2 and the look-ups of the component manager.
#pragma once

#include "mfc/cobject.h"

#include <vector>

struct RegisteredComponent {
    int type;
    int code;
    CRuntimeClass* runtimeClass;
};

void RegisterP2(int type, int code, CRuntimeClass* runtimeClass);   // re-registering a code replaces it
const std::vector<RegisteredComponent>& RegisteredComponents();      // in registration order
CRuntimeClass* FindComponentClass(int code);                          // null when not registered
void UnregisterComponents();                                          // host clears before unloading a module
