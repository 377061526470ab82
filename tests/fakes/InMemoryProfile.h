#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniDocument.h"
#include "settings/Profile.h"

namespace vistrel::testing {

// A settings file held in memory, with the same reading and editing rules as the real one, that
// logs every call ("read dsxx/mei", "write eye/liangdu=-20", "remove eye/pdrun") so tests can
// check the order of reads and writes.
class InMemoryProfile final : public Profile {
public:
    InMemoryProfile() = default;
    explicit InMemoryProfile(std::string text) : m_document(std::move(text)) {}

    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback) const override;
    bool write(std::string_view section, std::string_view key,
               const std::optional<std::string>& value) override;
    WriteFailure lastWriteFailure() const override { return m_lastFailure; }

    // The file's bytes.
    std::string text() const { return m_document.bytes(); }
    void setText(std::string text) { m_document = IniDocument(std::move(text)); }

    bool readOnly = false;  // every write fails and leaves the text as it is
    WriteFailure refusal = WriteFailure::Denied;  // the cause those writes give
    mutable std::vector<std::string> calls;  // reads are logged too, through the const interface

private:
    IniDocument m_document;
    WriteFailure m_lastFailure = WriteFailure::Other;
};

}  // namespace vistrel::testing
