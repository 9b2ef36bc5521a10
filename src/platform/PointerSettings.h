#pragma once
// The desktop's pointer speed and wheel lines: how fast the pointer moves (1..20, 10 being the
// desktop's usual speed) and how many lines one notch of the wheel scrolls (1..100). Each platform
// reaches its desktop's own settings where it has them and otherwise keeps the values itself.
//
// Every operation may be called from any thread. An apply may take a while (it can start a helper
// program), so the interface thread hands applies to a short-lived worker.

#include <algorithm>

namespace quillon {

class PointerSettings {
  public:
    virtual ~PointerSettings() = default;

    // The current value, or 0 when the desktop gives no usable answer.
    virtual int pointerSpeed() const = 0;
    virtual int wheelLines() const = 0;

    // Hands a value to the desktop; a value outside the range is brought into it first.
    // 1 on success, 0 or a negative code when the desktop refused it.
    virtual int applyPointerSpeed(int speed) = 0;
    virtual int applyWheelLines(int lines) = 0;
};

inline constexpr int kPointerSettingsSpeedMin = 1;
inline constexpr int kPointerSettingsSpeedMax = 20;
inline constexpr int kPointerSettingsSpeedDefault = 10;
inline constexpr int kPointerSettingsLinesMin = 1;
inline constexpr int kPointerSettingsLinesMax = 100;
inline constexpr int kPointerSettingsLinesDefault = 3;

inline int pointerSpeedInRange(int speed) {
    return std::clamp(speed, kPointerSettingsSpeedMin, kPointerSettingsSpeedMax);
}
inline int wheelLinesInRange(int lines) {
    return std::clamp(lines, kPointerSettingsLinesMin, kPointerSettingsLinesMax);
}

}  // namespace quillon
