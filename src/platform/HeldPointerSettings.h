#pragma once
// Pointer settings for a desktop that offers none the program can reach: the program holds the
// values itself, in memory and in its settings file ("main.ini", section "POINTER"), so that they
// survive a restart. Nothing outside the program follows them.

#include <atomic>
#include <string>

#include "platform/ClockSync.h"
#include "platform/PointerSettings.h"

namespace quillon {

inline constexpr const char* kHeldPointerSection = "POINTER";
inline constexpr const char* kHeldPointerSpeedKey = "SPEED";
inline constexpr const char* kHeldWheelLinesKey = "WHEELLINES";

class HeldPointerSettings final : public PointerSettings {
  public:
    // Starts from the values in `settingsFile`; a missing or unusable value starts from the
    // desktop's customary default (speed 10, three lines), a value out of range is brought into it.
    HeldPointerSettings(Clock& clock, std::string settingsFile);

    int pointerSpeed() const override { return speed_.load(); }
    int wheelLines() const override { return lines_.load(); }
    // Keeps the value; 1 when the settings file took it too, 0 when only memory holds it.
    int applyPointerSpeed(int speed) override;
    int applyWheelLines(int lines) override;

  private:
    int keep(std::atomic<int>& value, const char* key, int wanted);

    ClockMutex writing_;  // memory and file change together, one apply at a time
    std::string file_;
    std::atomic<int> speed_;
    std::atomic<int> lines_;
};

}  // namespace quillon
