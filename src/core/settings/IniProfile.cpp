#include "settings/IniProfile.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <vector>
#include <system_error>
#include <utility>

#include "settings/IniDocument.h"
#include "settings/IniLookup.h"
#include "settings/LineSplitter.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

// What a failed file operation means to the user.
WriteFailure failureOf(const std::error_code& error)
{
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system || error == std::errc::is_a_directory)
        return WriteFailure::Denied;
    if (error == std::errc::no_space_on_device || error == std::errc::file_too_large) return WriteFailure::DiskFull;
    if (error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy) return WriteFailure::InUse;
    return WriteFailure::Other;
}

// Streams say only that they failed; the C library's errno tells why.
std::error_code streamError() { return {errno, std::generic_category()}; }

struct FileContents {
    enum class State { Missing, Loaded, Unusable };
    State state = State::Missing;
    std::string bytes;
    fs::perms permissions = fs::perms::unknown;
    std::error_code error;  // why it is unusable
};

FileContents unusable(std::error_code error) { return {FileContents::State::Unusable, {}, fs::perms::unknown, error}; }

FileContents load(const fs::path& file)
{
    using State = FileContents::State;
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) return {};
    if (error) return unusable(error);
    // A folder or device where the file should be is not ours to replace.
    if (status.type() != fs::file_type::regular) return unusable(std::make_error_code(std::errc::is_a_directory));

    std::ifstream in(file, std::ios::binary);
    if (!in) return unusable(streamError());
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) return unusable(error);
    FileContents contents{State::Loaded, std::string(static_cast<std::size_t>(size), '\0'), status.permissions(), {}};
    in.read(contents.bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) return unusable(streamError());
    // The file may have shrunk since its size was taken; keep what was there.
    contents.bytes.resize(static_cast<std::size_t>(in.gcount()));
    return contents;
}

// Reads the file in pieces and stops once the key is found or its section has ended, so even a
// huge file costs one pass through a small buffer, never a copy of the whole file in memory.
std::optional<std::string> lookUp(const fs::path& file, std::string_view section, std::string_view key)
{
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;

    IniLookup lookup(section, key);
    const auto take = [&lookup](const LineSplitter::Line& line) {
        lookup.take(line.text);
        return !lookup.done();
    };
    constexpr std::size_t kPieceBytes = 64 * 1024;
    std::vector<char> buffer(kPieceBytes);
    LineSplitter lines;
    bool first = true;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        std::string_view piece(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (piece.empty()) break;
        // A full first piece holds the whole mark if there is one.
        if (std::exchange(first, false) && piece.starts_with(IniDocument::kByteOrderMark))
            piece.remove_prefix(IniDocument::kByteOrderMark.size());
        if (!lines.feed(piece, take)) return lookup.value();
    }
    if (in.bad()) return std::nullopt;
    lines.finish(take);
    return lookup.value();
}

bool isReadOnly(fs::perms permissions)
{
    // Windows reports its read-only attribute this way; elsewhere it is the owner's own choice,
    // which we honour even when the process could override it.
    return permissions != fs::perms::unknown && (permissions & fs::perms::owner_write) == fs::perms::none;
}

// A name beside `target` that nothing uses yet.
std::optional<fs::path> temporaryBeside(const fs::path& target)
{
    std::random_device random;
    constexpr int kAttempts = 8;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        fs::path candidate = target;
        candidate += ".";
        candidate += std::to_string(random() % 1000000u);
        candidate += ".tmp";
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
    }
    return std::nullopt;
}

// Empty on success.
std::error_code replaceFile(const fs::path& target, std::string_view bytes, fs::perms permissions)
{
    const auto temporary = temporaryBeside(target);
    if (!temporary) return std::make_error_code(std::errc::file_exists);
    std::error_code ignored;
    {
        std::ofstream out(*temporary, std::ios::binary | std::ios::trunc);
        if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (out) out.close();
        if (!out) {
            const std::error_code error = streamError();
            fs::remove(*temporary, ignored);
            return error;
        }
    }
    if (permissions != fs::perms::unknown) fs::permissions(*temporary, permissions, ignored);
    std::error_code error;
    fs::rename(*temporary, target, error);
    if (error) fs::remove(*temporary, ignored);
    return error;
}

// Writes go to the file a link points at, so the link stays in place.
fs::path resolvedTarget(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error))) return file;
    fs::path target = fs::weakly_canonical(file, error);
    return error ? file : target;
}

}  // namespace

IniProfile::IniProfile(std::filesystem::path file) : m_file(std::move(file)) {}

std::string IniProfile::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return lookUp(m_file, section, key).value_or(IniDocument::fallbackValue(fallback));
}

bool IniProfile::write(std::string_view section, std::string_view key, const std::optional<std::string>& value)
{
    const auto fail = [this](WriteFailure failure) {
        m_lastFailure = failure;
        return false;
    };
    const fs::path target = resolvedTarget(m_file);
    FileContents contents = load(target);
    if (contents.state == FileContents::State::Unusable) return fail(failureOf(contents.error));

    IniDocument document(std::move(contents.bytes));
    const std::optional<std::string_view> newValue = value ? std::optional<std::string_view>(*value) : std::nullopt;
    switch (document.write(section, key, newValue)) {
    case IniDocument::WriteResult::Rejected:
        return fail(WriteFailure::Unstorable);
    case IniDocument::WriteResult::Unchanged:
        return true;
    case IniDocument::WriteResult::Changed:
        break;
    }
    if (isReadOnly(contents.permissions)) return fail(WriteFailure::Denied);
    const std::error_code error = replaceFile(target, document.bytes(), contents.permissions);
    return !error || fail(failureOf(error));
}

}  // namespace vistrel
