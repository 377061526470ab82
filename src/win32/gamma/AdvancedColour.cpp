#include "gamma/AdvancedColour.h"

#include <windows.h>

#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

// The active display paths: each joins a source (a GDI display) to a target (a monitor).
std::vector<DISPLAYCONFIG_PATH_INFO> activePaths()
{
    std::vector<DISPLAYCONFIG_PATH_INFO> paths;
    std::vector<DISPLAYCONFIG_MODE_INFO> modes;
    LONG result = ERROR_INSUFFICIENT_BUFFER;
    // The configuration may change between asking for the sizes and the query.
    for (int attempt = 0; attempt < 3 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        UINT32 pathCount = 0, modeCount = 0;
        result = GetDisplayConfigBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount);
        if (result != ERROR_SUCCESS) break;
        paths.resize(pathCount);
        modes.resize(modeCount);
        result = QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount, modes.data(), nullptr);
        paths.resize(pathCount);
    }
    if (result == ERROR_SUCCESS) return paths;
    traceError(L"QueryDisplayConfig", static_cast<DWORD>(result));
    return {};
}

// One piece of what Windows knows of a path's source or target; false, traced, when it says nothing.
template <typename Info>
bool deviceInfo(Info& info, DISPLAYCONFIG_DEVICE_INFO_TYPE type, LUID adapter, UINT32 id, const wchar_t* what)
{
    info.header.type = type;
    info.header.size = sizeof info;
    info.header.adapterId = adapter;
    info.header.id = id;
    const LONG result = DisplayConfigGetDeviceInfo(&info.header);
    if (result != ERROR_SUCCESS) traceError(what, static_cast<DWORD>(result));
    return result == ERROR_SUCCESS;
}

}  // namespace

std::vector<std::wstring> advancedColourDisplays()
{
    std::vector<std::wstring> names;
    for (const DISPLAYCONFIG_PATH_INFO& path : activePaths()) {
        DISPLAYCONFIG_GET_ADVANCED_COLOR_INFO colour{};
        if (!deviceInfo(colour, DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO, path.targetInfo.adapterId,
                        path.targetInfo.id, L"DisplayConfigGetDeviceInfo for advanced colour") ||
            !colour.advancedColorEnabled)
            continue;
        DISPLAYCONFIG_SOURCE_DEVICE_NAME source{};
        if (deviceInfo(source, DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME, path.sourceInfo.adapterId, path.sourceInfo.id,
                       L"DisplayConfigGetDeviceInfo for the source name"))
            names.emplace_back(source.viewGdiDeviceName);
    }
    return names;
}

}  // namespace vistrel::win32
