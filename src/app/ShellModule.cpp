#include "app/ShellModule.h"

#include <any>
#include <cstdio>

#include "app/ControlName.h"
#include "app/Dialogs.h"
#include "app/LanguageSettings.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "platform/DebugLog.h"

namespace quillon::app {
namespace {

using toolkit::Control;
using toolkit::Notification;

// The write progress ring's range.
constexpr int kProgressSteps = 100;

void setVisible(CMainWnd& main, const char* name, bool visible) {
    if (Control* c = main.find(name)) {
        c->setVisible(visible);
    }
}

void setEnabled(CMainWnd& main, const char* name, bool enabled) {
    if (Control* c = main.find(name)) {
        c->setEnabled(enabled);
    }
}

void selectPage(CMainWnd& main, const char* layout, int page) {
    if (Control* c = main.find(layout)) {
        c->selectPage(page);
    }
}

int currentPage(CMainWnd& main, const char* layout) {
    Control* c = main.find(layout);
    return c ? c->selectedIndex() : -1;
}

// The tray menu's last item follows the interface language.
const char* exitItemText(Language language) {
    switch (language) {
        case Language::English:
            return "Close";
        case Language::SimplifiedChinese:
            return "关闭";
        case Language::TraditionalChinese:
            return "關閉";
    }
    return "Close";
}

}  // namespace

void ShellModule::install(CMainWnd& main) {
    installWindowButtons(main);
    installTabs(main);
    installKeyboardTabs(main);
    installMouseTabs(main);
    installEditingGuard(main);
    installTimers(main);
    installMessages(main);
    installTrayAndMenus(main);
}

void ShellModule::installWindowButtons(CMainWnd& main) {
    Dispatch& d = main.dispatch();
    // The close button keeps the program running in the tray; the tray menu's "exit" ends it.
    d.addNamed("click", route::kWindowButtons, {"closebtn", "minbtn"},
               [&main](const Notification&) { main.window().minimize(); });
    d.addNamed("click", route::kWindowButtons, {"maxbtn"},
               [&main](const Notification&) { main.window().maximize(); });
    d.addNamed("click", route::kWindowButtons, {"restorebtn"},
               [&main](const Notification&) { main.window().restore(); });
    d.addNamed("click", route::kClickShell, {"menubtn"}, [&main](const Notification&) {
        main.toolkit().openMenu(main.window(), "menu.xml", {}, main.toolkit().cursorPosition());
    });
    d.addNamed("click", route::kClickDebug, {"cmdbtn", "renew_device"},
               [](const Notification& n) { debugLog("debug button " + n.sender); });
}

void ShellModule::installTabs(CMainWnd& main) {
    Dispatch& d = main.dispatch();
    d.addPrelude("selectchanged", route::kSelectPrelude, [&main](const Notification&) {
        main.toolkit().inputCapture().remove();
        const PageHooks& hooks = main.hooks();
        if (hooks.removeInputHooks) {
            hooks.removeInputHooks();
        }
        if (hooks.clearMacroRecording) {
            hooks.clearMacroRecording();
        }
    });
    const char* mainTabs[] = {"kb_tab", "ms_tab", "mp_tab", "ani_tab", "split_tab"};
    for (int page = 0; page < 5; ++page) {
        d.addNamed("selectchanged", route::kSelectTabs, {mainTabs[page]},
                   [&main, page](const Notification& n) {
                       if (n.selected) {
                           selectPage(main, "tab_switch", page);
                       }
                   });
    }
    d.addNamed(
        "setfocus", route::kDefault,
        {"ms_deng_Op_tab", "ms_key_Op_tab", "ms_rich_Op_tab", "ms_macro_Op_tab",
         "ms_cursor_Op_tab"},
        [&main](const Notification&) { setVisible(main, "ms_profile_fun_spead_tab", false); });
}

void ShellModule::installKeyboardTabs(CMainWnd& main) {
    Dispatch& d = main.dispatch();
    auto enableProfileControls = [&main](bool enabled, bool withNamePanels) {
        for (const char* name : {"kb_profile_fun_spread_btn", "kb_profile_select_tab",
                                 "kb_profile_fun_spead_tab", "kb_device_profile_edit"}) {
            setEnabled(main, name, enabled);
        }
        if (withNamePanels) {
            setEnabled(main, "kb_key_profile_edit", enabled);
            setEnabled(main, "kb_deng_profile_edit", enabled);
        }
    };
    d.addNamed("selectchanged", route::kSelectTabs, {"kb_deng_Op_tab"},
               [&main, enableProfileControls](const Notification& n) {
                   if (!n.selected) {
                       return;
                   }
                   selectPage(main, "kb_tab_switch", 2);
                   setVisible(main, "kb_deng_layout", true);
                   setVisible(main, "kb_tab_key_seting", false);
                   enableProfileControls(true, false);
               });
    d.addNamed("selectchanged", route::kSelectTabs, {"kb_key_Op_tab"},
               [&main, enableProfileControls](const Notification& n) {
                   if (!n.selected) {
                       return;
                   }
                   if (currentPage(main, "kb_tab_switch") != 2) {
                       setVisible(main, "kb_tab_function", false);
                       setEnabled(main, "kb_tab_function", false);
                   }
                   selectPage(main, "kb_tab_switch", 2);
                   setVisible(main, "kb_deng_layout", false);
                   setVisible(main, "kb_tab_key_seting", true);
                   enableProfileControls(true, false);
               });
    d.addNamed("selectchanged", route::kSelectTabs, {"kb_macro_Op_tab"},
               [&main, enableProfileControls](const Notification& n) {
                   if (n.selected) {
                       selectPage(main, "kb_tab_switch", 1);
                       enableProfileControls(false, true);
                   }
               });
    d.addNamed("selectchanged", route::kSelectTabs, {"kb_cursor_Op_tab"},
               [&main](const Notification& n) {
                   if (n.selected) {
                       selectPage(main, "kb_tab_switch", 3);
                   }
               });
}

void ShellModule::installMouseTabs(CMainWnd& main) {
    Dispatch& d = main.dispatch();
    const std::pair<const char*, int> tabs[] = {{"ms_deng_Op_tab", 0},
                                                {"ms_macro_Op_tab", 1},
                                                {"ms_rich_Op_tab", 3},
                                                {"ms_cursor_Op_tab", 4}};
    for (const auto& [name, page] : tabs) {
        d.addNamed("selectchanged", route::kSelectTabs, {name},
                   [&main, page = page](const Notification& n) {
                       if (n.selected) {
                           selectPage(main, "ms_tab_switch", page);
                       }
                   });
    }
    d.addNamed("selectchanged", route::kSelectTabs, {"ms_key_Op_tab"},
               [&main](const Notification& n) {
                   if (n.selected && currentPage(main, "ms_tab_switch") != 2) {
                       setVisible(main, "ms_tab_function", true);
                       selectPage(main, "ms_tab_switch", 2);
                   }
               });
}

// While a macro is being edited, every other selection is undone and the user is told why.
void ShellModule::installEditingGuard(CMainWnd& main) {
    struct Guard {
        const char* editing;
        const char* tab;
        const char* deviceTab;
    };
    for (Guard g : {Guard{"ms_macro_tab_saveorcancel", "ms_macro_Op_tab", "ms_tab"},
                    Guard{"kb_macro_tab_saveorcancel", "kb_macro_Op_tab", "kb_tab"}}) {
        main.dispatch().addWhen(
            "selectchanged", route::kSelectGuard,
            [&main, g](const Notification& n) {
                Control* editing = main.find(g.editing);
                return editing && editing->visible() && !equalsNoCase(n.sender, g.tab) &&
                       !equalsNoCase(n.sender, g.deviceTab);
            },
            [&main, g](const Notification&) {
                if (Control* tab = main.find(g.tab)) {
                    tab->setSelected(true);
                }
                if (Control* deviceTab = main.find(g.deviceTab)) {
                    deviceTab->setSelected(true);
                }
                main.dialogs().showMessage("message_text_3");
            });
    }
}

void ShellModule::installTimers(CMainWnd& main) {
    Dispatch& d = main.dispatch();
    d.addTimer(kTimerHideProgress, [&main] {
        main.window().killTimer(kTimerHideProgress);
        setVisible(main, "setting_progress", false);
    });
    d.addTimer(kTimerRepaint, [&main] {
        main.window().killTimer(kTimerRepaint);
        main.window().invalidate();
        debugLog("1234567890");
    });
    // Only the previews whose frame changed are repainted, each in its own rectangle.
    d.addTimer(kTimerPreviewRepaint, [&main] { main.previews().repaintChanged(main.window()); });
}

void ShellModule::installMessages(CMainWnd& main) {
    Dispatch& d = main.dispatch();
    d.addMessage(kMsgShowRequest, [&main](const toolkit::Message& m) {
        char text[96];
        std::snprintf(text, sizeof text, "软件标示 %u，%zx%zx", static_cast<unsigned>(m.id),
                      static_cast<std::size_t>(m.wParam), static_cast<std::size_t>(m.lParam));
        debugLog(text);
        main.showOnRequest();
    });
    d.addMessage(kMsgMouseGone, [&main](const toolkit::Message&) {
        if (Control* tab = main.find("ms_deng_Op_tab")) {
            tab->setFocus();
        }
        main.hideWindow();
        main.dialogs().showNotice();
    });
    // Key capture and macro recording end when the window loses the activation.
    d.addMessage(toolkit::kMsgActivate, [&main](const toolkit::Message& m) {
        if (m.wParam != 0) {
            return;
        }
        main.toolkit().inputCapture().remove();
        if (main.hooks().removeInputHooks) {
            main.hooks().removeInputHooks();
        }
    });
    // The ring shows while a device is written: empty from the start of the write, full at its
    // end, then gone a second later.
    d.addMessage(kMsgShowProgress, [&main](const toolkit::Message&) {
        main.window().killTimer(kTimerHideProgress);
        if (Control* progress = main.find("setting_progress")) {
            progress->setRange(0, kProgressSteps);
            progress->setValue(0);
            progress->setVisible(true);
        }
    });
    d.addMessage(kMsgStartProgressTimer, [&main](const toolkit::Message&) {
        if (Control* progress = main.find("setting_progress")) {
            progress->setValue(kProgressSteps);
        }
        main.window().setTimer(kTimerHideProgress, 1000);
    });
    d.addMessage(kMsgKeyColour, [&main](const toolkit::Message& m) {
        if (Control* key = main.keyButton(m.wParam)) {
            key->set(toolkit::Prop::Tint,
                     static_cast<std::int64_t>(static_cast<std::uint32_t>(m.lParam)));
        }
    });
    d.addMessage(kMsgKeyAlpha, [&main](const toolkit::Message& m) {
        if (Control* key = main.keyButton(m.wParam)) {
            key->set(toolkit::Prop::TintAlpha, static_cast<std::int64_t>(m.lParam));
        }
    });
}

void ShellModule::installTrayAndMenus(CMainWnd& main) {
    Dispatch& d = main.dispatch();
    d.addMessage(toolkit::kMsgTray,
                 [this, &main](const toolkit::Message& m) { onTray(main, m.lParam); });
    d.addMessage(toolkit::kMsgMenuCommand, [this, &main](const toolkit::Message& m) {
        if (const auto* choice = std::any_cast<toolkit::MenuChoice>(&m.data)) {
            onMenuCommand(main, choice->name, choice->text);
        }
    });
}

void ShellModule::onTray(CMainWnd& main, std::intptr_t event) {
    toolkit::Window& window = main.window();
    if (event == toolkit::kTrayLeftUp) {
        if (!main.anyDeviceConnected()) {
            main.hideWindow();
            main.showNoDeviceMessage();
            return;
        }
        const bool shown = window.isMinimized() ? !window.isVisible() : window.isVisible();
        if (shown) {
            main.hideWindow();
            return;
        }
        main.bringToFront();
        window.invalidate();
        window.setTimer(kTimerRepaint, 10);
        return;
    }
    if (event == toolkit::kTrayRightUp) {
        toolkit::Point at = main.toolkit().cursorPosition();
        at.y -= 50;
        const char* exitText = exitItemText(main.language().current());
        main.toolkit().openMenu(window, "menu1.xml", {{"exit", exitText}}, at);
    }
}

void ShellModule::onMenuCommand(CMainWnd& main, const std::string& item, const std::string& text) {
    if (main.language().switchByMenuItem(item)) {
        return;
    }
    if (equalsNoCase(item, "About_setting")) {
        main.dialogs().openAbout();
        return;
    }
    if (equalsNoCase(item, "exit")) {
        main.destroy();
        return;
    }
    if (equalsNoCase(item, "qianting") || equalsNoCase(item, "Menu_Import") ||
        equalsNoCase(item, "Menu_Export")) {
        return;
    }
    // Any other item names the message it stands for.
    main.dialogs().showMessage(text);
}

}  // namespace quillon::app
