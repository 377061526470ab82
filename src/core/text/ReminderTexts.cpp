#include "text/ReminderTexts.h"

namespace vistrel {
namespace {

using enum ReminderText;
constexpr TextEntry<ReminderText> kTable[] = {
    {PromptMessage, "你有 {0} 分钟休息时间", "You have {0} {0|minute|minutes} of rest"},
    {PromptHint, "提示:点击以下按钮", "Tip: click a choice below"},
    {PromptDisplayOff, "关闭显示器", "Turn display off"},
    {PromptLockDisplayOff, "锁屏 + 关闭显示器", "Lock + turn display off"},
    {PromptContinueWork, "继续工作", "Keep working"},
    {NoticeInMinutes, "{0} 分钟后休息 {1} 分钟", "Rest for {1} {1|minute|minutes} in {0} {0|minute|minutes}"},
    {NoticeInSeconds, "{0} 秒后休息 {1} 分钟", "Rest for {1} {1|minute|minutes} in {0} {0|second|seconds}"},
    {NoticeCanPostpone, "可在托盘菜单中推迟", "You can postpone it from the tray menu"},
    {EyeBreakMessage, "看看 6 米外的地方", "Look 6 metres away"},
    {EyeBreakSeconds, "{0} 秒", "{0} {0|second|seconds}"},
    {CountdownHeading, "时间：", "Time:"},
    {PanelBeforeWork, "每工作", "Work"},
    {PanelBetween, "分钟，去休息", "min, then rest"},
    {PanelAfterRest, "分钟", "min"},
    {WorkLength, "工作时长", "Work length"},
    {RestLength, "休息时长", "Rest length"},
    {WorkShort, "工作", "Work"},
    {RestShort, "休息", "rest"},
    {OutOfRange, "{0}必须是 {1} 到 {2} 之间的整数", "{0} must be a whole number from {1} to {2}"},
    {RangeHintPart, "{0} {1} - {2} 分钟", "{0} {1}-{2} min"},
    {RangeHint, "{0}，{1}", "{0}, {1}"},
    {WarningTitle, "Vistrel", "Vistrel"},
};
static_assert(wellFormed<ReminderText>(kTable));

}  // namespace

const TextEntry<ReminderText>& textEntry(ReminderText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<ReminderText>> textTable(ReminderText) { return kTable; }

}  // namespace vistrel
