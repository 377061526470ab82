#pragma once
#include <windows.h>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// A system DLL loaded from System32 only, never from the program's folder or the PATH, for as long
// as this lives. Used for every system DLL that is not a KnownDLL (a static import of one would be
// looked for beside the program before WinMain runs) and for functions newer than the oldest
// Windows the program supports.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name)
        : m_module(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
    // Freeing the DLL keeps the last error, so a caller can still trace why a call through it failed.
    ~SystemLibrary()
    {
        const DWORD error = GetLastError();
        m_module.reset();
        SetLastError(error);
    }
    SystemLibrary(SystemLibrary&&) noexcept = default;
    SystemLibrary& operator=(SystemLibrary&&) noexcept = default;

    explicit operator bool() const { return static_cast<bool>(m_module); }

    // The DLL stays loaded for the rest of the process, as a static import would: for a registration
    // that lives in the DLL's state after the call returns.
    void keepLoaded() { m_module.release(); }

    // The exported function `name` as Function (a function pointer type, e.g.
    // decltype(&::GradientFill)); null when the DLL did not load or lacks it, with the last error set.
    template <typename Function>
    Function function(const char* name) const
    {
        if (!m_module) return nullptr;
        // Through a generic function pointer: FARPROC and the real signature are unrelated types.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(m_module.get(), name)));
    }

private:
    UniqueModule m_module;
};

}  // namespace vistrel::win32
