// The cursor tab's notifications, and its file and device buttons.

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "keys/CursorPage.h"
#include "keys/MacroStore.h"
#include "keys/MacroTransfer.h"
#include "keys/TransferRunner.h"

namespace quillon::keys {
namespace {

using app::Notification;

std::optional<std::string> chooseSequenceFile(app::CMainWnd& main, bool opening) {
    toolkit::FileDialogSpec spec;
    spec.mode = opening ? toolkit::FileDialogSpec::Mode::Open : toolkit::FileDialogSpec::Mode::Save;
    spec.title = main.toolkit().translate(opening ? "cursor_import" : "cursor_export");
    spec.filters = {{"(*.cur)", "*.cur"}};
    spec.initialName = "*.cur";
    spec.defaultExtension = "cur";
    std::optional<std::string> path = main.toolkit().fileDialog(spec);
    if (path && path->empty()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

void CursorPage::installRoutes() {
    app::Dispatch& d = main_.dispatch();
    namespace route = app::route;
    d.addNumbered(
        "selectchanged", route::kSelectOptions, "ms_gun_op_",
        [this](const Notification& n, int g) {
            if (n.selected) {
                selectSequence(g);
            }
        },
        [](int g) { return g >= 0 && g < kCursorSequenceCount; });
    d.addNumbered(
        "selectchanged", route::kSelectOptions, "ms_bullet_op_",
        [this](const Notification& n, int s) {
            if (n.selected) {
                selectStep(s);
            }
        },
        [](int s) { return s >= 0 && s < kCursorStepCount; });
    d.addNamed("click", route::kClickCursor, {"bullet_selected_prev"},
               [this](const Notification&) { stepBy(-1); });
    d.addNamed("click", route::kClickCursor, {"bullet_selected_next"},
               [this](const Notification&) { stepBy(1); });
    d.addNamed("textchanged", route::kDefault, {"ms_cursor_x_eidt"},
               [this](const Notification& n) { distanceTyped("ms_cursor_x_eidt", n.text, 255); });
    d.addNamed("textchanged", route::kDefault, {"ms_cursor_y_eidt"},
               [this](const Notification& n) { distanceTyped("ms_cursor_y_eidt", n.text, 255); });
    d.addNamed(
        "textchanged", route::kDefault, {"ms_cursor_delay_eidt"},
        [this](const Notification& n) { distanceTyped("ms_cursor_delay_eidt", n.text, 65535); });
    d.addNamed("selectchanged", route::kSelectOptions, {"ms_cursor_x_check"},
               [this](const Notification& n) { checkChanged("ms_cursor_x_check", n.selected); });
    d.addNamed("selectchanged", route::kSelectOptions, {"ms_cursor_y_check"},
               [this](const Notification& n) { checkChanged("ms_cursor_y_check", n.selected); });
    d.addNamed("click", route::kClickCursor, {"ms_bulletdate_save_btn"},
               [this](const Notification&) {
                   DeviceChannel& mouse = main_.channel(DeviceKind::Mouse);
                   const CursorFiles cursor = files();
                   transfers_.start([&mouse, cursor](const TransferRunner::Post&) {
                       transferCursorSequences(mouse, cursor);
                   });
               });
    d.addNamed("click", route::kClickCursor, {"ms_bulletdate_reset_btn"},
               [this](const Notification&) { resetSequence(); });
    d.addNamed("click", route::kClickCursor, {"ms_bulletdate_import_btn"},
               [this](const Notification&) { importSequence(); });
    d.addNamed("click", route::kClickCursor, {"ms_bulletdate_export_btn"},
               [this](const Notification&) { exportSequence(); });
}

void CursorPage::exportSequence() {
    if (!sequenceChosen()) {
        return;
    }
    if (const auto path = chooseSequenceFile(main_, false)) {
        if (files().exportSequence(g_, *path) != 1) {
            main_.dialogs().showMessage(kMsgMacroFileFailed);
        }
    }
}

void CursorPage::importSequence() {
    if (!sequenceChosen()) {
        return;
    }
    if (const auto path = chooseSequenceFile(main_, true)) {
        const char* message = nullptr;
        if (files().importSequence(g_, *path, &message) != 1) {
            main_.dialogs().showMessage(message ? message : kMsgMacroFileFailed);
            return;
        }
        showStep(s_);
    }
}

void CursorPage::resetSequence() {
    if (!sequenceChosen()) {
        return;
    }
    files().resetSequence(g_);
    if (toolkit::Control* first = main_.find("ms_bullet_op_0")) {
        first->setSelected(true, toolkit::Notify::Yes);
    }
    showStep(s_);
}

}  // namespace quillon::keys
