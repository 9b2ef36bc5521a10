#include <algorithm>
#include <cstring>
#include <utility>

#include "device/HidFakeBackend.h"
#include "device/HidSampleDescriptors.h"

namespace quillon::hidfake {
namespace {

class FakeConnection final : public HidConnection {
  public:
    FakeConnection(Clock& clock, const FakeInterface& interface, std::shared_ptr<FakeLine> line)
        : HidConnection(interface.vendorId, interface.productId, interface.descriptor),
          clock_(clock),
          line_(std::move(line)) {
        clock_.update([this] { ++line_->liveConnections; });
    }
    ~FakeConnection() override {
        clock_.update([this] { --line_->liveConnections; });
    }

    int read(std::uint8_t* buffer, std::size_t capacity, Millis timeout) override {
        int result = kHidTimeout;
        clock_.update([this] { ++line_->reads; });
        clock_.waitFor(timeout, [&] {
            if (std::exchange(cancelled_, false)) {
                result = kHidCancelled;
                return true;
            }
            if (line_->input.empty()) {
                return false;
            }
            const auto& report = line_->input.front();
            const std::size_t count = std::min(capacity, report.size());
            std::memcpy(buffer, report.data(), count);
            line_->input.pop_front();
            result = static_cast<int>(count);
            return true;
        });
        return result;
    }

    int write(const std::uint8_t* data, std::size_t length, Millis timeout) override {
        int result = kHidTimeout;
        clock_.waitFor(timeout, [&] {
            if (std::exchange(cancelled_, false)) {
                result = kHidCancelled;
                return true;
            }
            if (line_->writesStall) {
                return false;
            }
            line_->written.emplace_back(data, data + length);
            result = static_cast<int>(length);
            return true;
        });
        return result;
    }

    void cancel() override {
        clock_.update([this] { cancelled_ = true; });
    }

  private:
    Clock& clock_;
    std::shared_ptr<FakeLine> line_;
    bool cancelled_ = false;  // guarded by the clock's lock
};

}  // namespace

void FakeHidBackend::add(const FakeInterface& interface) {
    if (interfaces_.count(interface.path) == 0) {
        order_.push_back(interface.path);
    }
    interfaces_[interface.path] = Entry{interface, std::make_shared<FakeLine>()};
}

void FakeHidBackend::addMany(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        add(FakeInterface{"fake/" + std::to_string(i), 0x0C45, static_cast<std::uint16_t>(i),
                          kBootMouse, true});
    }
}

void FakeHidBackend::send(const std::string& path, std::vector<std::uint8_t> report) {
    auto line = interfaces_.at(path).line;
    clock_.update([&] { line->input.push_back(std::move(report)); });
}

void FakeHidBackend::stallWrites(const std::string& path, bool stall) {
    auto line = interfaces_.at(path).line;
    clock_.update([&] { line->writesStall = stall; });
}

std::vector<std::vector<std::uint8_t>> FakeHidBackend::written(const std::string& path) const {
    std::vector<std::vector<std::uint8_t>> copy;
    auto line = interfaces_.at(path).line;
    clock_.update([&] { copy = line->written; });
    return copy;
}

int FakeHidBackend::liveConnections(const std::string& path) const {
    int count = 0;
    auto line = interfaces_.at(path).line;
    clock_.update([&] { count = line->liveConnections; });
    return count;
}

int FakeHidBackend::reads(const std::string& path) const {
    int count = 0;
    auto line = interfaces_.at(path).line;
    clock_.update([&] { count = line->reads; });
    return count;
}

int FakeHidBackend::enumerate(std::vector<HidInterfaceInfo>& out) {
    out.clear();
    if (failEnumeration_) {
        return 0;
    }
    for (const std::string& path : order_) {
        const FakeInterface& interface = interfaces_.at(path).interface;
        out.push_back(HidInterfaceInfo{path, interface.vendorId, interface.productId});
    }
    return 1;
}

std::unique_ptr<HidConnection> FakeHidBackend::open(const std::string& path,
                                                    const HidAccess& access) {
    ++opens_;
    lastAccess_ = access;
    const auto found = interfaces_.find(path);
    if (found == interfaces_.end() || !found->second.interface.openable) {
        return nullptr;
    }
    return std::make_unique<FakeConnection>(clock_, found->second.interface, found->second.line);
}

}  // namespace quillon::hidfake
