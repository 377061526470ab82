#pragma once
#include <windows.h>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// Holds a named mutex for the life of the process: the first copy owns it, later ones see it.
class SingleInstance {
public:
    explicit SingleInstance(const wchar_t* name)
        : m_mutex(CreateMutexW(nullptr, FALSE, name)), m_first(m_mutex && GetLastError() != ERROR_ALREADY_EXISTS)
    {
        // Access denied means another user's or an elevated copy owns it: not the first either.
    }

    bool isFirst() const { return m_first; }

private:
    UniqueKernelHandle m_mutex;
    bool m_first;
};

}  // namespace vistrel::win32
