#include "device/DeviceChannel.h"

#include <mutex>

namespace quillon {
namespace {

constexpr std::uint16_t kKeyboardAltProductIds[] = {0x0800, 0x7200};

std::uint16_t standardProductId(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Keyboard:
            return 0x6556;
        case DeviceKind::Mouse:
            return 0x7643;
        case DeviceKind::Mousepad:
            return 0x5004;
    }
    return 0;
}

CommandResult statusResult(const CommandFrame& response) {
    switch (response.status()) {
        case kStatusFailedFF:
            return kCommandStatusFF;
        case kStatusFailedFE:
            return kCommandStatusFE;
        default:
            return kCommandOk;
    }
}

}  // namespace

ChannelIdentity standardIdentity(DeviceKind kind) {
    return {kDeviceVendorId, standardProductId(kind), kConfigUsagePage, kConfigUsage};
}

bool acceptsProductId(DeviceKind kind, const ChannelIdentity& identity, std::uint16_t productId) {
    if (productId == identity.productId) {
        return true;
    }
    if (kind != DeviceKind::Keyboard) {
        return false;
    }
    for (std::uint16_t alt : kKeyboardAltProductIds) {
        if (productId == alt) {
            return true;
        }
    }
    return false;
}

bool matchesIdentity(DeviceKind kind, const ChannelIdentity& identity, const HidDevice& device) {
    return device.isOpen() && device.vendorId() == identity.vendorId &&
           acceptsProductId(kind, identity, device.productId()) &&
           device.hasTopLevelUsage(identity.usagePage, identity.usage);
}

DeviceChannel::DeviceChannel(DeviceKind kind, HidBackend& backend, Clock& clock)
    : kind_(kind), clock_(clock), device_(backend), lock_(clock) {}

CommandResult DeviceChannel::transact(const CommandFrame& request, CommandFrame& response) {
    if (!connected()) {
        return kCommandNoAnswer;
    }
    for (int sends = 0; sends < kMaxSends; ++sends) {
        switch (attempt(request, response)) {
            case Attempt::Answered:
                return statusResult(response);
            case Attempt::WriteFailed:
                return kCommandWriteFailed;
            case Attempt::Silent:
                break;
        }
    }
    return kCommandNoAnswer;
}

CommandResult DeviceChannel::sendRaw(const CommandFrame& request) {
    if (!connected()) {
        return kCommandNoAnswer;
    }
    std::lock_guard guard(lock_);
    writeRequest(request);
    CommandFrame response;
    return readResponse(response) ? kCommandOk : kCommandNoAnswer;
}

DeviceChannel::Attempt DeviceChannel::attempt(const CommandFrame& request, CommandFrame& response) {
    std::lock_guard guard(lock_);
    if (!writeRequest(request)) {
        return Attempt::WriteFailed;
    }
    return readResponse(response) ? Attempt::Answered : Attempt::Silent;
}

bool DeviceChannel::writeRequest(const CommandFrame& request) {
    std::size_t written = 0;
    if (WriteHidReport(device_, request.bytes.data(), kFrameSize, &written) == 0 ||
        written != kFrameSize) {
        return false;
    }
    trace(ReportDirection::Request, request);
    return true;
}

// A response shorter than a whole report is treated like no response: its payload cannot be
// trusted to be complete.
bool DeviceChannel::readResponse(CommandFrame& response) {
    response = CommandFrame{};
    std::size_t read = 0;
    if (ReadHidReport(device_, response.bytes.data(), kFrameSize, kResponseLimitMs, &read) == 0 ||
        read != kFrameSize) {
        response = CommandFrame{};
        return false;
    }
    trace(ReportDirection::Response, response);
    return true;
}

void DeviceChannel::trace(ReportDirection direction, const CommandFrame& frame) {
    if (ReportTrace* sink = trace_.load()) {
        sink->onReport(kind_, direction, frame.view());
    }
}

}  // namespace quillon
