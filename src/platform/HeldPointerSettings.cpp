#include "platform/HeldPointerSettings.h"

#include <mutex>

#include "platform/IniFile.h"

namespace quillon {
namespace {

int storedOrDefault(const IniFile& ini, const char* key, int fallback, int (*inRange)(int)) {
    const int stored = ini.readInt(kHeldPointerSection, key, 0);
    return stored == 0 ? fallback : inRange(stored);
}

}  // namespace

HeldPointerSettings::HeldPointerSettings(Clock& clock, std::string settingsFile)
    : writing_(clock),
      file_(std::move(settingsFile)),
      speed_(storedOrDefault(IniFile(file_), kHeldPointerSpeedKey, kPointerSettingsSpeedDefault,
                             pointerSpeedInRange)),
      lines_(storedOrDefault(IniFile(file_), kHeldWheelLinesKey, kPointerSettingsLinesDefault,
                             wheelLinesInRange)) {}

int HeldPointerSettings::applyPointerSpeed(int speed) {
    return keep(speed_, kHeldPointerSpeedKey, pointerSpeedInRange(speed));
}

int HeldPointerSettings::applyWheelLines(int lines) {
    return keep(lines_, kHeldWheelLinesKey, wheelLinesInRange(lines));
}

int HeldPointerSettings::keep(std::atomic<int>& value, const char* key, int wanted) {
    std::lock_guard<ClockMutex> hold(writing_);
    value.store(wanted);
    return IniFile(file_).writeInt(kHeldPointerSection, key, wanted) ? 1 : 0;
}

}  // namespace quillon
