#include "platform/sim/SimHub.h"

#include "platform/sim/SimDescriptors.h"
#include "platform/sim/SimIdentity.h"

namespace quillon {

SimHub::SimHub(Clock& clock)
    : clock_(clock),
      devices_{SimDevice(SimKind::Keyboard), SimDevice(SimKind::Mouse),
               SimDevice(SimKind::Mousepad)} {}

bool SimHub::plug(SimKind kind, std::uint16_t productId) {
    clock_.update([&] { device(kind).plug(productId); });
    return true;
}

bool SimHub::unplug(SimKind kind) {
    clock_.update([&] { device(kind).unplug(); });
    return true;
}

bool SimHub::isPlugged(SimKind kind) {
    // Asked by every detection pass: a lock-free read, so that it wakes none of the threads that
    // wait on the clock for something else.
    return device(kind).plugged();
}

std::uint16_t SimHub::productId(SimKind kind) {
    std::uint16_t id = 0;
    clock_.update([&] { id = device(kind).productId(); });
    return id;
}

bool SimHub::announce(SimKind kind, std::uint16_t usage) {
    if (!simHasConsumerInterface(kind)) {
        return false;
    }
    const std::vector<std::uint8_t> report = simConsumerReport(usage);
    const Millis now = clock_.now();
    bool announced = false;
    clock_.update([&] {
        SimDevice& dev = device(kind);
        if (!dev.plugged()) {
            return;
        }
        announced = true;
        if (!deliverLocked(kind, SimInterface::Consumer, now, report)) {
            dev.keepAnnouncement(usage);  // for the next reader that opens the interface
        }
    });
    return announced;
}

bool SimHub::setMemory(SimKind kind, SimRegion region, std::size_t offset,
                       std::span<const std::uint8_t> bytes) {
    bool written = false;
    clock_.update([&] { written = device(kind).memory().write(region, offset, bytes); });
    return written;
}

bool SimHub::readMemory(SimKind kind, SimRegion region, std::size_t offset, std::size_t count,
                        std::vector<std::uint8_t>& out) {
    bool read = false;
    clock_.update([&] {
        const SimMemory& memory = device(kind).memory();
        if (!simRangeFits(offset, count, memory.size(region))) {
            return;  // checked before sizing the buffer: `count` comes from the caller
        }
        std::vector<std::uint8_t> bytes(count);
        read = memory.read(region, offset, bytes);
        if (read) {
            out = std::move(bytes);
        }
    });
    return read;
}

std::size_t SimHub::regionSize(SimKind kind, SimRegion region) {
    std::size_t size = 0;
    clock_.update([&] { size = device(kind).memory().size(region); });
    return size;
}

bool SimHub::setFault(SimKind kind, SimFault fault, int count) {
    bool set = false;
    clock_.update([&] { set = device(kind).setFault(fault, count); });
    return set;
}

bool SimHub::setKeyCount(SimKind kind, int count) {
    bool set = false;
    clock_.update([&] { set = device(kind).memory().setKeyCount(count); });
    return set;
}

bool SimHub::setLatency(SimKind kind, Millis latency) {
    bool set = false;
    clock_.update([&] { set = device(kind).setLatency(latency); });
    return set;
}

void SimHub::resetTrace() {
    clock_.update([&] { trace_.reset(); });
}

std::vector<SimReport> SimHub::trace() {
    std::vector<SimReport> reports;
    clock_.update([&] { reports = trace_.reports(); });
    return reports;
}

std::vector<SimFrame> SimHub::requests(SimKind kind) {
    std::vector<SimFrame> frames;
    clock_.update([&] { frames = trace_.requests(kind); });
    return frames;
}

std::size_t SimHub::traceOverflow() {
    std::size_t overflow = 0;
    clock_.update([&] { overflow = trace_.overflow(); });
    return overflow;
}

void SimHub::setTraceSink(SimTraceSink sink) {
    std::lock_guard guard(sinkMutex_);
    sink_ = std::move(sink);
}

std::vector<HidInterfaceInfo> SimHub::interfaces() {
    std::vector<HidInterfaceInfo> list;
    clock_.update([&] {
        for (SimKind kind : kAllSimKinds) {
            const SimDevice& dev = device(kind);
            if (!dev.plugged()) {
                continue;
            }
            list.push_back(
                {simInterfacePath(kind, SimInterface::Config), kSimVendorId, dev.productId()});
            if (simHasConsumerInterface(kind)) {
                list.push_back({simInterfacePath(kind, SimInterface::Consumer), kSimVendorId,
                                dev.productId()});
            }
        }
    });
    return list;
}

bool SimHub::exists(const std::string& path) {
    SimKind kind = SimKind::Mouse;
    SimInterface iface = SimInterface::Config;
    if (!parseSimInterfacePath(path, kind, iface)) {
        return false;
    }
    if (iface == SimInterface::Consumer && !simHasConsumerInterface(kind)) {
        return false;
    }
    return isPlugged(kind);
}

}  // namespace quillon
