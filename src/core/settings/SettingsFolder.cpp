#include "settings/SettingsFolder.h"

#include "text/SettingsTexts.h"

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
SettingsText causeText(WriteFailure cause)
{
    switch (cause) {
    case WriteFailure::Denied: return SettingsText::Denied;
    case WriteFailure::DiskFull: return SettingsText::DiskFull;
    case WriteFailure::InUse: return SettingsText::InUse;
    case WriteFailure::UnspellablePath: return SettingsText::UnspellablePath;
    case WriteFailure::Unstorable: return SettingsText::Unstorable;
    case WriteFailure::Other: break;
    }
    return SettingsText::OtherFailure;
}

}  // namespace

std::string UnsavedSettingsMessage::text(std::optional<WriteFailure> cause, const Texts& texts) const
{
    const SettingsText what = cause ? causeText(*cause) : SettingsText::NoFolderWritable;
    std::string text = texts(SettingsText::CannotSave, texts(what));
    text += cause ? "\n\n" + texts(SettingsText::FoldersTried) : "\n";
    for (const std::string& folder : tried) text += "\n" + folder;
    // A failure at start holds for the whole run; a later one may pass, a locked file say.
    text += "\n\n" + texts(cause ? SettingsText::MayBeLost : SettingsText::WillBeLost);
    return text;
}

UnsavedSettingsMessage unsavedSettingsMessage(const std::vector<std::string>& tried) { return {tried}; }

}  // namespace vistrel
