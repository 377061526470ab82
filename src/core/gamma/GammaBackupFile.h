#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

#include "gamma/GammaRamp.h"

namespace vistrel {

// The gamma backup file beside the program: 768 decimal numbers, each an entry in its 16-bit
// two's-complement reading (-1 is 65535), interleaved red, green, blue per entry. Separators are a
// comma, blanks or line breaks. Only the first 768 numbers count; whatever follows them is ignored.
class GammaBackupFile {
public:
    static constexpr std::string_view kFileName = "monitor.txt";
    static constexpr std::size_t kNumbers = GammaRamp::kEntries * GammaRamp::kChannels;

    enum class Error { None, TooFewNumbers, NotANumber, OutOfRange };

    struct Result {
        std::optional<GammaRamp> ramp;  // set only when all 768 numbers were read
        Error error = Error::None;
        std::size_t position = 0;  // byte offset of the first problem, for diagnostics
    };

    // A file with any fault is rejected whole: a partly read ramp would be written to the display
    // half old, half new.
    static Result parse(std::string_view text);
};

}  // namespace vistrel
