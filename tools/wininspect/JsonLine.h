#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel::wininspect {

struct ScreenRect {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

// Builds one JSON object on one line; keys are written in the order they are added.
class JsonLine {
public:
    JsonLine& add(std::string_view key, std::int64_t value);
    JsonLine& add(std::string_view key, bool value);
    JsonLine& add(std::string_view key, std::string_view utf8);
    JsonLine& add(std::string_view key, const char* utf8) { return add(key, std::string_view(utf8)); }
    JsonLine& add(std::string_view key, const ScreenRect& rect);
    JsonLine& add(std::string_view key, std::optional<std::int64_t> value);
    JsonLine& addRaw(std::string_view key, std::string_view json);

    // The finished object followed by a line feed.
    std::string line() const;

    // Escapes for a JSON string body; bytes that are not valid UTF-8 become U+FFFD so the
    // reader never chokes on a window title it did not expect.
    static std::string escape(std::string_view utf8);

private:
    void key(std::string_view name);
    std::string m_body;
};

}  // namespace vistrel::wininspect
