#include "device/NotificationWorker.h"

#include <vector>

#include "platform/DebugLog.h"

namespace quillon {
namespace {

bool isConsumerInterface(const NotificationContext& ctx, const HidDevice& device) {
    return device.vendorId() == 0x0C45 && device.productId() == ctx.productId &&
           device.hasTopLevelUsage(kConsumerUsagePage, kConsumerUsage);
}

void handleUsage(NotificationContext& ctx, std::uint16_t usage, Event& stop) {
    if (usage == kAnnounceProfileChanged || usage == kAnnounceSettingsChanged) {
        ctx.events.announced(ctx.kind, usage, stop);
    } else if (usage == kAnnounceLightPulse && ctx.kind == DeviceKind::Mouse) {
        ctx.model.mouseLightPulse.store(true);
        ctx.model.mousepadLightPulse.store(true);
    }
}

void listen(NotificationContext& ctx, Event& stop) {
    HidDevice& device = ctx.device;
    std::vector<std::uint8_t>& report = device.inputReportBuffer();
    // A pause of 1 ms comes before each read, except after a read that waited its whole time
    // limit: that wait was the pause, and a quiet device costs one wake-up per limit.
    bool pause = true;
    while (pause ? !stop.wait(1) : !stop.isSet()) {
        const Millis started = ctx.clock.now();
        std::size_t length = 0;
        if (!report.empty() && ReadHidReport(device, report.data(), report.size(),
                                             kNotificationReadLimitMs, &length)) {
            // Only what this report filled counts: an item of another report keeps old usages.
            for (HidDataItem& item : device.inputItems()) {
                item.isDataSet = false;
            }
            if (device.descriptor() != nullptr &&
                UnpackInputReport(device.inputItems(), *device.descriptor(), report.data(),
                                  length)) {
                handleUsage(ctx, firstAnnouncedUsage(device.inputItems()), stop);
            }
            pause = true;
            continue;
        }
        if (!device.backend().exists(device.devicePath)) {
            return;
        }
        pause = ctx.clock.now() - started < kNotificationReadLimitMs;
    }
    if (ctx.kind == DeviceKind::Keyboard) {
        debugLog("键盘同步线程设定退出");
    }
}

}  // namespace

std::uint16_t firstAnnouncedUsage(const std::vector<HidDataItem>& items) {
    if (items.empty() || !items.front().isDataSet) {
        return 0;
    }
    const HidDataItem& first = items.front();
    if (first.isButtonData) {
        return first.usages.empty() ? 0 : first.usages.front();
    }
    return static_cast<std::uint16_t>(first.value);
}

void runNotificationPass(NotificationContext& ctx, Event& stop) {
    HidDevice& device = ctx.device;
    const auto paths = EnumerateForWalk(device);
    if (!paths) {
        return;  // tried again on the next pass
    }
    for (const HidInterfaceInfo& candidate : *paths) {
        ++device.nextPathIndex;
        if (candidate.vendorId != 0x0C45 || candidate.productId != ctx.productId) {
            continue;
        }
        device.wantRead = device.wantOverlapped = true;
        device.wantWrite = device.exclusive = false;
        device.devicePath = candidate.path;
        if (OpenHidDevice(device) != 1) {
            continue;
        }
        const bool matches = isConsumerInterface(ctx, device);
        if (matches) {
            listen(ctx, stop);
        }
        CloseHidDevice(device);
        if (matches) {
            break;
        }
    }
    device.pathList.clear();
}

void runNotificationWorker(NotificationContext& ctx, Event& stop) {
    while (!stop.isSet()) {
        runNotificationPass(ctx, stop);
        if (stop.wait(kNotificationSearchPauseMs)) {
            break;
        }
    }
    debugLog(ctx.kind == DeviceKind::Keyboard ? "键盘同步线程设定退出"
                                              : "鼠标同步线程设定测试退出");
}

}  // namespace quillon
