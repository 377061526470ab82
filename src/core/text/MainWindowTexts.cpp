#include "text/MainWindowTexts.h"

namespace vistrel {
namespace {

using enum MainWindowText;
constexpr TextEntry<MainWindowText> kTable[] = {
    {Title, "Vistrel V1.4", "Vistrel V1.4"},
    {ColourCaption, "屏幕亮度", "Colour"},
    {ColourDescription, "保护视力：通过调节显示器亮度，对比度，降低蓝光保护您的眼睛",
     "Ease your eyes: set brightness and contrast, cut blue light"},
    {RestCaption, "休息提醒", "Breaks"},
    {WorkLabel, "工作时长:", "Work:"},
    {RestLabel, "休息时长:", "Rest:"},
    {Minutes, "分钟", "min"},
    {NextRest, "下次时间", "Next rest"},
    {AboutTip, "关于", "About"},
    {MinimiseTip, "最小化", "Minimise"},
    {ExitTip, "退出", "Exit"},
    {BackTip, "Back", "Back"},
    {OkTip, "OK", "OK"},
};
static_assert(wellFormed<MainWindowText>(kTable));

}  // namespace

const TextEntry<MainWindowText>& textEntry(MainWindowText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<MainWindowText>> textTable(MainWindowText) { return kTable; }

}  // namespace vistrel
