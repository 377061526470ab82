#pragma once
#include <windows.h>

#include <oleacc.h>

#include <string>

#include "base/SystemLibrary.h"

namespace vistrel::testing {

// A screen reader's view of a window, taken the way one takes it: WM_GETOBJECT for the client.
class ScreenReader {
public:
    ScreenReader() : m_oleacc(L"oleacc.dll")
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        m_fromWindow = m_oleacc.function<decltype(&::AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
    }
    ~ScreenReader() { CoUninitialize(); }

    // A new reference, or null.
    IAccessible* object(HWND window) const
    {
        IAccessible* accessible = nullptr;
        if (!m_fromWindow || FAILED(m_fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&accessible))))
            return nullptr;
        return accessible;
    }

private:
    win32::SystemLibrary m_oleacc;
    decltype(&::AccessibleObjectFromWindow) m_fromWindow = nullptr;
};

// The object itself, or one of its simple elements (1 for the first).
inline VARIANT self(long child = CHILDID_SELF)
{
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

inline std::wstring text(IAccessible* a, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                         long child = CHILDID_SELF)
{
    BSTR value = nullptr;
    if (FAILED((a->*get)(self(child), &value)) || !value) return L"(none)";
    std::wstring result(value, SysStringLen(value));
    SysFreeString(value);
    return result;
}

inline long number(IAccessible* a, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
                   long child = CHILDID_SELF)
{
    VARIANT value{};
    return SUCCEEDED((a->*get)(self(child), &value)) && value.vt == VT_I4 ? value.lVal : -1;
}

}  // namespace vistrel::testing
