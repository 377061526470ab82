#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The warning that settings cannot be saved, and the program's name that titles its boxes.
enum class SettingsText {
    ProgramName,  // the same in both languages
    CannotSave,   // {0}: what failed, one of the sentences below
    NoFolderWritable,
    Denied,
    DiskFull,
    InUse,
    UnspellablePath,
    Unstorable,
    OtherFailure,
    FoldersTried,   // the folders follow, one a line
    MayBeLost,      // a write failed later in the run
    WillBeLost,     // no folder took a write at start
    AutostartNotSet,      // the Run entry could not be written
    AutostartNotRemoved,  // nor removed
    Count
};

const TextEntry<SettingsText>& textEntry(SettingsText id);
std::span<const TextEntry<SettingsText>> textTable(SettingsText);

}  // namespace vistrel
