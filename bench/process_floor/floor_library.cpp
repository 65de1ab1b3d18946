// The process floor's library: one small C++ function, so that loading it loads the C++ runtime too.
#include <string>

extern "C" __attribute__((visibility("default"))) int process_floor_entry(const char* text)
{
    const std::string copy(text);
    return static_cast<int>(copy.size());
}
