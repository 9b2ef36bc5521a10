#include "platform/sim/SimConnection.h"

#include <algorithm>

#include "platform/sim/SimDescriptors.h"
#include "platform/sim/SimIdentity.h"

namespace quillon {
namespace {

const std::vector<std::uint8_t>& descriptorOf(SimInterface iface) {
    return iface == SimInterface::Config ? simConfigDescriptor() : simConsumerDescriptor();
}

int resultOf(SimInboxLook::What what) {
    return what == SimInboxLook::What::Cancelled ? kHidCancelled : kHidError;
}

}  // namespace

SimConnection::SimConnection(std::shared_ptr<SimHub> hub, std::unique_ptr<SimEndpoint> endpoint)
    : HidConnection(kSimVendorId, endpoint->productId, descriptorOf(endpoint->iface)),
      hub_(std::move(hub)),
      endpoint_(std::move(endpoint)) {}

SimConnection::~SimConnection() {
    hub_->detach(endpoint_.get());
}

int SimConnection::write(const std::uint8_t* data, std::size_t length, Millis) {
    // The simulated device takes a report in at once, so the time limit never comes into play.
    return hub_->write(*endpoint_, data, length);
}

int SimConnection::read(std::uint8_t* buffer, std::size_t capacity, Millis timeout) {
    if (buffer == nullptr || capacity == 0 || !endpoint_->access.read) {
        return kHidError;
    }
    using What = SimInboxLook::What;
    Clock& clock = hub_->clock();
    const Millis deadline = clock.deadlineAfter(timeout);
    for (;;) {
        SimInboxLook look;
        const bool found = clock.waitUntil(deadline, [&] {
            look = hub_->lookLocked(*endpoint_, true);
            return look.what != What::Nothing;
        });
        if (!found) {
            return kHidTimeout;
        }
        if (look.what != What::Report) {
            return resultOf(look.what);
        }
        const Millis now = clock.now();
        if (look.readyAt <= now) {
            int taken = kHidError;
            clock.update([&] { taken = hub_->takeLocked(*endpoint_, buffer, capacity); });
            return taken;
        }
        if (now >= deadline) {
            return kHidTimeout;
        }
        const int interrupted = waitForInterruption(std::min(look.readyAt, deadline));
        if (interrupted != 0) {
            return interrupted;
        }
    }
}

void SimConnection::cancel() {
    hub_->cancel(*endpoint_);
}

int SimConnection::waitForInterruption(Millis until) {
    SimInboxLook look;
    const bool interrupted = hub_->clock().waitUntil(until, [&] {
        look = hub_->lookLocked(*endpoint_, false);
        return look.what != SimInboxLook::What::Nothing;
    });
    return interrupted ? resultOf(look.what) : 0;
}

}  // namespace quillon
