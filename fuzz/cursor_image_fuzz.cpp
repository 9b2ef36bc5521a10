// Feeds arbitrary bytes as a cursor image read from the mouse: the reader must stay inside the
// bytes it was given, and what it accepts must pack back into an image of the same entries.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "keys/MacroImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto entries = quillon::keys::readMacroImage(std::span(data, size));
    if (!entries) {
        return 0;
    }
    std::vector<std::vector<quillon::keys::MacroAction>> lists;
    for (const auto& entry : *entries) {
        auto& list = lists.emplace_back();
        for (const auto& a : entry.actions) {
            list.push_back(quillon::keys::makeAction(
                static_cast<std::uint16_t>(a.bytes[0] | a.bytes[1] << 8), a.bytes[2], a.bytes[3],
                quillon::keys::labelForDeviceAction(a.bytes[2], a.bytes[3])));
        }
    }
    const auto packed = quillon::keys::packMacroImage(lists);
    if (!packed) {
        std::abort();  // entries that fit the input always fit an image
    }
    const auto back = quillon::keys::readMacroImage(*packed);
    if (!back || back->size() != entries->size()) {
        std::abort();
    }
    return 0;
}
