#include "text/OptionsPageTexts.h"

namespace vistrel {
namespace {

using enum OptionsPageText;
constexpr TextEntry<OptionsPageText> kTable[] = {
    {StartWithWindows, "开机启动(&S)", "&Start with Windows"},

    {RestGroup, "休息提醒", "Rest reminder"},
    {Notice, "提前通知(&N):", "&Notice:"},
    {NoticeUnit, "秒（0 为不通知）", "seconds (0: no notice)"},
    {HoldInMeetings, "开会时推迟（摄像头或麦克风在用）(&M)", "Hold in &meetings (camera or microphone in use)"},
    {HoldWhenBusy, "全屏时推迟(&H)", "&Hold when full screen"},
    {AwayCountsAsRest, "离开算作休息(&R)", "Time away counts as &rest"},
    {EyeBreakGroup, "护眼小憩", "Eye breaks"},
    {EyeBreak, "工作中不时看看远处(&E)", "&Eye breaks: look into the distance now and then"},
    {EyeBreakEvery, "每隔(&I):", "Ever&y:"},
    {Minutes, "分钟", "minutes"},
    {EyeBreakFor, "每次(&D):", "F&or:"},
    {Seconds, "秒", "seconds"},
    {WorkHoursGroup, "工作时间", "Working hours"},
    {WorkHoursOnly, "只在工作时间提醒(&W)", "&Working hours only"},
    {WorkFrom, "从(&F):", "&From:"},
    {WorkTo, "到(&T):", "&To:"},
    {Monday, "周一", "Mon"},
    {Tuesday, "周二", "Tue"},
    {Wednesday, "周三", "Wed"},
    {Thursday, "周四", "Thu"},
    {Friday, "周五", "Fri"},
    {Saturday, "周六", "Sat"},
    {Sunday, "周日", "Sun"},
    {HistoryGroup, "休息记录", "Rest history"},
    {RecordHistory, "记录每次休息，供休息统计查看(&S)", "Record every rest for the &statistics"},
    {ClearHistory, "清除记录(&C)…", "&Clear…"},

    {ModeGroup, "何时变暖", "When the screen turns warm"},
    {ModeOff, "关闭(&O)", "&Off"},
    {ModeTimes, "固定时间(&T)", "Set &times"},
    {ModeSun, "日落到日出(&U)", "S&unset to sunrise"},
    {TimesGroup, "固定时间", "Set times"},
    {Start, "开始(&B):", "&Start:"},
    {End, "结束(&E):", "&End:"},
    {Fade, "渐变(&F):", "&Fade:"},
    {FadeUnit, "分钟", "min"},
    {SunGroup, "日落到日出", "Sunset to sunrise"},
    {Latitude, "纬度(&L):", "&Lat:"},
    {Longitude, "经度(&G):", "Lon&g:"},
    {KelvinGroup, "夜间色温", "Night temperature"},
    {Kelvin, "色温(&K):", "Te&mp:"},
};
static_assert(wellFormed<OptionsPageText>(kTable));

}  // namespace

const TextEntry<OptionsPageText>& textEntry(OptionsPageText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<OptionsPageText>> textTable(OptionsPageText) { return kTable; }

}  // namespace vistrel
