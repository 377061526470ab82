#include "AccessibleRecord.h"

#include <oleacc.h>

#include <cstdio>

#include "JsonLine.h"
#include "base/Text.h"

namespace vistrel::wininspect {
namespace {

// Bit i of a state is kStateNames[i].
constexpr const char* kStateNames[] = {
    "unavailable", "selected",   "focused",   "pressed",        "checked",         "mixed",
    "readonly",    "hottracked", "default",   "expanded",       "collapsed",       "busy",
    "floating",    "marqueed",   "animated",  "invisible",      "offscreen",       "sizeable",
    "moveable",    "selfvoicing", "focusable", "selectable",    "linked",          "traversed",
    "multiselectable", "extselectable", "alert_low", "alert_medium", "alert_high", "protected",
    "haspopup"};

std::string takeText(BSTR text)
{
    if (!text) return {};
    std::string utf8 = win32::narrow(std::wstring_view(text, SysStringLen(text)));
    SysFreeString(text);
    return utf8;
}

std::string quoted(std::string_view utf8) { return "\"" + JsonLine::escape(utf8) + "\""; }

}  // namespace

std::vector<std::string> stateNames(std::int64_t state)
{
    std::vector<std::string> names;
    for (int bit = 0; bit < 32; ++bit) {
        const std::int64_t flag = std::int64_t{1} << bit;
        if (!(state & flag)) continue;
        if (bit < static_cast<int>(std::size(kStateNames))) {
            names.emplace_back(kStateNames[bit]);
        } else {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%llx", static_cast<unsigned long long>(flag));
            names.emplace_back(hex);
        }
    }
    return names;
}

std::optional<AccessibleRecord> describeAccessible(HWND window)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return std::nullopt;

    AccessibleRecord record;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(self, &text))) record.name = takeText(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accValue(self, &text))) record.value = takeText(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accDefaultAction(self, &text))) record.defaultAction = takeText(text);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) {
        record.role = role.lVal;
        wchar_t roleText[128] = {};
        const UINT length = GetRoleTextW(static_cast<DWORD>(role.lVal), roleText, std::size(roleText));
        record.roleText = win32::narrow(std::wstring_view(roleText, length));
    }
    VariantClear(&role);
    VARIANT state{};
    if (SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4) {
        record.state = static_cast<std::uint32_t>(state.lVal);
        record.states = stateNames(record.state);
    }
    VariantClear(&state);
    object->Release();
    return record;
}

std::string AccessibleRecord::toJson() const
{
    std::string states_ = "[";
    for (const std::string& s : states) states_ += (states_.size() > 1 ? "," : "") + quoted(s);
    states_ += "]";
    JsonLine json;
    json.add("name", name)
        .add("role", role)
        .add("roleText", roleText)
        .add("state", state)
        .addRaw("states", states_)
        .add("value", value)
        .add("defaultAction", defaultAction);
    std::string object = json.line();
    object.pop_back();  // the line feed
    return object;
}

}  // namespace vistrel::wininspect
