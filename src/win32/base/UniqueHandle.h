#pragma once
#include <windows.h>

#include <utility>

namespace vistrel::win32 {

// Exactly one owner for a Win32 handle: move-only, closed by Traits::close when it goes.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::invalid(); }

    Handle release() { return std::exchange(m_handle, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid())
    {
        const Handle old = std::exchange(m_handle, handle);
        if (old != Traits::invalid()) Traits::close(old);
    }

private:
    Handle m_handle = Traits::invalid();
};

// Traits for handles whose invalid value is null and that one function closes.
template <typename H, auto Close>
struct NullInvalidTraits {
    using Handle = H;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { Close(h); }
};

// File handles are the one kind whose invalid value is INVALID_HANDLE_VALUE, not null.
struct FileTraits {
    using Handle = HANDLE;
    static Handle invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) { CloseHandle(h); }
};

template <typename H>
using GdiTraits = NullInvalidTraits<H, &DeleteObject>;

using UniqueBitmap = UniqueHandle<GdiTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<GdiTraits<HRGN>>;
using UniqueFont = UniqueHandle<GdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiTraits<HPEN>>;
using UniqueKernelHandle = UniqueHandle<NullInvalidTraits<HANDLE, &CloseHandle>>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueWindow = UniqueHandle<NullInvalidTraits<HWND, &DestroyWindow>>;
using UniqueIcon = UniqueHandle<NullInvalidTraits<HICON, &DestroyIcon>>;
using UniqueMenu = UniqueHandle<NullInvalidTraits<HMENU, &DestroyMenu>>;
using UniqueMemoryDc = UniqueHandle<NullInvalidTraits<HDC, &DeleteDC>>;
using UniqueDisplayDc = UniqueHandle<NullInvalidTraits<HDC, &DeleteDC>>;  // from CreateDCW, for one display
// A registration for power-setting notifications, undone when it goes.
using UniquePowerNotify = UniqueHandle<NullInvalidTraits<HPOWERNOTIFY, &UnregisterPowerSettingNotification>>;
using UniqueModule = UniqueHandle<NullInvalidTraits<HMODULE, &FreeLibrary>>;
using UniqueRegKey = UniqueHandle<NullInvalidTraits<HKEY, &RegCloseKey>>;

// A DC obtained with GetDC, released to the window it came from.
class WindowDc {
public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDc()
    {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : m_window(other.m_window), m_dc(std::exchange(other.m_dc, nullptr)) {}
    WindowDc& operator=(WindowDc&&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

// One WM_PAINT's BeginPaint ... EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : m_window(window) { BeginPaint(window, &m_paint); }
    ~PaintScope()
    {
        if (m_paint.hdc) EndPaint(m_window, &m_paint);
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    // Null when there was nothing to paint with.
    HDC dc() const { return m_paint.hdc; }
    const RECT& area() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
};

// Selects a GDI object into a DC for one scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~SelectObjectScope() { SelectObject(m_dc, m_old); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace vistrel::win32
