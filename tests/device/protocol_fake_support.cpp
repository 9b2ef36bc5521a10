#include <algorithm>
#include <cstdio>
#include <span>
#include <thread>

#include "device/HidDevice.h"
#include "device/ProtocolFake.h"

namespace quillon::protofake {
namespace {

using Bytes = std::span<std::uint8_t>;

bool inRange(std::size_t size, std::size_t address, std::size_t length) {
    return address <= size && length <= size - address;
}

// Copies `length` bytes of `region` from `address` into the response payload.
std::uint8_t readFrom(Bytes region, std::size_t address, std::size_t length, Report& response) {
    if (length > kFramePayloadSize || !inRange(region.size(), address, length)) {
        return 0xFE;
    }
    std::copy_n(region.begin() + address, length, response.begin() + kFramePayloadOffset);
    return 0;
}

std::uint8_t writeTo(Bytes region, std::size_t address, std::size_t length, const Report& request) {
    if (length > kFramePayloadSize || !inRange(region.size(), address, length)) {
        return 0xFE;
    }
    std::copy_n(request.begin() + kFramePayloadOffset, length, region.begin() + address);
    return 0;
}

std::uint8_t execute(FakeMemory& m, const Report& q, Report& r) {
    const std::size_t length = q[4];
    const std::size_t address = q[5] | q[6] << 8;
    switch (q[3]) {
        case 0x01:
        case 0x02:
        case 0x0D:
            return 0;
        case 0x03:
            return readFrom(m.info, 0, m.info.size(), r);
        case 0x05:
            return readFrom(m.settings, address, length, r);
        case 0x06:
            return writeTo(m.settings, 0, length, q);
        case 0x07:
            return readFrom(m.keyTable, address, length, r);
        case 0x08:
            return readFrom(m.pages, address, length, r);
        case 0x09:
            return writeTo(m.pages, address, length, q);
        case 0x15:
            return writeTo(m.macro, address, length, q);
        case 0x16:
            return readFrom(m.cursor, address, length, r);
        case 0x17:
            return writeTo(m.cursor, address, length, q);
        default:
            return 0xFF;
    }
}

bool takeFault(FakeDevice& device, Fault& fault) {
    if (device.faults.empty()) {
        return false;
    }
    FakeDevice::Scheduled& next = device.faults.front();
    if (next.skip > 0) {
        --next.skip;
        return false;
    }
    fault = next.fault;
    if (--next.count <= 0) {
        device.faults.erase(device.faults.begin());
    }
    return true;
}

struct Pending {
    Millis readyAt;
    Report bytes;
    std::size_t length;
};

class FakeConnection final : public HidConnection {
  public:
    FakeConnection(Clock& clock, FakeDevice& device)
        : HidConnection(kDeviceVendorId, device.productId, configDescriptor()),
          clock_(clock),
          device_(device) {}

    int write(const std::uint8_t* data, std::size_t length, Millis) override {
        int result = kHidError;
        Report request{};
        clock_.update([&] { result = accept(data, length, request); });
        if (result > 0 && device_.onRequest) {
            device_.onRequest(request);
        }
        if (device_.yieldAfterWrite) {
            std::this_thread::yield();
        }
        return result;
    }

    int read(std::uint8_t* buffer, std::size_t capacity, Millis timeout) override {
        const Millis deadline = clock_.deadlineAfter(timeout);
        for (;;) {
            int result = 0;
            Millis readyAt = kForever;
            int seen = 0;
            clock_.update([&] { result = take(buffer, capacity, readyAt, seen); });
            if (result != 0) {
                return result;
            }
            if (clock_.now() >= deadline) {
                return kHidTimeout;
            }
            clock_.waitUntil(std::min(deadline, readyAt),
                             [&] { return cancel_ || generation_ != seen; });
        }
    }

    void cancel() override {
        clock_.update([&] { cancel_ = true; });
    }

