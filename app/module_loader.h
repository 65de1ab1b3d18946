// Loads the pier component module the way the suite's host does: load, attach, register; detach at unload.
#pragma once

#include <stdexcept>
#include <string>

class ComponentModule {
public:
    // Loads the shared library at path, runs its library entry with "attach" and its registration.
    // Throws std::runtime_error naming the path and the cause when any step fails.
    explicit ComponentModule(const std::string& path);
    // Clears the registry, runs the library entry with "detach" and unloads the library.
    ~ComponentModule();
    ComponentModule(const ComponentModule&) = delete;
    ComponentModule& operator=(const ComponentModule&) = delete;

    const std::string& path() const { return m_path; }

    // The module that sits next to the running host executable.
    static std::string DefaultPath();

private:
    std::string m_path;
    void* m_handle = nullptr;
    int (*m_entry)(void*, unsigned) = nullptr;
};
