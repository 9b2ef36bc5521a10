#include "device/ctl/CtlSession.h"

#include "device/HidDevice.h"
#include "platform/linux/LinuxHidBackend.h"

namespace quillon::ctl {
namespace {

void askForConfigAccess(HidDevice& device, const std::string& path) {
    device.devicePath = path;
    device.wantRead = true;
    device.wantWrite = true;
    device.wantOverlapped = true;
    device.exclusive = false;
}

// Opens interface after interface whose vendor id matches, until one is the kind's
// configuration interface.
bool findConfigInterface(DeviceChannel& channel) {
    HidDevice& device = channel.device();
    if (EnumerateHidPaths(device) != 1) {
        return false;
    }
    const std::vector<HidInterfaceInfo> paths = device.pathList;
    for (const HidInterfaceInfo& info : paths) {
        if (info.vendorId != channel.identity().vendorId) {
            continue;
        }
        askForConfigAccess(device, info.path);
        if (OpenHidDevice(device) == 1 &&
            matchesIdentity(channel.kind(), channel.identity(), device)) {
            return true;
        }
    }
    CloseHidDevice(device);
    return false;
}

}  // namespace

CtlSession::~CtlSession() = default;

bool CtlSession::start(const CtlOptions& options, std::string& error, bool& usage) {
    usage = false;
    clock_ = makeSteadyClock();
    if (options.simulate) {
        sim_ = std::make_unique<SimBackend>(*clock_);
        if (!prepareSimulation(options, error)) {
            usage = true;
            return false;
        }
    } else {
        system_ = makeLinuxHidBackend();
    }
    if (!options.traceFile.empty()) {
        trace_ = std::make_unique<FileReportTrace>(options.traceFile);
        if (!trace_->isOpen()) {
            error = "cannot open the trace file " + options.traceFile;
            return false;
        }
    }
    return true;
}

bool CtlSession::prepareSimulation(const CtlOptions& options, std::string& error) {
    for (SimKind kind : options.simulated) {
        const bool keyboard = kind == SimKind::Keyboard;
        sim_->plug(kind, keyboard ? options.keyboardProductId.value_or(0) : 0);
    }
    if (options.keyCount && !sim_->setKeyCount(SimKind::Keyboard, *options.keyCount)) {
        error = "--sim-keys: the simulated keyboard does not take that key count";
        return false;
    }
    for (const SimFaultSpec& fault : options.faults) {
        if (!sim_->isPlugged(fault.kind) || !sim_->setFault(fault.kind, fault.fault, fault.count)) {
            error =
                "--sim-fault: the " + std::string(simKindName(fault.kind)) + " is not simulated";
            return false;
        }
    }
    return true;
}

std::unique_ptr<DeviceChannel> CtlSession::open(DeviceKind kind) {
    auto channel = std::make_unique<DeviceChannel>(kind, backend(), *clock_);
    channel->setIdentity(standardIdentity(kind));
    channel->setTrace(trace_.get());
    if (!findConfigInterface(*channel)) {
        return nullptr;
    }
    channel->setConnected(true);
    return channel;
}

std::vector<FoundInterface> CtlSession::listConfigInterfaces() {
    std::vector<FoundInterface> found;
    HidDevice probe(backend());
    if (EnumerateHidPaths(probe) != 1) {
        return found;
    }
    const std::vector<HidInterfaceInfo> paths = probe.pathList;
    for (const HidInterfaceInfo& info : paths) {
        if (info.vendorId != kDeviceVendorId) {
            continue;
        }
        askForConfigAccess(probe, info.path);
        if (OpenHidDevice(probe) != 1) {
            continue;
        }
        for (DeviceKind kind : kAllDeviceKinds) {
            if (matchesIdentity(kind, standardIdentity(kind), probe)) {
                found.push_back({kind, probe.vendorId(), probe.productId(), info.path});
            }
        }
    }
    return found;
}

}  // namespace quillon::ctl
