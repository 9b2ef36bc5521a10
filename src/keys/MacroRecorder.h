#pragma once
// Recording a macro from the real keyboard and mouse: each key or button event becomes an action
// appended to the list, and the time since the event before it becomes that earlier action's
// delay (or 50 ms with fixed delays). A key held down repeats its press; only the first counts.

#include <cstdint>
#include <vector>

#include "keys/MacroAction.h"
#include "platform/Clock.h"

namespace quillon::keys {

// Windows mouse messages of the buttons the recorder takes.
inline constexpr std::uint32_t kMsgLeftDown = 0x201, kMsgLeftUp = 0x202;
inline constexpr std::uint32_t kMsgRightDown = 0x204, kMsgRightUp = 0x205;
inline constexpr std::uint32_t kMsgMiddleDown = 0x207, kMsgMiddleUp = 0x208;
inline constexpr std::uint32_t kKeyFlagExtended = 0x01;
inline constexpr std::uint16_t kFixedRecordedDelay = 50;

struct RecordingOptions {
    bool mouseClicks = false;  // "record mouse clicks" is on
    bool fixedDelay = false;   // every delay is 50 ms
};

class MacroRecorder {
  public:
    void start(Millis now);
    void stop() { recording_ = false; }
    bool recording() const { return recording_; }

    // A key event with its Windows virtual-key code and low-level flags. True when an action was
    // appended (keys outside the 104 keyboard rows and key repeats are dropped).
    bool recordKey(std::vector<MacroAction>& list, std::uint16_t vk, std::uint32_t flags, bool down,
                   Millis now, const RecordingOptions& options);
    // A mouse message; only left, right and middle presses and releases count, and only with
    // mouse clicks on. The same message twice in a row counts once.
    bool recordMouse(std::vector<MacroAction>& list, std::uint32_t message, Millis now,
                     const RecordingOptions& options);

  private:
    void stampDelay(std::vector<MacroAction>& list, Millis now, const RecordingOptions& options);

    bool recording_ = false;
    Millis lastEvent_ = 0;
    std::uint16_t lastPressedKey_ = 0;  // kept between recordings
    std::uint32_t lastMouseMessage_ = 0;
};

}  // namespace quillon::keys
