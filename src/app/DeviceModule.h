#pragma once
// The devices in the window: the detection and notification workers, the reads and the flush
// that keep the model and the devices in step, and the on-board profile switches. Workers reach
// the interface only through posted tasks; their announcements wait until they are handled.

#include <array>
#include <memory>

#include "app/Module.h"
#include "device/DetectionWorker.h"
#include "device/NotificationWorker.h"

namespace quillon::app {

// Messages the notification workers send, and the messages with no sender in the program that
// the routing still answers.
inline constexpr std::uint32_t kMsgMouseReadAll = 0x0901;
inline constexpr std::uint32_t kMsgMouseFollowProfile = 0x0902;
inline constexpr std::uint32_t kMsgMousepadReadAll = 0x0A01;
inline constexpr std::uint32_t kMsgMousepadFollowProfile = 0x0A02;
inline constexpr std::uint32_t kMsgKeyboardReadAll = 0x0B01;
inline constexpr std::uint32_t kMsgKeyboardFollowProfile = 0x0B02;
inline constexpr std::uint32_t kMsgSaveKeyboardFactory = 0x0B03;

class DeviceModule final : public Module, private DetectionEvents, private NotificationEvents {
  public:
    DeviceModule() = default;
    ~DeviceModule() override;
    void install(CMainWnd& main) override;

    // The hooks the device operations use, bound to this window's pages and dialogs.
    SyncHooks syncHooks() const;

  private:
    void installWorkers();
    void installTimers();
    void installMessages();
    void installRoutes();
    void readWhole(DeviceKind kind);
    void followProfile(DeviceKind kind);
    ChannelTable channels() const;

    // DetectionEvents: called on the detection workers.
    void arriving(DeviceKind kind) override;
    void connected(DeviceKind kind, std::uint16_t productId) override;
    void shown(DeviceKind kind) override;
    void removed(DeviceKind kind) override;
    void sameModeVisible(DeviceKind kind, bool visible) override;
    void firstPassDone(DeviceKind kind, bool mouseConnected) override;
    // NotificationEvents: called on the notification workers.
    void announced(DeviceKind kind, std::uint16_t usage, Event& stop) override;

    void onRemoved(DeviceKind kind);

    CMainWnd* main_ = nullptr;
    std::array<std::unique_ptr<DetectionContext>, 3> detection_;
    std::array<std::unique_ptr<HidDevice>, 2> consumerDevices_;  // keyboard, mouse
    std::array<std::unique_ptr<NotificationContext>, 2> notification_;
};

}  // namespace quillon::app
