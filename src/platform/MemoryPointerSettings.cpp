#include "platform/MemoryPointerSettings.h"

#include <mutex>

namespace quillon {

MemoryPointerSettings::MemoryPointerSettings(Clock& clock, int speed, int lines)
    : mutex_(clock), speed_(speed), lines_(lines) {}

int MemoryPointerSettings::pointerSpeed() const {
    std::lock_guard<ClockMutex> hold(mutex_);
    return speed_;
}

int MemoryPointerSettings::wheelLines() const {
    std::lock_guard<ClockMutex> hold(mutex_);
    return lines_;
}

int MemoryPointerSettings::applyPointerSpeed(int speed) {
    return record(Setting::PointerSpeed, pointerSpeedInRange(speed));
}

int MemoryPointerSettings::applyWheelLines(int lines) {
    return record(Setting::WheelLines, wheelLinesInRange(lines));
}

int MemoryPointerSettings::record(Setting setting, int value) {
    std::lock_guard<ClockMutex> hold(mutex_);
    (setting == Setting::PointerSpeed ? speed_ : lines_) = value;
    applies_.push_back({setting, value});
    return 1;
}

std::vector<MemoryPointerSettings::Apply> MemoryPointerSettings::applies() const {
    std::lock_guard<ClockMutex> hold(mutex_);
    return applies_;
}

void MemoryPointerSettings::setDesktopValues(int speed, int lines) {
    std::lock_guard<ClockMutex> hold(mutex_);
    speed_ = speed;
    lines_ = lines;
}

}  // namespace quillon
