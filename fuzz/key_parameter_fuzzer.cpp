// The key-parameter reader: whatever it reads, it writes, and reading and writing that again
// gives the same text.
#include "fuzz_support.h"

#include "calc/key_param_json.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrepareComponent();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CPM001KeyParam first;
    std::string error;
    if (!ReadKeyParamJson(text, "", first, error)) return 0;
    std::string written;
    if (!WriteKeyParamJson(first, written, error)) return 0;   // a real or text its JSON form cannot hold
    CPM001KeyParam second;
    Require(ReadKeyParamJson(written, "", second, error), "written key parameters read back");
    std::string rewritten;
    Require(WriteKeyParamJson(second, rewritten, error), "key parameters read back write again");
    Require(written == rewritten, "read -> write -> read -> write gives the same text");
    return 0;
}
