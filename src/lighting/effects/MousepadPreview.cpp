#include "lighting/effects/MousepadPreview.h"

#include <array>
#include <vector>

namespace quillon::lighting {
namespace {

// Zones of the seven columns that the column and fill effects light.
const std::array<std::vector<std::uint8_t>, kMousepadColumnCount> kColumns = {
    {{0, 1, 2, 3, 4}, {5}, {6}, {7}, {8}, {9}, {14, 13, 12, 11, 10}}};

std::uint8_t decay(std::uint8_t v, bool runningMode) {
    struct Step {
        int from, by;
    };
    static constexpr std::array<Step, 5> kRunning = {
        {{128, 30}, {64, 20}, {32, 10}, {17, 5}, {1, 1}}};
    static constexpr std::array<Step, 5> kOther = {{{128, 15}, {64, 10}, {32, 7}, {17, 3}, {1, 1}}};
    for (const Step& s : runningMode ? kRunning : kOther) {
        if (v >= s.from) {
            return static_cast<std::uint8_t>(v - s.by);
        }
    }
    return 0;
}

}  // namespace

int mousepadPassDelay(const LightingBlock& b) {
    const int base = 9 + 4 * b.speed;
    switch (b.mode) {
        case 4:
            return base + 10 * b.speed + 100;
        case 5:
            return base + 50;
        case 7:
            return base + 5 * b.speed + 50;
        default:
            return base;
    }
}

void MousepadPreview::reset() {
    position_ = 0;
    bar_ = -1;
    barRising_ = true;
    fill_ = 0x3F00;
    filling_ = true;
    fillCount_ = 0;
    running_.clear();
}

PadFrameResult MousepadPreview::frame(const LightingBlock& b, std::int64_t now, bool triggered,
                                      SharedHue& hue) {
    switch (b.mode) {
        case 0:
            wave(b);
            break;
        case 1:
            stepWithin(position_, kWheelSize, b.direction);
            picture_.fill({wheel(position_), b.alpha()});
            break;
        case 2:
            breathe(b);
            break;
        case 3:
            picture_.fill({b.colour(), b.alpha()});
            break;
        case 4:
            bar(b);
            break;
        case 5:
            runningLight(b, hue);
            break;
        case 6:
            columns(b);
            break;
        case 7:
            return fillAndDrain(b);
        case 8: {
            const bool lit = flash_.frame(triggered, now);
            const Rgb colour = b.changingColours() ? wheel(flash_.wheelIndex) : b.colour();
            picture_.fill(lit ? ZoneLight{colour, b.alpha()} : ZoneLight{});
            break;
        }
        default:
            return {};
    }
    return {true, 0};
}

void MousepadPreview::wave(const LightingBlock& b) {
    const bool seven = b.changingColours();
    stepWithin(position_, seven ? kWheelSize : kCurve96Size, b.direction);
    for (std::size_t i = 0; i < picture_.size(); ++i) {
        const int n = static_cast<int>(i);
        picture_[i] = seven ? ZoneLight{wheel((position_ + 7 * n) % kWheelSize), b.alpha()}
                            : ZoneLight{b.colour(), scaled(b.alpha(), curve96(position_ + 10 * n))};
    }
}

void MousepadPreview::breathe(const LightingBlock& b) {
    if (stepWithin(position_, kBreathSize, b.direction)) {
        group_ = static_cast<std::uint8_t>((group_ + 1) % 3);
    }
    const Rgb colour = b.changingColours() ? wheel(position_ + 50) : b.colour();
    picture_.fill({colour, scaled(b.alpha(), breath(position_))});
}

void MousepadPreview::bar(const LightingBlock& b) {
    bar_ += barRising_ ? 1 : -1;
    if (bar_ >= 15) {
        barRising_ = false;
    } else if (bar_ <= -1) {
        barRising_ = true;
    }
    for (int i = 0; i < static_cast<int>(picture_.size()); ++i) {
        const bool lit = b.direction == 0 ? i < bar_ : i > bar_;
        const Rgb colour = b.changingColours() ? wheel(7 * i) : b.colour();
        picture_[static_cast<std::size_t>(i)] = lit ? ZoneLight{colour, b.alpha()} : ZoneLight{};
    }
}

void MousepadPreview::runningLight(const LightingBlock& b, SharedHue& hue) {
    stepWithin(position_, kWheelSize, b.direction);
    running_.pass(b.direction, b.changingColours(), hue);
    for (std::size_t i = 0; i < picture_.size(); ++i) {
        running_.level[i] = decay(running_.level[i], b.mode == 5);
        const Rgb colour = b.changingColours() ? wheel(wheelHue(running_.hue[i])) : b.colour();
        picture_[i] = {colour, scaled(b.alpha(), running_.level[i])};
    }
}

void MousepadPreview::columns(const LightingBlock& b) {
    stepWithin(position_, kWheelSize, b.direction);
    for (int j = 0; j < kMousepadColumnCount; ++j) {
        setColumn(j, {wheel((position_ + 7 * j) % kWheelSize), b.alpha()});
    }
}

PadFrameResult MousepadPreview::fillAndDrain(const LightingBlock& b) {
    if (filling_) {
        fill_ = static_cast<std::uint16_t>(static_cast<std::int16_t>(fill_) >> 1);
        if (++fillCount_ == 15) {
            fill_ = 0x00FC;
            filling_ = false;
            return {false, 1000};
        }
        stepWithin(position_, kWheelSize, 0);
        lightColumns(b, 7);
        return {true, 0};
    }
    if (fillCount_ <= 0) {
        fill_ = 0x3F00;
        filling_ = true;
        fillCount_ = 0;
        return {false, 1000};
    }
    stepWithin(position_, kWheelSize, 0);
    lightColumns(b, 15);
    fill_ = static_cast<std::uint16_t>(fill_ << 1);
    --fillCount_;
    return {true, 0};
}

// Column k is lit when bit firstBit − k of the fill pattern is set.
void MousepadPreview::lightColumns(const LightingBlock& b, int firstBit) {
    int hue = position_;
    for (int k = 0; k < kMousepadColumnCount; ++k) {
        if ((fill_ >> (firstBit - k) & 1) == 0) {
            setColumn(k, {});
            continue;
        }
        setColumn(k, {b.changingColours() ? wheel(hue) : b.colour(), b.alpha()});
        hue = (hue + 20) % kWheelSize;
    }
}

void MousepadPreview::setColumn(int column, ZoneLight light) {
    for (std::uint8_t zone : kColumns[static_cast<std::size_t>(column)]) {
        picture_[zone] = light;
    }
}

}  // namespace quillon::lighting
