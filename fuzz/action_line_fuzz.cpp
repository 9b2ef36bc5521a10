// Feeds arbitrary text to the action line parser: a line that parses is written back in the
// file format and must parse again to the same action (labels lose only commas and line breaks).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "keys/MacroAction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto action = quillon::keys::parseActionLine(line);
    if (!action) {
        return 0;
    }
    const auto again = quillon::keys::parseActionLine(quillon::keys::formatActionLine(*action));
    if (!again || again->delay != action->delay || again->kind != action->kind ||
        again->code != action->code || again->pressed != action->pressed) {
        std::abort();
    }
    return 0;
}
