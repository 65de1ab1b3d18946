// The material catalogue reader, as a catalogue named through PM001_DATA_DIR is read: the input is a
// whole catalogue file, written to disk and read through the file reader, so that its own reading
// and checks are in reach as well as the text's. The file gives the same catalogue as its text or
// the same error, and every error is one line naming the file.
#include "fuzz_support.h"

#include "catalog/material_catalog_reader.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

// The catalogue read from source, or the error line in error.
std::optional<MaterialCatalogSource> Read(const std::string& source, std::string_view text, std::string& error)
{
    try {
        return text.data() ? ReadMaterialCatalog(text, source) : ReadMaterialCatalogFile(source);
    } catch (const std::runtime_error& e) {
        error = e.what();
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = WriteInputFile("material_catalog.json", data, size);
    std::string fileError, textError;
    const std::optional<MaterialCatalogSource> fromFile = Read(path, std::string_view(), fileError);
    const std::optional<MaterialCatalogSource> fromText =
        Read(path, std::string_view(size ? reinterpret_cast<const char*>(data) : "", size), textError);
    Require(fromFile.has_value() == fromText.has_value() && fileError == textError,
            "the file reader gives what the text reader gives");
    if (!fromFile) {
        Require(fileError.rfind(path + ": ", 0) == 0 && fileError.find('\n') == std::string::npos,
                "an error is one line naming the file");
        return 0;
    }
    Require(fromFile->ids == fromText->ids && fromFile->entries.size() == fromText->entries.size(),
            "the file reader gives what the text reader gives");
    return 0;
}
