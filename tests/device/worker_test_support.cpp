#include <algorithm>
#include <cstdio>

#include "device/WorkerTestSupport.h"

namespace quillon::workertest {

std::string hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
    return text;
}

int ScriptedBackend::opens(const std::string& path) const {
    const auto it = opens_.find(path);
    return it == opens_.end() ? 0 : it->second;
}

int ScriptedBackend::enumerate(std::vector<HidInterfaceInfo>& out) {
    ++enumerations_;
    if (failures_ > 0) {
        --failures_;
        out.clear();
        return 0;
    }
    const int result = sim_.enumerate(out);
    if (reversed_) {
        std::reverse(out.begin(), out.end());
    }
    return result;
}

std::unique_ptr<HidConnection> ScriptedBackend::open(const std::string& path,
                                                     const HidAccess& access) {
    ++opens_[path];
    return sim_.open(path, access);
}

bool ScriptedBackend::exists(const std::string& path) {
    ++probes_;
    return sim_.exists(path);
}

void RecordingDetection::record(std::string what) {
    log_.push_back({std::move(what), clock_.now(), channel_.connected()});
}

void RecordingDetection::arriving(DeviceKind kind) {
    record("arriving " + std::string(kindName(kind)));
}

void RecordingDetection::connected(DeviceKind kind, std::uint16_t productId) {
    record("connected " + std::string(kindName(kind)) + " " + hex4(productId));
}

void RecordingDetection::shown(DeviceKind kind) {
    record("shown " + std::string(kindName(kind)));
}

void RecordingDetection::removed(DeviceKind kind) {
    record("removed " + std::string(kindName(kind)));
}

void RecordingDetection::sameModeVisible(DeviceKind kind, bool visible) {
    record("same-mode " + std::string(kindName(kind)) + (visible ? " on" : " off"));
}

void RecordingDetection::firstPassDone(DeviceKind kind, bool mouseConnected) {
    record("first-pass " + std::string(kindName(kind)) +
           (mouseConnected ? " mouse-present" : " no-mouse"));
}

std::vector<std::string> RecordingDetection::names() const {
    std::vector<std::string> out;
    for (const Recorded& r : log_) {
        out.push_back(r.what);
    }
    return out;
}

void RecordingNotification::announced(DeviceKind kind, std::uint16_t usage, Event& stop) {
    log_.push_back({std::string(kindName(kind)) + " " + hex4(usage), clock_.now(), false});
    if (hold_) {
        Event never(clock_, Event::Reset::Manual);
        if (Event::waitAny(never, stop, kForever) == 2) {
            ++released_;
        }
    }
}

std::vector<std::string> RecordingNotification::names() const {
    std::vector<std::string> out;
    for (const Recorded& r : log_) {
        out.push_back(r.what);
    }
    return out;
}

}  // namespace quillon::workertest
