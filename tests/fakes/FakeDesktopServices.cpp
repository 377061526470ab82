#include "fakes/FakeDesktopServices.h"

namespace vistrel::testing {

void FakeDesktopServices::messageBox(std::string_view text, std::optional<std::string_view> title, MessageIcon icon)
{
    Message m{std::string(text), title ? std::optional<std::string>(std::string(*title)) : std::nullopt, icon};
    messages.push_back(m);
    if (onMessage) onMessage(m);
}

DesktopServices::TextFile FakeDesktopServices::readSettingsFile(std::string_view fileName)
{
    fileReads.emplace_back(fileName);
    const auto it = files.find(fileName);
    return it == files.end() ? TextFile{} : it->second;
}

}  // namespace vistrel::testing
