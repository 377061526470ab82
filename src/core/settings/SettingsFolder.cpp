#include "settings/SettingsFolder.h"

namespace vistrel {

SettingsFolder SettingsFolder::choose(std::vector<std::string> candidates,
                                      const std::function<bool(const std::string&)>& takesWrite)
{
    SettingsFolder result{std::move(candidates), std::nullopt};
    for (size_t i = 0; i < result.tried.size(); ++i) {
        if (takesWrite(result.tried[i])) {
            result.writable = i;
            break;
        }
    }
    return result;
}

std::string unsavedSettingsMessage(const std::vector<std::string>& tried)
{
    std::string text = "设置无法保存：以下文件夹都不能写入。\n";
    for (const std::string& folder : tried) text += "\n" + folder;
    text += "\n\n程序照常运行，但本次更改的设置在退出后不会保留。";
    return text;
}

}  // namespace vistrel
