#include "keys/MacroRecorder.h"

#include <algorithm>

#include "keys/MacroKeyRows.h"

namespace quillon::keys {

void MacroRecorder::start(Millis now) {
    lastEvent_ = now;
    recording_ = true;
}

bool MacroRecorder::recordKey(std::vector<MacroAction>& list, std::uint16_t vk, std::uint32_t flags,
                              bool down, Millis now, const RecordingOptions& options) {
    if (!recording_) {
        return false;
    }
    if (vk == kVkReturn && (flags & kKeyFlagExtended)) {
        vk = kVkKeypadEnter;
    }
    if (down) {
        if (vk == lastPressedKey_) {
            return false;  // the key repeats while held
        }
        lastPressedKey_ = vk;
    } else if (vk == lastPressedKey_) {
        lastPressedKey_ = 0;
    }
    const auto row = macroKeyRowForVk(vk);
    if (!row) {
        return false;
    }
    const MacroKeyRow& key = macroKeyRows()[static_cast<std::size_t>(*row)];
    const std::uint8_t direction = down ? kActionDirectionBit : 0;
    const bool usage = key.usage != 0;
    list.push_back(makeAction(0, direction | (usage ? kActionKey : kActionModifier),
                              usage ? key.usage : key.modifier, std::string(key.textId)));
    stampDelay(list, now, options);
    return true;
}

bool MacroRecorder::recordMouse(std::vector<MacroAction>& list, std::uint32_t message, Millis now,
                                const RecordingOptions& options) {
    if (!recording_ || !options.mouseClicks) {
        return false;
    }
    struct Button {
        std::uint32_t down, up;
        std::uint8_t code;
        const char* label;
    };
    constexpr Button kButtons[] = {{kMsgLeftDown, kMsgLeftUp, 0x01, "mouse_key_left"},
                                   {kMsgRightDown, kMsgRightUp, 0x02, "mouse_key_right"},
                                   {kMsgMiddleDown, kMsgMiddleUp, 0x04, "mouse_key_middle"}};
    for (const Button& b : kButtons) {
        if (message != b.down && message != b.up) {
            continue;
        }
        if (message == lastMouseMessage_) {
            return false;
        }
        lastMouseMessage_ = message;
        const bool down = message == b.down;
        list.push_back(makeAction(0, down ? 0x81 : 0x01, b.code, b.label));
        stampDelay(list, now, options);
        return true;
    }
    return false;
}

void MacroRecorder::stampDelay(std::vector<MacroAction>& list, Millis now,
                               const RecordingOptions& options) {
    Millis d = std::clamp<Millis>(now - lastEvent_, 0, 65535);
    lastEvent_ = now;
    if (options.fixedDelay) {
        d = kFixedRecordedDelay;
    }
    if (list.size() > 1) {
        list[list.size() - 2].delay = static_cast<std::uint16_t>(d);
    }
}

}  // namespace quillon::keys