  private:
    // Runs under the clock's lock.
    int accept(const std::uint8_t* data, std::size_t length, Report& request) {
        ++device_.writeCalls;
        Fault fault{};
        const bool faulted = takeFault(device_, fault);
        if (!device_.plugged || (faulted && fault == Fault::WriteFail)) {
            return kHidError;
        }
        std::copy_n(data, std::min(length, request.size()), request.begin());
        device_.requests.push_back(request);
        if (faulted && fault == Fault::Silent) {
            return static_cast<int>(length);
        }
        Pending answerOf{clock_.now() + device_.latency, answer(device_.memory, request),
                         kFrameSize};
        if (faulted) {
            applyFault(fault, answerOf);
        }
        queue_.push_back(answerOf);
        ++generation_;
        return static_cast<int>(length);
    }

    static void applyFault(Fault fault, Pending& answerOf) {
        switch (fault) {
            case Fault::StatusFF:
                answerOf.bytes[7] = 0xFF;
                break;
            case Fault::StatusFE:
                answerOf.bytes[7] = 0xFE;
                break;
            case Fault::Status01:
                answerOf.bytes[7] = 0x01;
                break;
            case Fault::ShortResponse:
                answerOf.length = 10;
                break;
            default:
                break;
        }
    }

    // Runs under the clock's lock: a ready response, a cancel, an unplugged device, or 0.
    int take(std::uint8_t* buffer, std::size_t capacity, Millis& readyAt, int& seen) {
        seen = generation_;
        if (cancel_) {
            cancel_ = false;
            return kHidCancelled;
        }
        if (!device_.plugged) {
            return kHidError;
        }
        if (queue_.empty()) {
            return 0;
        }
        if (queue_.front().readyAt > clock_.now()) {
            readyAt = queue_.front().readyAt;
            return 0;
        }
        const Pending front = queue_.front();
        queue_.pop_front();
        const std::size_t n = std::min(front.length, capacity);
        std::copy_n(front.bytes.begin(), n, buffer);
        return static_cast<int>(n);
    }

