// Single-report transfers of a HidDevice. Each waits in the backend with a time limit and ends at
// once on a cancel; it holds its own reference to the connection, so a concurrent open or close
// cancels it instead of pulling the connection away under it. The backends move the data inside
// the call, so nothing is left to complete into the caller's buffer after a transfer returns.

#include <algorithm>

#include "device/HidDevice.h"

namespace quillon {
namespace {

// Marks one direction busy for the length of a transfer. A second transfer in the same direction
// while one waits is refused: the record serves one reader and one writer.
class BusyFlag {
  public:
    explicit BusyFlag(std::atomic<bool>& flag) : flag_(flag) {
        bool idle = false;
        acquired_ = flag_.compare_exchange_strong(idle, true);
    }
    ~BusyFlag() {
        if (acquired_) {
            flag_.store(false);
        }
    }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;
    bool acquired() const { return acquired_; }

  private:
    std::atomic<bool>& flag_;
    bool acquired_ = false;
};

int finishTransfer(int result, std::size_t length, std::size_t* moved) {
    if (result <= 0) {
        return 0;
    }
    if (moved != nullptr) {
        *moved = std::min(static_cast<std::size_t>(result), length);
    }
    return 1;
}

}  // namespace

int ReadHidReport(HidDevice& device, std::uint8_t* buffer, std::size_t length, Millis timeoutMs,
                  std::size_t* bytesRead) {
    if (bytesRead != nullptr) {
        *bytesRead = 0;
    }
    if (buffer == nullptr || length == 0) {
        return 0;
    }
    BusyFlag busy(device.reading_);
    if (!busy.acquired()) {
        return 0;
    }
    const std::shared_ptr<HidConnection> connection = device.connection_.load();
    if (!connection) {
        return 0;
    }
    const int result = connection->read(buffer, length, std::max<Millis>(timeoutMs, 0));
    return finishTransfer(result, length, bytesRead);
}

int WriteHidReport(HidDevice& device, const std::uint8_t* buffer, std::size_t length,
                   std::size_t* bytesWritten) {
    if (bytesWritten != nullptr) {
        *bytesWritten = 0;
    }
    if (buffer == nullptr || length == 0) {
        return 0;
    }
    BusyFlag busy(device.writing_);
    if (!busy.acquired()) {
        return 0;
    }
    const std::shared_ptr<HidConnection> connection = device.connection_.load();
    if (!connection) {
        return 0;
    }
    const int result = connection->write(buffer, length, kHidWriteLimitMs);
    return finishTransfer(result, length, bytesWritten);
}

void CancelHidTransfer(HidDevice& device) {
    // With no interface open nothing can wait, and the next transfer fails for want of one.
    if (const std::shared_ptr<HidConnection> connection = device.connection_.load()) {
        connection->cancel();
    }
}

}  // namespace quillon
