#include "lighting/HostSettings.h"

#include <algorithm>

namespace quillon {

int pointerSpeedForSlider(int position) {
    return 2 * (std::max(position, 0) + 1);
}

int sliderForPointerSpeed(int speed) {
    return speed / 2 - 1;
}

int clampPointerSpeed(int speed) {
    return std::clamp(speed, kPointerSpeedMin, kPointerSpeedMax);
}

int wheelLinesStepUp(int lines) {
    return std::min(std::max(lines, kWheelLinesMin) + 1, kWheelLinesMax);
}

int wheelLinesStepDown(int lines) {
    return std::max(std::min(lines, kWheelLinesMax) - 1, kWheelLinesMin);
}

int clampWheelLines(int lines) {
    return std::clamp(lines, kWheelLinesMin, kWheelLinesMax);
}

int pointerSpeedFromStore(int stored) {
    return clampPointerSpeed(stored);
}

int wheelLinesFromStore(int stored) {
    return clampWheelLines(stored);
}

}  // namespace quillon
