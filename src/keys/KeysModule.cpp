#include "keys/KeysModule.h"

#include <array>

#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "keys/KeyPages.h"
#include "keys/KeyboardKeyPage.h"
#include "keys/MacroIndexNames.h"
#include "keys/MouseButtonPage.h"

namespace quillon::keys {
namespace {

// The picture over each mouse button that lights while the pointer is over its option.
struct Hover {
    const char* companion;
    const char* picture;
};
constexpr std::array<Hover, 7> kHover = {{{"ms_key_0_0", "key_left"},
                                          {"ms_key_1_0", "key_wheel"},
                                          {"ms_key_2_0", "key_right"},
                                          {"ms_key_4_0", "key_back"},
                                          {"ms_key_3_0", "key_forward"},
                                          {"ms_key_5_0", "key_dpi"},
                                          {"ms_key_6_0", "key_dpi1"}}};

std::string hoverPicture(const Hover& h, bool entered) {
    return std::string("file='ms/") + h.picture + (entered ? "_down.png'" : "_normal.png'");
}

}  // namespace

KeysModule::KeysModule() = default;
KeysModule::~KeysModule() = default;

void KeysModule::install(app::CMainWnd& main) {
    mouse_ = std::make_unique<MouseButtonPage>(main);
    keyboard_ = std::make_unique<KeyboardKeyPage>(main);
    mouse_->install();
    keyboard_->install();
    installHover(main);
    installHooks(main);
}

void KeysModule::setUpPages(app::CMainWnd& main) {
    mouse_->refreshLabels(activeProfile(main, DeviceKind::Mouse));
}

void KeysModule::installHover(app::CMainWnd& main) {
    for (const char* type : {"msenter", "msleave"}) {
        const bool entered = std::string_view(type) == "msenter";
        main.dispatch().addNumbered(
            type, app::route::kDefault, "ms_key_",
            [&main, entered](const toolkit::Notification&, int key) {
                const Hover& h = kHover[static_cast<std::size_t>(key)];
                if (toolkit::Control* c = main.find(h.companion)) {
                    c->set(toolkit::Prop::BkImage, hoverPicture(h, entered));
                }
            },
            [](int key) { return key >= 0 && key < kMouseButtons; });
    }
}

void KeysModule::installHooks(app::CMainWnd& main) {
    app::PageHooks& hooks = main.hooks();
    MouseButtonPage* mouse = mouse_.get();
    KeyboardKeyPage* keyboard = keyboard_.get();
    app::CMainWnd* m = &main;
    hooks.refreshMouseButtonLabels = [mouse](int profile) { mouse->refreshLabels(profile); };
    hooks.showMouseButton = [mouse](int key) { mouse->showButton(key); };
    hooks.refreshKeyboardKeys = [keyboard, m] {
        keyboard->refreshKeyLabels(activeProfile(*m, DeviceKind::Keyboard));
    };
    hooks.rebuildKeyPositionMap = [keyboard] { keyboard->rebuildPositionMap(); };
    // A page refresh (a read, a profile switch) ends with the labels of the shown profile.
    hooks.refreshPage = [previous = hooks.refreshPage, mouse, keyboard, m](DeviceKind kind) {
        if (previous) {
            previous(kind);
        }
        if (kind == DeviceKind::Mouse) {
            mouse->refreshLabels(activeProfile(*m, kind));
        } else if (kind == DeviceKind::Keyboard) {
            keyboard->refreshKeyLabels(activeProfile(*m, kind));
        }
    };
    // The macro recorder arms the capture through the same port.
    if (!hooks.installInputHooks) {
        hooks.installInputHooks = [m](std::uint8_t mode, bool keyboard, bool mouse) {
            return m->toolkit().inputCapture().arm(
                m->window(), static_cast<toolkit::CaptureMode>(mode), keyboard, mouse);
        };
    }
    // Until the macro editor names its macros itself, the labels read its index files.
    if (!hooks.macroCount) {
        hooks.macroCount = [m](DeviceKind kind) {
            return readMacroCount(macroIndexFile(m->paths().dataDir, kind));
        };
        hooks.macroName = [m](DeviceKind kind, int n) {
            return readMacroName(macroIndexFile(m->paths().dataDir, kind), n);
        };
    }
}

}  // namespace quillon::keys