    Clock& clock_;
    FakeDevice& device_;
    std::deque<Pending> queue_;  // guarded by the clock's lock, like the two below
    int generation_ = 0;
    bool cancel_ = false;
};

}  // namespace

Report answer(FakeMemory& memory, const Report& request) {
    Report response{};
    response[0] = kCommandReportId;
    std::copy_n(request.begin() + 3, 4, response.begin() + 3);
    const bool checked =
        request[3] == 0x0D ||
        frameChecksum(request) == static_cast<std::uint16_t>(request[1] | request[2] << 8);
    response[7] = checked ? execute(memory, request, response) : 0xFF;
    return response;
}

const std::vector<std::uint8_t>& configDescriptor() {
    static const std::vector<std::uint8_t> bytes = {
        0x06, 0x1C, 0xFF,  // usage page 0xFF1C
        0x09, 0x92,        // usage 0x92
        0xA1, 0x01,        // application collection
        0x85, 0x04,        //   report id 4
        0x15, 0x00,        //   logical minimum 0
        0x26, 0xFF, 0x00,  //   logical maximum 255
        0x75, 0x08,        //   report size 8
        0x95, 0x3F,        //   report count 63
        0x09, 0x01,        //   usage 1
        0x81, 0x02,        //   input (data, variable, absolute)
        0x09, 0x02,        //   usage 2
        0x91, 0x02,        //   output (data, variable, absolute)
        0xC0,              // end collection
    };
    return bytes;
}

FakeBackend::FakeBackend(Clock& clock) : clock_(clock) {}
FakeBackend::~FakeBackend() = default;

FakeDevice& FakeBackend::add(DeviceKind kind, std::uint16_t productId) {
    auto device = std::make_unique<FakeDevice>();
    device->kind = kind;
    device->productId = productId;
    FakeDevice& result = *device;
    devices_[kind] = std::move(device);
    return result;
}

FakeDevice& FakeBackend::device(DeviceKind kind) {
    return *devices_.at(kind);
}

std::string FakeBackend::pathOf(DeviceKind kind) {
    return "fake/" + std::string(kindName(kind));
}

int FakeBackend::enumerate(std::vector<HidInterfaceInfo>& out) {
    out.clear();
    for (auto& [kind, device] : devices_) {
        if (device->plugged) {
            out.push_back({pathOf(kind), kDeviceVendorId, device->productId});
        }
    }
    return 1;
}

std::unique_ptr<HidConnection> FakeBackend::open(const std::string& path, const HidAccess&) {
    for (auto& [kind, device] : devices_) {
        if (device->plugged && path == pathOf(kind)) {
            return std::make_unique<FakeConnection>(clock_, *device);
        }
    }
    return nullptr;
}

bool FakeBackend::exists(const std::string& path) {
    for (auto& [kind, device] : devices_) {
        if (device->plugged && path == pathOf(kind)) {
            return true;
        }
    }
    return false;
}

ProtocolRig::ProtocolRig(DeviceKind kind, std::uint16_t productId)
    : device(backend.add(kind, productId != 0 ? productId : standardIdentity(kind).productId)),
      channel(kind, backend, clock) {
    channel.setIdentity(standardIdentity(kind));
}

bool connect(DeviceChannel& channel) {
    HidDevice& device = channel.device();
    device.devicePath = FakeBackend::pathOf(channel.kind());
    device.wantRead = true;
    device.wantWrite = true;
    device.wantOverlapped = true;
    if (OpenHidDevice(device) != 1 ||
        !matchesIdentity(channel.kind(), channel.identity(), device)) {
        return false;
    }
    channel.setConnected(true);
    return true;
}

std::vector<RequestShape> shapes(const std::vector<Report>& requests) {
    std::vector<RequestShape> out;
    for (const Report& r : requests) {
        out.push_back({r[3], r[4], static_cast<std::uint16_t>(r[5] | r[6] << 8)});
    }
    return out;
}

void addChunks(std::vector<RequestShape>& out, std::uint8_t command, std::uint16_t base,
               std::size_t total) {
    for (std::size_t offset = 0; offset < total; offset += kFramePayloadSize) {
        const std::size_t length = std::min(kFramePayloadSize, total - offset);
        out.push_back({command, static_cast<std::uint8_t>(length),
                       static_cast<std::uint16_t>(base + offset)});
    }
}

std::vector<RequestShape> mouseReadSequence() {
    std::vector<RequestShape> s{{0x01, 0, 0}, {0x03, 33, 0}};
    addChunks(s, 0x07, 0, 512);
    for (int p = 0; p < 5; ++p) {
        s.push_back({0x05, 56, static_cast<std::uint16_t>(p * 64)});
        addChunks(s, 0x08, static_cast<std::uint16_t>(p * 126), 512);
    }
    s.push_back({0x05, 1, 0});
    s.push_back({0x02, 0, 0});
    return s;
}

std::vector<RequestShape> keyboardReadSequence(int keys) {
    std::vector<RequestShape> s{{0x01, 0, 0}, {0x03, 33, 0}};
    addChunks(s, 0x07, 0, 3 * static_cast<std::size_t>(keys));
    addChunks(s, 0x08, 0, 3 * static_cast<std::size_t>(keys));
    s.push_back({0x02, 0, 0});
    return s;
}

std::vector<RequestShape> mousepadReadSequence() {
    std::vector<RequestShape> s{{0x01, 0, 0}, {0x03, 33, 0}};
    for (int p = 0; p < 5; ++p) {
        s.push_back({0x05, 56, static_cast<std::uint16_t>(p * 64)});
    }
    s.push_back({0x05, 1, 0});
    s.push_back({0x02, 0, 0});
    return s;
}

std::string describe(const std::vector<RequestShape>& list) {
    std::string text;
    char item[32];
    for (const RequestShape& s : list) {
        std::snprintf(item, sizeof item, "%02x/%u@%u ", s.command, s.length, s.address);
        text += item;
    }
    return text;
}

}  // namespace quillon::protofake
