#pragma once
// Pointer settings kept in memory, with a record of every apply in the order the applies arrived.
// The scenario harness and the tests run the program on it, so no test touches the desktop.

#include <vector>

#include "platform/Clock.h"
#include "platform/ClockSync.h"
#include "platform/PointerSettings.h"

namespace quillon {

class MemoryPointerSettings final : public PointerSettings {
  public:
    enum class Setting { PointerSpeed, WheelLines };
    struct Apply {
        Setting setting;
        int value;  // as applied, within the setting's range
        bool operator==(const Apply&) const = default;
    };

    explicit MemoryPointerSettings(Clock& clock, int speed = kPointerSettingsSpeedDefault,
                                   int lines = kPointerSettingsLinesDefault);

    int pointerSpeed() const override;
    int wheelLines() const override;
    int applyPointerSpeed(int speed) override;
    int applyWheelLines(int lines) override;

    std::vector<Apply> applies() const;
    // What the desktop reports from now on, as if the user had changed it elsewhere; 0 makes it
    // report that it has no answer. Not recorded as an apply.
    void setDesktopValues(int speed, int lines);

  private:
    int record(Setting setting, int value);

    mutable ClockMutex mutex_;
    int speed_;
    int lines_;
    std::vector<Apply> applies_;
};

}  // namespace quillon
