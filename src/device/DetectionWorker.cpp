#include "device/DetectionWorker.h"

#include <mutex>
#include <vector>

#include "platform/DebugLog.h"

namespace quillon {
namespace {

const char* exitText(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Mouse:
            return "鼠标设备侦测线程设定退出";
        case DeviceKind::Keyboard:
            return "键盘设备侦测线程设定退出";
        case DeviceKind::Mousepad:
            return "鼠标垫设备侦测线程设定退出";
    }
    return "";
}

bool otherConnected(const DetectionContext& ctx) {
    for (DeviceChannel* ch : ctx.channels) {
        if (ch != nullptr && ch != &ctx.channel && ch->connected()) {
            return true;
        }
    }
    return false;
}

bool mouseConnected(const DetectionContext& ctx) {
    DeviceChannel* mouse = ctx.channels[kindIndex(DeviceKind::Mouse)];
    return mouse != nullptr && mouse->connected();
}

void connect(DetectionContext& ctx, std::uint16_t productId, Clock& clock) {
    DeviceChannel& ch = ctx.channel;
    const DeviceKind kind = ch.kind();
    if (kind == DeviceKind::Keyboard) {
        if (const auto variant = keyboardVariantFor(productId)) {
            ctx.model.keyboardVariant.store(*variant);
        }
        ctx.events.arriving(kind);
        clock.sleepFor(kKeyboardSettleMs);
    }
    ch.setConnected(true);
    if (kind == DeviceKind::Mousepad) {
        ctx.events.arriving(kind);
    }
    ctx.events.connected(kind, productId);
    if (kind == DeviceKind::Mouse) {
        ReadCursorImage(ch, ctx.cursorHooks);
    }
    ctx.events.shown(kind);
}

void search(DetectionContext& ctx) {
    DeviceChannel& ch = ctx.channel;
    HidDevice& device = ch.device();
    const auto paths = EnumerateForWalk(device);
    if (!paths) {
        return;  // tried again on the next pass
    }
    for (const HidInterfaceInfo& candidate : *paths) {
        ++device.nextPathIndex;
        if (candidate.vendorId != ch.identity().vendorId) {
            continue;
        }
        device.wantRead = device.wantWrite = device.wantOverlapped = true;
        device.exclusive = false;
        device.devicePath = candidate.path;
        if (OpenHidDevice(device) != 1) {
            continue;
        }
        if (!matchesIdentity(ch.kind(), ch.identity(), device)) {
            CloseHidDevice(device);
            continue;
        }
        connect(ctx, device.productId(), ch.clock());
        return;
    }
}

void remove(DetectionContext& ctx) {
    ctx.channel.setConnected(false);
    ctx.channel.setLightingSync(false);
    ctx.sameModeShown.reset();
    ctx.events.removed(ctx.channel.kind());
}

void probe(DetectionContext& ctx) {
    DeviceChannel& ch = ctx.channel;
    if (!ch.device().backend().exists(ch.device().devicePath)) {
        remove(ctx);
        return;
    }
    const bool visible = otherConnected(ctx);
    if (ctx.sameModeShown != visible) {
        ctx.sameModeShown = visible;
        ctx.events.sameModeVisible(ch.kind(), visible);
    }
}

}  // namespace

std::optional<int> keyboardVariantFor(std::uint16_t productId) {
    if (productId == 0x6556) {
        return 1;
    }
    if (productId == 0x0800) {
        return 0;
    }
    return std::nullopt;
}

Millis runDetectionPass(DetectionContext& ctx) {
    DeviceChannel& ch = ctx.channel;
    {
        std::lock_guard pass(ch.transactionLock());
        if (ch.connected()) {
            probe(ctx);
        } else {
            search(ctx);
        }
        if (ctx.firstPass) {
            ctx.firstPass = false;
            ctx.events.firstPassDone(ch.kind(), mouseConnected(ctx));
        }
        ch.device().pathList.clear();
    }
    if (ch.kind() == DeviceKind::Mouse) {
        return kMouseDetectionPauseMs;
    }
    return ch.connected() ? kConnectedPauseMs : kSearchPauseMs;
}

void runDetectionWorker(DetectionContext& ctx, Event& stop) {
    // Each pass is followed by its pause and the 1 ms before the next pass, taken as one wait.
    if (!stop.wait(1)) {
        while (!stop.wait(runDetectionPass(ctx) + 1)) {
        }
    }
    debugLog(exitText(ctx.channel.kind()));
}

}  // namespace quillon
