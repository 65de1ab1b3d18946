// The library entry of the pier module: extension-module set-up at load and tear-down at unload.
#pragma once

constexpr unsigned DLL_PROCESS_DETACH = 0;
constexpr unsigned DLL_PROCESS_ATTACH = 1;
constexpr unsigned DLL_THREAD_ATTACH = 2;
constexpr unsigned DLL_THREAD_DETACH = 3;

// Attach: takes over the module's runtime classes and chains them into the class lookup;
// 0 when the module state cannot be initialised, else 1. Detach: unchains them; 1.
// Other reasons: nothing, 1.
int PM001LibraryEntry(void* hModule, unsigned reason);
