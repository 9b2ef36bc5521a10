// The transport half of the hub: endpoints are opened and closed, output reports reach the
// firmware, and input reports (answers, announcements) wait in the endpoints for their readers.

#include <algorithm>

#include "platform/sim/SimDescriptors.h"
#include "platform/sim/SimHub.h"
#include "platform/sim/SimIdentity.h"

namespace quillon {

std::unique_ptr<SimEndpoint> SimHub::attach(SimKind kind, SimInterface iface,
                                            const HidAccess& access) {
    if (iface == SimInterface::Consumer && !simHasConsumerInterface(kind)) {
        return nullptr;
    }
    auto endpoint = std::make_unique<SimEndpoint>();
    endpoint->kind = kind;
    endpoint->iface = iface;
    endpoint->access = access;
    const Millis now = clock_.now();
    bool attached = false;
    clock_.update([&] {
        SimDevice& dev = device(kind);
        if (!dev.plugged() || !accessAllowedLocked(kind, iface, access)) {
            return;
        }
        endpoint->generation = dev.generation();
        endpoint->productId = dev.productId();
        endpoints_.push_back(endpoint.get());
        attached = true;
        if (iface == SimInterface::Consumer && access.read) {
            for (std::uint16_t usage : dev.takeAnnouncements()) {
                endpoint->inbox.push_back({now, simConsumerReport(usage)});
            }
        }
    });
    return attached ? std::move(endpoint) : nullptr;
}

void SimHub::detach(SimEndpoint* endpoint) {
    clock_.update([&] { std::erase(endpoints_, endpoint); });
}

int SimHub::write(SimEndpoint& endpoint, const std::uint8_t* data, std::size_t length) {
    const Millis now = clock_.now();
    std::vector<SimReport> crossed;
    int result = kHidError;
    std::lock_guard guard(sinkMutex_);  // keeps the sink's order the trace's order
    clock_.update([&] { result = writeLocked(endpoint, data, length, now, crossed); });
    if (sink_) {
        for (const SimReport& report : crossed) {
            sink_(report);
        }
    }
    return result;
}

void SimHub::cancel(SimEndpoint& endpoint) {
    clock_.update([&] { endpoint.cancelPending = true; });
}

SimInboxLook SimHub::lookLocked(SimEndpoint& endpoint, bool wantReport) {
    using What = SimInboxLook::What;
    if (endpoint.cancelPending) {
        endpoint.cancelPending = false;
        return {What::Cancelled, 0};
    }
    if (!aliveLocked(endpoint)) {
        return {What::Gone, 0};
    }
    if (wantReport && !endpoint.inbox.empty()) {
        return {What::Report, endpoint.inbox.front().readyAt};
    }
    return {What::Nothing, 0};
}

int SimHub::takeLocked(SimEndpoint& endpoint, std::uint8_t* buffer, std::size_t capacity) {
    if (endpoint.inbox.empty() || endpoint.inbox.front().bytes.size() > capacity) {
        return kHidError;
    }
    const std::vector<std::uint8_t> bytes = std::move(endpoint.inbox.front().bytes);
    endpoint.inbox.pop_front();
    std::copy(bytes.begin(), bytes.end(), buffer);
    return static_cast<int>(bytes.size());
}

bool SimHub::aliveLocked(const SimEndpoint& endpoint) {
    const SimDevice& dev = device(endpoint.kind);
    return dev.plugged() && dev.generation() == endpoint.generation;
}

// Another opener may read while someone holds the interface exclusively, but not write; and an
// exclusive open fails while someone else may write.
bool SimHub::accessAllowedLocked(SimKind kind, SimInterface iface, const HidAccess& access) {
    for (const SimEndpoint* other : endpoints_) {
        if (other->kind != kind || other->iface != iface || !aliveLocked(*other)) {
            continue;
        }
        if ((other->access.exclusive && access.write) ||
            (access.exclusive && other->access.write)) {
            return false;
        }
    }
    return true;
}

int SimHub::writeLocked(SimEndpoint& endpoint, const std::uint8_t* data, std::size_t length,
                        Millis now, std::vector<SimReport>& crossed) {
    if (endpoint.cancelPending) {
        endpoint.cancelPending = false;
        return kHidCancelled;
    }
    if (!aliveLocked(endpoint) || !endpoint.access.write ||
        endpoint.iface != SimInterface::Config) {
        return kHidError;
    }
    if (data == nullptr || length != kSimConfigReportLength || data[0] != kSimConfigReportId) {
        return kHidError;  // not an output report this interface describes
    }
    SimFrame request{};
    std::copy_n(data, request.size(), request.begin());
    SimDevice& dev = device(endpoint.kind);
    const SimDelivery delivery = dev.receive(request);
    if (!delivery.accepted) {
        return kHidError;
    }
    crossed.push_back({endpoint.kind, SimDirection::Request, request});
    if (delivery.answer) {
        crossed.push_back({endpoint.kind, SimDirection::Response, *delivery.answer});
        const std::vector<std::uint8_t> bytes(delivery.answer->begin(), delivery.answer->end());
        deliverLocked(endpoint.kind, SimInterface::Config, now + dev.latency(), bytes);
    }
    for (const SimReport& report : crossed) {
        trace_.add(report);
    }
    return static_cast<int>(length);
}

bool SimHub::deliverLocked(SimKind kind, SimInterface iface, Millis readyAt,
                           const std::vector<std::uint8_t>& bytes) {
    bool delivered = false;
    for (SimEndpoint* endpoint : endpoints_) {
        if (endpoint->kind != kind || endpoint->iface != iface || !endpoint->access.read ||
            !aliveLocked(*endpoint)) {
            continue;
        }
        delivered = true;
        if (endpoint->inbox.size() < kSimMaxInbox) {  // a full queue loses the newest, as hidraw
            endpoint->inbox.push_back({readyAt, bytes});
        }
    }
    return delivered;
}

}  // namespace quillon
