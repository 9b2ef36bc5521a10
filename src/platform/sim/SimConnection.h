#pragma once
// An opened simulated interface. Writes reach the device at once; reads wait through the clock for
// the first input report that has become readable (an answer after the device's latency, an
// announcement at once), for a cancel, or for the device to disappear.

#include <memory>

#include "platform/HidBackend.h"
#include "platform/sim/SimHub.h"

namespace quillon {

class SimConnection final : public HidConnection {
  public:
    SimConnection(std::shared_ptr<SimHub> hub, std::unique_ptr<SimEndpoint> endpoint);
    ~SimConnection() override;
    SimConnection(const SimConnection&) = delete;
    SimConnection& operator=(const SimConnection&) = delete;

    int write(const std::uint8_t* data, std::size_t length, Millis timeout) override;
    int read(std::uint8_t* buffer, std::size_t capacity, Millis timeout) override;
    void cancel() override;

  private:
    // Waits until `until` for a cancel or the device's disappearance; the transfer result when one
    // came, 0 when the time ran out.
    int waitForInterruption(Millis until);

    std::shared_ptr<SimHub> hub_;
    std::unique_ptr<SimEndpoint> endpoint_;
};

}  // namespace quillon
