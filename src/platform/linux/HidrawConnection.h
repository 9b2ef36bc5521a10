#pragma once
// One open hidraw node. Transfers wait with poll() on the node and on an eventfd that cancel()
// signals, so a waiting read or write ends at once when cancelled and never outlives its limit
// (the limit is counted on the backend's Clock across interrupted waits).
//
// hidraw leaves out the report id byte when the descriptor declares no report ids; reads then put
// a 0 in front, so callers always see the report id first. Writes pass through unchanged: a
// leading 0 is dropped by the kernel for such devices.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "platform/UniqueFd.h"

namespace quillon {

class HidrawConnection final : public HidConnection {
  public:
    struct Identity {
        std::uint16_t vendorId = 0;
        std::uint16_t productId = 0;
        std::vector<std::uint8_t> descriptor;
    };

    HidrawConnection(Identity identity, UniqueFd device, UniqueFd cancelSignal, HidAccess access,
                     std::shared_ptr<Clock> clock);

    int write(const std::uint8_t* data, std::size_t length, Millis timeout) override;
    int read(std::uint8_t* buffer, std::size_t capacity, Millis timeout) override;
    void cancel() override;

  private:
    enum class Wait { Ready, Cancelled, TimedOut, Failed };
    static constexpr int kReady = 1;
    Wait waitUntil(short events, Millis deadline);
    // The transfer result of a wait that did not end with the node ready, or kReady.
    static int failureOf(Wait wait);
    bool takeCancel();
    long readOnce(std::uint8_t* buffer, std::size_t capacity);

    UniqueFd device_;
    UniqueFd cancelSignal_;
    const HidAccess access_;
    const bool numberedReports_;
    std::shared_ptr<Clock> clock_;
};

}  // namespace quillon
