#include "text/OptionsTexts.h"

namespace vistrel {
namespace {

using enum OptionsText;
constexpr TextEntry<OptionsText> kTable[] = {
    {Caption, "Vistrel 选项", "Vistrel options"},
    {GeneralTab, "常规", "General"},
    {RestTab, "休息", "Rest"},
    {NightTab, "夜间护眼", "Night colour"},
    {MessageTitle, "Vistrel", "Vistrel"},
    {Refused, "无法应用", "Cannot apply"},
    {StartTimeRange, "开始时间应在 00:00 到 23:59 之间", "The start must be between 00:00 and 23:59"},
    {EndTimeRange, "结束时间应在 00:00 到 23:59 之间", "The end must be between 00:00 and 23:59"},
    {FadeRange, "渐变时间应在 {0} 到 {1} 分钟之间", "The fade must be {0} to {1} minutes"},
    {LatitudeRange, "纬度应在 -90 到 90 之间", "The latitude must be between -90 and 90"},
    {LongitudeRange, "经度应在 -180 到 180 之间", "The longitude must be between -180 and 180"},
    {NoticeRange, "提前通知应为 0（不通知）或 {0} 到 {1} 秒", "The notice must be 0 (none) or {0} to {1} seconds"},
    {EyeBreakMinutesRange, "护眼间隔应在 {0} 到 {1} 分钟之间", "Eye breaks must come every {0} to {1} minutes"},
    {EyeBreakSecondsRange, "护眼时长应在 {0} 到 {1} 秒之间", "An eye break must last {0} to {1} seconds"},
    {NoWorkDay, "请至少选一天", "Choose at least one day"},
    {SunTimes, "今日日落 {0}，日出 {1}", "Today: sunset {0}, sunrise {1}"},
    {UnknownTime, "—", "—"},
    {DisplayHdr, "{0}：HDR 模式，不调色温", "{0}: HDR mode, left as it is"},
    {DisplayLimit, "{0}：Windows 只允许到 {1} K", "{0}: Windows allows only down to {1} K"},
    {ListSeparator, "；", "; "},
    {Kelvin, "{0} K", "{0} K"},
    {ClearHistoryQuestion, "删除全部休息记录？删除后无法恢复。",
     "Delete the whole rest history? It cannot be brought back."},
    {ClearHistoryFailed, "休息记录未能全部删除：文件可能正被其他程序使用。",
     "Not all of the rest history could be deleted: another program may be using its files."},
};
static_assert(wellFormed<OptionsText>(kTable));

}  // namespace

const TextEntry<OptionsText>& textEntry(OptionsText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<OptionsText>> textTable(OptionsText) { return kTable; }

}  // namespace vistrel
