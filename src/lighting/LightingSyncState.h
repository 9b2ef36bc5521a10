#pragma once
// What the lighting workers and the interface thread share about synchronised lighting: which
// devices take part, and the lighting block the same-mode copy filled. Every field is an atomic
// byte or flag.

#include <array>
#include <atomic>
#include <cstdint>

#include "device/DeviceKind.h"
#include "lighting/effects/LightingBlock.h"

namespace quillon::lighting {

class LightingSyncState {
  public:
    bool synchronised(DeviceKind kind) const { return member_[kindIndex(kind)].load(); }
    void setSynchronised(DeviceKind kind, bool on) { member_[kindIndex(kind)].store(on); }
    bool anySynchronised() const {
        for (const auto& m : member_) {
            if (m.load()) {
                return true;
            }
        }
        return false;
    }
    void leaveAll() {
        for (auto& m : member_) {
            m.store(false);
        }
    }

    LightingBlock block() const {
        return {b_[0].load(), b_[1].load(), b_[2].load(), b_[3].load(),
                b_[4].load(), b_[5].load(), b_[6].load(), b_[7].load()};
    }
    void setBlock(const LightingBlock& b) {
        const std::array<std::uint8_t, 8> v = {b.mode,        b.brightness, b.speed, b.direction,
                                               b.sevenColour, b.red,        b.green, b.blue};
        for (std::size_t i = 0; i < v.size(); ++i) {
            b_[i].store(v[i]);
        }
    }

  private:
    std::array<std::atomic<bool>, 3> member_{};
    std::array<std::atomic<std::uint8_t>, 8> b_{};
};

}  // namespace quillon::lighting
