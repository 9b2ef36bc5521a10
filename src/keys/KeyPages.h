#pragma once
// What both assignment pages share: the active profile's key table, labels of macro functions,
// the input capture, and the message of a captured key.

#include <cstdint>
#include <optional>
#include <span>

#include "device/DeviceKind.h"
#include "device/DeviceModel.h"
#include "keys/KeyLabel.h"
#include "toolkit/InputCapture.h"
#include "toolkit/Window.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::keys {

// Capture modes and the messages the input capture sends in them.
inline constexpr auto kCaptureKeyboardPage =
    static_cast<std::uint8_t>(toolkit::CaptureMode::KeyboardSingleKey);
inline constexpr auto kCaptureMousePage =
    static_cast<std::uint8_t>(toolkit::CaptureMode::MouseSingleKey);
inline constexpr std::uint32_t kMsgKeyboardPageKey = toolkit::kMsgHookKeySingleKey;
inline constexpr std::uint32_t kMsgMousePageKey = toolkit::kMsgHookMouseSingleKey;

// The device's active profile: byte 0 of its current record; a number the model has no table for
// counts as profile 0.
int activeProfile(app::CMainWnd& main, DeviceKind kind);
std::span<std::uint8_t> activeKeyTable(app::CMainWnd& main, DeviceKind kind);
std::span<const std::uint8_t> factoryKeyTable(app::CMainWnd& main, DeviceKind kind);

// The device kind's macro index as the labels read it.
MacroNames macroNamesOf(app::CMainWnd& main, DeviceKind kind);

void armKeyCapture(app::CMainWnd& main, std::uint8_t mode);
void removeCapture(app::CMainWnd& main);

// The key the user pressed while capture was armed; nothing for a release or a message that
// carries no key.
struct CapturedKey {
    std::uint16_t vk = 0;
    std::uint32_t flags = 0;
};
std::optional<CapturedKey> keyPressOf(const toolkit::Message& message);

// The key profile of the device changed in memory: the selected key profile file follows.
void saveKeyProfile(app::CMainWnd& main, DeviceKind kind);

}  // namespace quillon::keys
