#include "text/TrayTexts.h"

namespace vistrel {
namespace {

using enum TrayText;
constexpr TextEntry<TrayText> kTable[] = {
    {RestOff, "休息提醒已关闭", "Rest reminder is off"},
    {PausedUntil, "提醒已暂停至 {0}", "Reminders paused until {0}"},
    {PauseEndDate, "{0}月{1}日 {2}", "{0}/{1} {2}"},
    {HeldUntilFree, "休息已推迟，等待空闲", "Rest held until you are free"},
    {Resting, "正在休息", "Resting now"},
    {RestDue, "该休息了", "Time for a rest"},
    {NextRest, "下次休息 {0}", "Next rest at {0}"},
    {OffHours, "非工作时间", "Outside work hours"},
    {OffHoursUntil, "非工作时间，{0} {1} 开始提醒", "Outside work hours, reminders from {0} {1}"},
    {Postpone, "推迟 {0} 分钟", "Postpone {0} {0|minute|minutes}"},
    {PostponedMost, "已推迟 {0} 次", "Postponed {0} {0|time|times}"},
    {PauseMenu, "暂停提醒", "Pause reminders"},
    {PauseMinutes, "{0} 分钟", "{0} {0|minute|minutes}"},
    {PauseHours, "{0} 小时", "{0} {0|hour|hours}"},
    {PauseTomorrow, "到明天", "Until tomorrow"},
    {ResumeReminders, "继续提醒", "Resume reminders"},
    {HoldWhenBusy, "全屏时推迟提醒", "Hold reminders in full screen"},
    {AwayCountsAsRest, "离开算作休息", "Count time away as rest"},
    {EyeBreaks, "护眼小憩", "Eye breaks"},
    {StartWithWindows, "开机启动", "Start with Windows"},
    {NightOff, "夜间护眼已关闭", "Night colour is off"},
    {NightNeedsPlace, "夜间护眼：请在选项中设置位置", "Night colour: set your place in Options"},
    {NightPausedUntil, "夜间护眼已暂停至 {0}", "Night colour paused until {0}"},
    {Warming, "正在转暖，现为 {0}", "Warming, now {0}"},
    {TurningToDay, "正在转为日间，现为 {0}", "Turning to day, now {0}"},
    {NightState, "夜间 {0}", "Night {0}"},
    {DayState, "日间", "Day"},
    {DayStateKelvin, "日间 {0}", "Day {0}"},
    {StateThenDay, "{0}，{1} 转为日间", "{0}, day from {1}"},
    {StateThenWarming, "{0}，{1} 开始转暖", "{0}, warming from {1}"},
    {NightColour, "夜间护眼", "Night colour"},
    {NightPauseHours, "暂停 {0} 小时", "Pause for {0} {0|hour|hours}"},
    {Statistics, "休息统计", "Rest statistics"},
    {Options, "选项…", "Options…"},
    {Display, "Display", "Display"},
    {About, "About", "About"},
    {Exit, "Exit", "Exit"},
    {NoticeTitle, "Vistrel", "Vistrel"},
};
static_assert(wellFormed<TrayText>(kTable));

}  // namespace

const TextEntry<TrayText>& textEntry(TrayText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<TrayText>> textTable(TrayText) { return kTable; }

}  // namespace vistrel
