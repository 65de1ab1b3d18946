/* The C floor: a C program that loads one small C library, calls it, and unloads it; the least a
 * process pays that loads a shared library, with no C++ runtime at all.
 *
 *   process_c_floor_host <library> */
#include <dlfcn.h>

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) return 2;
    int (*entry)(const char*) = (int (*)(const char*))dlsym(library, "process_floor_entry");
    const int answer = entry ? entry(argv[0]) : -1;
    dlclose(library);
    return answer > 0 ? 0 : 1;
}
