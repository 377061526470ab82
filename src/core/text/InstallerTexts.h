#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The installer's own texts. The program never shows them: packaging/nsis_texts.py turns this
// table into the installer's LangStrings, each id named in capitals (StillRunning: STILL_RUNNING).
enum class InstallerText {
    ProgramSection,         // the components page's two choices
    AutostartSection,
    StillRunning,           // the installed copy's file stays held; {0} is that file
    UninstallStillRunning,  // the same, when uninstalling
    Count
};

const TextEntry<InstallerText>& textEntry(InstallerText id);
std::span<const TextEntry<InstallerText>> textTable(InstallerText);

}  // namespace vistrel
