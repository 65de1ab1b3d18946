// The process floor's library: one small C++ function that uses the C++ runtime, as the component module does.
#include <string>

extern "C" __attribute__((visibility("default"))) int process_floor_entry(const char* text)
{
    const std::string copy(text);
    return static_cast<int>(copy.size());
}
