#include "WindowRecord.h"

#include <commctrl.h>

#include <algorithm>

#include "ProcessNames.h"
#include "TabTexts.h"
#include "base/Text.h"

namespace vistrel::wininspect {
namespace {

// A hung or busy program must not stall the listing.
constexpr UINT kMessageTimeoutMs = 300;

std::optional<LRESULT> query(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, kMessageTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

// WM_GETTEXT is marshalled across processes, so edit boxes report what the user typed;
// the stored caption is the fallback when the owner does not answer.
std::wstring windowText(HWND window)
{
    if (const auto length = query(window, WM_GETTEXTLENGTH); length && *length >= 0) {
        std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
        if (const auto copied =
                query(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))) {
            text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min<LRESULT>(*copied, *length))));
            return text;
        }
    }
    wchar_t buffer[1024] = {};
    const int copied = InternalGetWindowText(window, buffer, static_cast<int>(std::size(buffer)));
    return std::wstring(buffer, static_cast<size_t>(std::max(0, copied)));
}

ScreenRect toScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

std::optional<TrackbarState> trackbarState(HWND window, const std::wstring& className)
{
    if (_wcsicmp(className.c_str(), TRACKBAR_CLASSW) != 0) return std::nullopt;
    const auto min = query(window, TBM_GETRANGEMIN);
    const auto max = query(window, TBM_GETRANGEMAX);
    const auto pos = query(window, TBM_GETPOS);
    if (!min || !max || !pos) return std::nullopt;
    // The trackbar answers with 32-bit values in a pointer-sized result.
    return TrackbarState{static_cast<std::int32_t>(*min), static_cast<std::int32_t>(*max),
                         static_cast<std::int32_t>(*pos)};
}

std::uintptr_t handleNumber(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace

std::optional<WindowRecord> describeWindow(HWND window, ProcessNames& processes)
{
    if (!IsWindow(window)) return std::nullopt;

    WindowRecord record;
    record.hwnd = handleNumber(window);
    HWND parent = GetAncestor(window, GA_PARENT);
    record.parent = parent == GetDesktopWindow() ? 0 : handleNumber(parent);
    record.owner = handleNumber(GetWindow(window, GW_OWNER));
    const DWORD thread = GetWindowThreadProcessId(window, &record.pid);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (GetGUIThreadInfo(thread, &gui)) {
        record.focused = gui.hwndFocus == window;
        record.active = gui.hwndActive == window;
    }
    record.process = win32::narrow(processes.nameOf(record.pid));

    wchar_t className[256] = {};
    const int classLength = GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (classLength <= 0) return std::nullopt;  // gone
    const std::wstring wideClass(className, static_cast<size_t>(classLength));
    record.className = win32::narrow(wideClass);
    record.text = win32::narrow(windowText(window));

    RECT rect{};
    if (!GetWindowRect(window, &rect)) return std::nullopt;
    record.rect = toScreenRect(rect);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    record.client = toScreenRect(client);

    record.visible = IsWindowVisible(window) != FALSE;
    record.enabled = IsWindowEnabled(window) != FALSE;
    record.style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    record.exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    if (record.exStyle & WS_EX_LAYERED) {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        if (GetLayeredWindowAttributes(window, &key, &alpha, &flags) && (flags & LWA_ALPHA))
            record.alpha = alpha;
    }
    // For top-level windows the id slot holds a menu handle, which is no control id.
    if (record.style & WS_CHILD) record.controlId = static_cast<std::int64_t>(GetWindowLongPtrW(window, GWLP_ID));
    record.trackbar = trackbarState(window, wideClass);
    record.tabs = tabTexts(window, wideClass, record.pid);
    // Asking for the accessible object waits for the owner without a time limit: only when it answers.
    if (query(window, WM_NULL)) record.accessible = describeAccessible(window);

    if (!IsWindow(window)) return std::nullopt;  // vanished while we read it: its fields may be junk
    return record;
}

std::string WindowRecord::toJson() const
{
    JsonLine json;
    json.add("hwnd", static_cast<std::int64_t>(hwnd))
        .add("parent", static_cast<std::int64_t>(parent))
        .add("owner", static_cast<std::int64_t>(owner))
        .add("pid", static_cast<std::int64_t>(pid))
        .add("process", process)
        .add("class", className)
        .add("text", text)
        .add("rect", rect)
        .add("client", client)
        .add("visible", visible)
        .add("enabled", enabled)
        .add("focused", focused)
        .add("active", active)
        .add("style", static_cast<std::int64_t>(style))
        .add("exstyle", static_cast<std::int64_t>(exStyle))
        .add("topmost", (exStyle & WS_EX_TOPMOST) != 0)
        .add("alpha", alpha)
        .add("id", controlId);
    if (trackbar) {
        JsonLine range;
        range.add("min", trackbar->min).add("max", trackbar->max).add("pos", trackbar->pos);
        std::string object = range.line();
        object.pop_back();  // the line feed
        json.addRaw("trackbar", object);
    }
    if (tabs) {
        std::string list = "[";
        for (const std::string& tab : *tabs) list += (list.size() > 1 ? ",\"" : "\"") + JsonLine::escape(tab) + "\"";
        json.addRaw("tabs", list + "]");
    }
    if (accessible) json.addRaw("accessible", accessible->toJson());
    return json.line();
}

}  // namespace vistrel::wininspect
