#include "ProcessNames.h"

#include "base/UniqueHandle.h"

namespace vistrel::wininspect {

std::wstring fileNameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

const std::wstring& ProcessNames::nameOf(DWORD pid)
{
    if (const auto found = m_names.find(pid); found != m_names.end()) return found->second;

    std::wstring name;
    const win32::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (process) {
        wchar_t path[MAX_PATH * 4] = {};
        DWORD size = static_cast<DWORD>(std::size(path));
        if (QueryFullProcessImageNameW(process.get(), 0, path, &size)) name = fileNameOf(std::wstring(path, size));
    }
    return m_names.emplace(pid, std::move(name)).first->second;
}

}  // namespace vistrel::wininspect
