#include "app/Autostart.h"

#include <algorithm>

#include "base/TextParsing.h"
#include "text/SettingsTexts.h"

namespace vistrel::autostart {
namespace {

// The program part of a command line as Windows splits it: up to the closing quote, or up to the
// first blank when it is not quoted.
std::string_view programOf(std::string_view command)
{
    command = trim(command);
    if (!command.empty() && command.front() == '"') {
        command.remove_prefix(1);
        return command.substr(0, command.find('"'));
    }
    return command.substr(0, command.find_first_of(" \t"));
}

}  // namespace

std::string runCommand(std::string_view exePath)
{
    return "\"" + std::string(exePath) + "\" " + std::string(kTrayArgument);
}

bool startsProgram(std::string_view runValue, std::string_view exePath)
{
    const std::string_view program = programOf(runValue);
    return !program.empty() && equalsIgnoringAsciiCase(program, exePath);
}

bool disabledByUser(std::span<const std::uint8_t> approvedMark)
{
    return !approvedMark.empty() && (approvedMark.front() & 1) != 0;
}

bool startsInTray(const std::vector<std::string>& arguments)
{
    return std::find(arguments.begin(), arguments.end(), kTrayArgument) != arguments.end();
}

bool change(DesktopServices& desktop, bool on, const Texts& texts)
{
    if (desktop.setStartsWithWindows(on)) return true;
    desktop.messageBox(texts(on ? SettingsText::AutostartNotSet : SettingsText::AutostartNotRemoved),
                       texts(SettingsText::ProgramName), MessageIcon::Warning);
    return false;
}

}  // namespace vistrel::autostart
