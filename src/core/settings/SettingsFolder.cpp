#include "settings/SettingsFolder.h"

namespace vistrel {

SettingsFolder SettingsFolder::choose(std::vector<std::string> candidates,
                                      const std::function<bool(const std::string&)>& takesWrite)
{
    SettingsFolder result{std::move(candidates), std::nullopt};
    for (size_t i = 0; i < result.tried.size(); ++i) {
        if (takesWrite(result.tried[i])) {
            result.writable = i;
            result.tried.resize(i + 1);
            break;
        }
    }
    return result;
}

namespace {

// What failed, in the user's words.
std::string_view causeText(WriteFailure cause)
{
    switch (cause) {
    case WriteFailure::Denied: return "设置文件或它所在的文件夹不允许写入（只读，或没有权限）。";
    case WriteFailure::DiskFull: return "磁盘已满。";
    case WriteFailure::InUse: return "设置文件正被其他程序占用。";
    case WriteFailure::UnspellablePath: return "设置文件的路径中有当前系统语言无法表示的文字。";
    case WriteFailure::Unstorable: return "有一项设置含有设置文件无法保存的文字。";
    case WriteFailure::Other: break;
    }
    return "写入设置文件时出错。";
}

}  // namespace

std::string UnsavedSettingsMessage::text(std::optional<WriteFailure> cause) const
{
    std::string text = "设置无法保存：";
    if (cause) text.append(causeText(*cause)).append("\n\n程序尝试过的设置文件夹：");
    else text += "以下文件夹都不能写入。\n";
    for (const std::string& folder : tried) text += "\n" + folder;
    // A failure at start holds for the whole run; a later one may pass, a locked file say.
    text += cause ? "\n\n程序照常运行，但更改的设置在退出后可能不会保留。"
                  : "\n\n程序照常运行，但本次更改的设置在退出后不会保留。";
    return text;
}

UnsavedSettingsMessage unsavedSettingsMessage(const std::vector<std::string>& tried) { return {tried}; }

}  // namespace vistrel
