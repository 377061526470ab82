#include "text/ColourTexts.h"

namespace vistrel {
namespace {

using enum ColourText;
constexpr TextEntry<ColourText> kTable[] = {
    {BrightnessHeading, "亮度", "Brightness"},
    {ContrastHeading, "对比度", "Contrast"},
    {GainsHeading, "三原色：蓝色越低越好", "Red, green, blue: less blue is better"},
    {Red, "红", "R"},
    {Green, "绿", "G"},
    {Blue, "蓝", "B"},
    {Reset, "重置", "Reset"},
    {TipsTitle, "tips", "tips"},
    {NoticeTitle, "提示", "Notice"},
    {NoBackup, "没有发现备份的数据", "No backup data was found"},
    {BackupUnusable, "备份的数据无法使用", "The backup data cannot be used"},
    {Done, "完成", "Done"},
    {GammaRangeNotApplied, "Windows 限制了显示器 {0} 的伽马范围，屏幕颜色的调整没有生效。",
     "Windows limits the gamma range of display {0}, so the screen colour did not change."},
    {GammaRangeNight, "Windows 限制了显示器 {0} 的伽马范围，夜间护眼在这台显示器上最低只能用到 {1} K。",
     "Windows limits the gamma range of display {0}, so the night colour goes no warmer than {1} K there."},
    {GammaRangeAdvice,
     "如需放宽限制，请以管理员身份运行注册表编辑器，打开注册表项\n"
     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM\n"
     "在其中新建 DWORD 值 GdiICMGammaRange，数值数据设为 256，然后重新启动计算机。",
     "To widen the range, run Registry Editor as an administrator, open the key\n"
     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM\n"
     "add the DWORD value GdiICMGammaRange with the data 256, then restart the computer."},
};
static_assert(wellFormed<ColourText>(kTable));

}  // namespace

const TextEntry<ColourText>& textEntry(ColourText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<ColourText>> textTable(ColourText) { return kTable; }

}  // namespace vistrel
