#pragma once
// The two mouse settings that belong to the desktop rather than to the mouse: the pointer speed
// (1..20) and the lines one wheel notch scrolls (1..100). The program holds them beside the mouse's
// current record and stores them in bytes 38 and 39 of the record in profile files.

namespace quillon {

inline constexpr int kPointerSpeedMin = 1;
inline constexpr int kPointerSpeedMax = 20;
inline constexpr int kWheelLinesMin = 1;
inline constexpr int kWheelLinesMax = 100;

struct HostSettings {
    int pointerSpeed = 10;
    int wheelLines = 3;
};

// The desktop's current values, as the desktop port reports them (0 when it has no answer).
class PointerSettingsSource {
  public:
    virtual ~PointerSettingsSource() = default;
    virtual int pointerSpeed() const = 0;
    virtual int wheelLines() const = 0;
};

// Pointer speed slider: position p stores 2 × (p + 1), a negative position counting as 0.
int pointerSpeedForSlider(int position);
// The slider position that shows a stored speed v: v / 2 − 1.
int sliderForPointerSpeed(int speed);
// The value the desktop is given: at most 20, at least 1.
int clampPointerSpeed(int speed);

// Wheel lines up button: below 1 counts as 1, plus one, at most 100.
int wheelLinesStepUp(int lines);
// Wheel lines down button: at most 100, minus one, at least 1.
int wheelLinesStepDown(int lines);
int clampWheelLines(int lines);

// A value taken from a profile file or the desktop: 0 (nothing stored) becomes 1 and anything else
// is kept within the setting's range.
int pointerSpeedFromStore(int stored);
int wheelLinesFromStore(int stored);

}  // namespace quillon
