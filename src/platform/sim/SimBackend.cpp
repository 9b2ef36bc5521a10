#include "platform/sim/SimBackend.h"

#include "platform/sim/SimConnection.h"
#include "platform/sim/SimIdentity.h"

namespace quillon {

SimBackend::SimBackend(Clock& clock) : hub_(std::make_shared<SimHub>(clock)) {}

SimBackend::~SimBackend() = default;

int SimBackend::enumerate(std::vector<HidInterfaceInfo>& out) {
    out = hub_->interfaces();
    return 1;
}

std::unique_ptr<HidConnection> SimBackend::open(const std::string& path, const HidAccess& access) {
    SimKind kind = SimKind::Mouse;
    SimInterface iface = SimInterface::Config;
    if (!parseSimInterfacePath(path, kind, iface)) {
        return nullptr;
    }
    std::unique_ptr<SimEndpoint> endpoint = hub_->attach(kind, iface, access);
    if (!endpoint) {
        return nullptr;
    }
    return std::make_unique<SimConnection>(hub_, std::move(endpoint));
}

bool SimBackend::exists(const std::string& path) {
    return hub_->exists(path);
}

bool SimBackend::plug(SimKind kind, std::uint16_t productId) {
    return hub_->plug(kind, productId);
}

bool SimBackend::unplug(SimKind kind) {
    return hub_->unplug(kind);
}

bool SimBackend::isPlugged(SimKind kind) {
    return hub_->isPlugged(kind);
}

std::uint16_t SimBackend::productId(SimKind kind) {
    return hub_->productId(kind);
}

bool SimBackend::announce(SimKind kind, std::uint16_t usage) {
    return hub_->announce(kind, usage);
}

bool SimBackend::setMemory(SimKind kind, SimRegion region, std::size_t offset,
                           std::span<const std::uint8_t> bytes) {
    return hub_->setMemory(kind, region, offset, bytes);
}

bool SimBackend::readMemory(SimKind kind, SimRegion region, std::size_t offset, std::size_t count,
                            std::vector<std::uint8_t>& out) {
    return hub_->readMemory(kind, region, offset, count, out);
}

std::size_t SimBackend::regionSize(SimKind kind, SimRegion region) {
    return hub_->regionSize(kind, region);
}

bool SimBackend::setFault(SimKind kind, SimFault fault, int count) {
    return hub_->setFault(kind, fault, count);
}

bool SimBackend::setKeyCount(SimKind kind, int count) {
    return hub_->setKeyCount(kind, count);
}

bool SimBackend::setLatency(SimKind kind, Millis latency) {
    return hub_->setLatency(kind, latency);
}

bool SimBackend::setLatency(Millis latency) {
    bool all = true;
    for (SimKind kind : kAllSimKinds) {
        all = hub_->setLatency(kind, latency) && all;
    }
    return all;
}

void SimBackend::resetTrace() {
    hub_->resetTrace();
}

std::vector<SimReport> SimBackend::trace() {
    return hub_->trace();
}

std::vector<SimFrame> SimBackend::requests(SimKind kind) {
    return hub_->requests(kind);
}

std::size_t SimBackend::traceOverflow() {
    return hub_->traceOverflow();
}

void SimBackend::setTraceSink(SimTraceSink sink) {
    hub_->setTraceSink(std::move(sink));
}

}  // namespace quillon
