#pragma once
// The notification worker of the mouse or the keyboard: listens on the device's consumer-control
// interface for the device's own announcements (its profile changed, its settings changed, a
// lighting pulse) and hands them over. It owns its own HidDevice; the channel is not involved.

#include <cstdint>

#include "device/DeviceKind.h"
#include "device/DeviceModel.h"
#include "device/HidDevice.h"
#include "platform/ClockSync.h"

namespace quillon {

inline constexpr std::uint16_t kAnnounceProfileChanged = 0x0401;
inline constexpr std::uint16_t kAnnounceSettingsChanged = 0x0402;
inline constexpr std::uint16_t kAnnounceLightPulse = 0x0403;
inline constexpr std::uint16_t kConsumerUsagePage = 0x000C;
inline constexpr std::uint16_t kConsumerUsage = 0x0001;
inline constexpr Millis kNotificationReadLimitMs = 500;
inline constexpr Millis kNotificationSearchPauseMs = 1000;

class NotificationEvents {
  public:
    virtual ~NotificationEvents() = default;
    // The device announced 0x0401 or 0x0402. Returns when the interface has handled it, or when
    // `stop` is set.
    virtual void announced(DeviceKind kind, std::uint16_t usage, Event& stop) = 0;
};

struct NotificationContext {
    DeviceKind kind;          // mouse or keyboard
    std::uint16_t productId;  // of the consumer-control interface
    HidDevice& device;
    DeviceModel& model;  // the lighting pulse flags
    NotificationEvents& events;
    Clock& clock;  // tells a read that waited its whole time limit from one that failed
};

// One search pass; when the interface is found, listens until it disappears or `stop` is set.
void runNotificationPass(NotificationContext& context, Event& stop);
void runNotificationWorker(NotificationContext& context, Event& stop);

// The first usage of the first data item that the last report filled, or 0.
std::uint16_t firstAnnouncedUsage(const std::vector<HidDataItem>& items);

}  // namespace quillon
