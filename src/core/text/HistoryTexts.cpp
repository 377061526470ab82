#include "text/HistoryTexts.h"

namespace vistrel {
namespace {

using enum HistoryText;
constexpr TextEntry<HistoryText> kTable[] = {
    {WindowTitle, "Vistrel 休息统计", "Vistrel rest statistics"},
    {DayLabel, "{0} {1}", "{1} {0}"},
    {Minutes, "{0} 分钟", "{0} min"},
    {Hours, "{0} 小时", "{0} h"},
    {HoursMinutes, "{0} 小时 {1} 分", "{0} h {1} min"},
    {RestsToday, "今天休息", "Rests today"},
    {RestsOfOffered, "{0} / {1} 次", "{0} of {1}"},
    {TimeRested, "休息时长", "Time rested"},
    {LongestStretch, "最长连续工作", "Longest stretch"},
    {ScreenTime, "屏幕时间", "Screen time"},
    {RestsTaken, "休息 {0} 次", "{0} {0|rest|rests}"},
    {RestsTakenAndCut, "休息 {0} 次（完成 {1}，提前结束 {2}）", "{0} {0|rest|rests} ({1} completed, {2} ended early)"},
    {RestsSkipped, "跳过 {0} 次", "{0} skipped"},
    {AwayAsRest, "离开算作休息 {0} 次", "Away counted as rest: {0}"},
    {Postponed, "推迟 {0} 次", "Postponed {0} {0|time|times}"},
    {EyeBreaks, "眼睛休息 {0} 次，错过 {1} 次", "{0} eye {0|break|breaks}, {1} missed"},
    {TimeRestedLine, "休息时长 {0}", "Time rested: {0}"},
    {LongestStretchLine, "最长连续工作 {0}", "Longest stretch: {0}"},
    {ScreenTimeLine, "屏幕时间 {0}", "Screen time: {0}"},
    {NoHistory, "还没有休息记录。休息提醒开始工作后，这里会画出每天的休息情况。",
     "No rests recorded yet. Once the rest reminder is running, each day's rests are drawn here."},
    {CountAxis, "次数", "Rests"},
    {TakenLegend, "休息", "Taken"},
    {SkippedLegend, "跳过", "Skipped"},
    {Export, "导出…", "Export…"},
    {CsvFiles, "CSV 文件 (*.csv)", "CSV files (*.csv)"},
    {AllFiles, "所有文件 (*.*)", "All files (*.*)"},
    {CannotOpenDialog, "无法打开保存对话框。", "Could not open the save dialog."},
    {CannotRead, "无法读取休息记录。", "Could not read the rest history."},
    {CannotWrite, "无法导出到 {0}", "Could not export to {0}"},
};
static_assert(wellFormed<HistoryText>(kTable));

}  // namespace

const TextEntry<HistoryText>& textEntry(HistoryText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<HistoryText>> textTable(HistoryText) { return kTable; }

}  // namespace vistrel
