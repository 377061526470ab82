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

}  // namespace

std::vector<std::wstring> advancedColourDisplays()
{
    std::vector<std::wstring> names;
    for (const DISPLAYCONFIG_PATH_INFO& path : activePaths()) {
        DISPLAYCONFIG_GET_ADVANCED_COLOR_INFO colour{};
        colour.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO;
        colour.header.size = sizeof colour;
        colour.header.adapterId = path.targetInfo.adapterId;
        colour.header.id = path.targetInfo.id;
        if (const LONG result = DisplayConfigGetDeviceInfo(&colour.header); result != ERROR_SUCCESS) {
            traceError(L"DisplayConfigGetDeviceInfo for advanced colour", static_cast<DWORD>(result));
            continue;
        }
        if (!colour.advancedColorEnabled) continue;

        DISPLAYCONFIG_SOURCE_DEVICE_NAME source{};
        source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
        source.header.size = sizeof source;
        source.header.adapterId = path.sourceInfo.adapterId;
        source.header.id = path.sourceInfo.id;
        if (const LONG result = DisplayConfigGetDeviceInfo(&source.header); result != ERROR_SUCCESS) {
            traceError(L"DisplayConfigGetDeviceInfo for the source name", static_cast<DWORD>(result));
            continue;
        }
        names.emplace_back(source.viewGdiDeviceName);
    }
    return names;
}

}  // namespace vistrel::win32
