#include "TabTexts.h"

#include <commctrl.h>

#include "base/Text.h"
#include "base/UniqueHandle.h"

namespace vistrel::wininspect {
namespace {

constexpr int kMaxTabText = 256;
constexpr UINT kTimeoutMs = 300;

// Memory in another process, freed when it goes.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size)
        : m_process(process),
          m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
    {
    }
    ~RemoteBuffer()
    {
        if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    char* address() const { return static_cast<char*>(m_address); }

private:
    HANDLE m_process;
    void* m_address;
};

}  // namespace

std::optional<std::vector<std::string>> tabTexts(HWND window, const std::wstring& className, DWORD pid)
{
    if (_wcsicmp(className.c_str(), WC_TABCONTROLW) != 0) return std::nullopt;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(window, TCM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &count))
        return std::nullopt;
    constexpr DWORD access = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
    win32::UniqueKernelHandle process(OpenProcess(access, FALSE, pid));
    if (!process) return std::nullopt;
    RemoteBuffer buffer(process.get(), sizeof(TCITEMW) + kMaxTabText * sizeof(wchar_t));
    if (!buffer.address()) return std::nullopt;
    std::vector<std::string> texts;
    for (DWORD_PTR i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(buffer.address() + sizeof(TCITEMW));
        item.cchTextMax = kMaxTabText;
        wchar_t text[kMaxTabText] = {};
        DWORD_PTR got = 0;
        if (!WriteProcessMemory(process.get(), buffer.address(), &item, sizeof item, nullptr) ||
            !SendMessageTimeoutW(window, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(buffer.address()),
                                 SMTO_ABORTIFHUNG, kTimeoutMs, &got) ||
            !got || !ReadProcessMemory(process.get(), item.pszText, text, sizeof text - sizeof(wchar_t), nullptr))
            return std::nullopt;
        texts.push_back(win32::narrow(text));
    }
    return texts;
}

}  // namespace vistrel::wininspect
