// The process floor: a tiny host that loads one small shared library, calls it, and unloads it.
// It is linked with the C++ runtime and loads its library as pm001 loads its component module, so
// that the runtime is in the process from the start and loading binds only the library itself.
//
//   process_floor_host <library>
#include <dlfcn.h>

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) return 2;
    auto* entry = reinterpret_cast<int (*)(const char*)>(dlsym(library, "process_floor_entry"));
    const int answer = entry ? entry(argv[0]) : -1;
    dlclose(library);
    return answer > 0 ? 0 : 1;
}
