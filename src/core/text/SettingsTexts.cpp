#include "text/SettingsTexts.h"

namespace vistrel {
namespace {

using enum SettingsText;
constexpr TextEntry<SettingsText> kTable[] = {
    {ProgramName, "Vistrel", "Vistrel"},
    {CannotSave, "设置无法保存：{0}", "Settings cannot be saved: {0}"},
    {NoFolderWritable, "以下文件夹都不能写入。", "none of these folders can be written."},
    {Denied, "设置文件或它所在的文件夹不允许写入（只读，或没有权限）。",
     "the settings file or its folder cannot be written (read-only, or no permission)."},
    {DiskFull, "磁盘已满。", "the disk is full."},
    {InUse, "设置文件正被其他程序占用。", "another program is using the settings file."},
    {UnspellablePath, "设置文件的路径中有当前系统语言无法表示的文字。",
     "the settings file's path has characters the system's language cannot spell."},
    {Unstorable, "有一项设置含有设置文件无法保存的文字。", "a setting holds text the settings file cannot keep."},
    {OtherFailure, "写入设置文件时出错。", "writing the settings file failed."},
    {FoldersTried, "程序尝试过的设置文件夹：", "Settings folders tried:"},
    {MayBeLost, "程序照常运行，但更改的设置在退出后可能不会保留。",
     "Vistrel runs on, but settings you change may be lost when it ends."},
    {WillBeLost, "程序照常运行，但本次更改的设置在退出后不会保留。",
     "Vistrel runs on, but settings you change now will be lost when it ends."},
    {AutostartNotSet, "无法设置开机启动。", "Vistrel could not be set to start with Windows."},
    {AutostartNotRemoved, "无法取消开机启动。", "Vistrel could not be kept from starting with Windows."},
};
static_assert(wellFormed<SettingsText>(kTable));

}  // namespace

const TextEntry<SettingsText>& textEntry(SettingsText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<SettingsText>> textTable(SettingsText) { return kTable; }

}  // namespace vistrel
