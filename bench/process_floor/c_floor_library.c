/* The C floor's library: one small C function. */
#include <string.h>

__attribute__((visibility("default"))) int process_floor_entry(const char* text)
{
    return (int)strlen(text);
}
