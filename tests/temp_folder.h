// TempFolder: a fresh folder of a test's own under TMPDIR (or /tmp), made with a name no other run
// has, and removed with all it holds when the object goes. Shared by tests, benchmarks and fuzz
// targets: none of them writes outside one.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

class TempFolder {
public:
    // tag begins the folder's name, for whoever finds one left by a killed run.
    explicit TempFolder(const std::string& tag)
    {
        std::string name = (std::filesystem::temp_directory_path() / (tag + "_XXXXXX")).string();
        if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder " + name);
        m_path = name;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The path of name inside the folder.
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};
