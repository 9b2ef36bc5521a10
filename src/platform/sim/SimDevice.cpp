#include "platform/sim/SimDevice.h"

#include <utility>

#include "platform/sim/SimIdentity.h"

namespace quillon {

SimDevice::SimDevice(SimKind kind) : memory_(kind), productId_(simDefaultProductId(kind)) {}

void SimDevice::plug(std::uint16_t productId) {
    const std::uint16_t id = productId == 0 ? simDefaultProductId(kind()) : productId;
    if (plugged_ && id == productId_) {
        return;
    }
    plugged_ = true;
    productId_ = id;
    ++generation_;
    backlog_.clear();
}

void SimDevice::unplug() {
    if (!plugged_) {
        return;
    }
    plugged_ = false;
    ++generation_;
    backlog_.clear();
}

bool SimDevice::setLatency(Millis latency) {
    if (latency < 0 || latency > kSimMaxLatencyMs) {
        return false;
    }
    latency_ = latency;
    return true;
}

bool SimDevice::setFault(SimFault fault, int count) {
    if (count < 0 || count > kSimMaxFaultCount) {
        return false;
    }
    fault_ = fault;
    faultCount_ = fault == SimFault::None ? 0 : count;
    return true;
}

SimDelivery SimDevice::receive(const SimFrame& request) {
    const SimFault fault = this->fault();
    if (faultCount_ > 0) {
        --faultCount_;
    }
    switch (fault) {
        case SimFault::WriteFail:
            return {false, std::nullopt};
        case SimFault::Silent:
            return {true, std::nullopt};
        case SimFault::StatusFF:
            return {true, simStatusReply(request, kSimStatusRejected)};
        case SimFault::StatusFE:
            return {true, simStatusReply(request, kSimStatusOutOfRange)};
        case SimFault::None:
            break;
    }
    return {true, simRunFirmware(memory_, request)};
}

void SimDevice::keepAnnouncement(std::uint16_t usage) {
    if (backlog_.size() < kSimMaxBacklog) {
        backlog_.push_back(usage);
    }
}

std::deque<std::uint16_t> SimDevice::takeAnnouncements() {
    return std::exchange(backlog_, {});
}

}  // namespace quillon
