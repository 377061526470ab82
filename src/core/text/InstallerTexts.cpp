#include "text/InstallerTexts.h"

namespace vistrel {
namespace {

// Read by packaging/nsis_texts.py as well: one {Id, "中文", "English"} entry each, literals only.
using enum InstallerText;
constexpr TextEntry<InstallerText> kTable[] = {
    {ProgramSection, "Vistrel 程序", "Vistrel program"},
    {AutostartSection, "开机启动", "Start with Windows"},
    {StillRunning, "Vistrel 仍在运行，无法替换 {0}。\n请从托盘菜单退出 Vistrel 后重试。",
     "Vistrel is still running, so {0} cannot be replaced.\nExit Vistrel from its tray menu and try again."},
    {UninstallStillRunning, "Vistrel 仍在运行，无法卸载。\n请从托盘菜单退出 Vistrel 后重试。",
     "Vistrel is still running, so it cannot be removed.\nExit Vistrel from its tray menu and try again."},
};
static_assert(wellFormed<InstallerText>(kTable));

}  // namespace

const TextEntry<InstallerText>& textEntry(InstallerText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<InstallerText>> textTable(InstallerText) { return kTable; }

}  // namespace vistrel
