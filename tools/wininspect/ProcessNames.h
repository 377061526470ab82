#pragma once
#include <windows.h>

#include <map>
#include <string>

namespace vistrel::wininspect {

// Image file names of processes ("vistrel.exe"), looked up once per process id.
class ProcessNames {
public:
    // Empty when the process is gone or will not say.
    const std::wstring& nameOf(DWORD pid);

private:
    std::map<DWORD, std::wstring> m_names;
};

// The last path component, so "Z:\\a\\b\\vistrel.exe" and "vistrel.exe" compare alike.
std::wstring fileNameOf(const std::wstring& path);

}  // namespace vistrel::wininspect
