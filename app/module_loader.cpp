// Loading and unloading of the component module through its exported entry and registration symbols.
#include "module_loader.h"

#include "host/register_p2.h"
#include "mfc/extension_module.h"

#include <dlfcn.h>
#include <climits>
#include <unistd.h>

namespace {

constexpr unsigned kProcessDetach = 0;
constexpr unsigned kProcessAttach = 1;

template <class Fn>
Fn symbol(void* handle, const char* name, const std::string& path)
{
    void* found = dlsym(handle, name);
    if (!found) throw std::runtime_error("module " + path + " does not export " + name);
    return reinterpret_cast<Fn>(found);
}

} // namespace

ComponentModule::ComponentModule(const std::string& path) : m_path(path)
{
    AfxBeginModuleLoad();
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* why = dlerror();
        throw std::runtime_error("cannot load module " + path + ": " + (why ? why : "unknown error"));
    }
    try {
        m_entry = symbol<int (*)(void*, unsigned)>(m_handle, "pm001_library_entry", path);
        auto regist = symbol<void (*)()>(m_handle, "pm001_regist", path);
        if (m_entry(m_handle, kProcessAttach) == 0) {
            m_entry = nullptr;
            throw std::runtime_error("module " + path + " refused to attach");
        }
        regist();
    } catch (...) {
        dlclose(m_handle);
        throw;
    }
}

ComponentModule::~ComponentModule()
{
    UnregisterComponents();
    if (m_entry) m_entry(m_handle, kProcessDetach);
    if (m_handle) dlclose(m_handle);
}

std::string ComponentModule::DefaultPath()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string dir = ".";
    if (n > 0) {
        const std::string exe(buffer, static_cast<std::size_t>(n));
        const auto slash = exe.rfind('/');
        if (slash != std::string::npos) dir = exe.substr(0, slash);
    }
    return dir + "/libpm001.so";
}
