#include "app/PageTable.h"

#include "app/ControlName.h"

namespace quillon::app {
namespace {

struct PageRow {
    const char* className;
    const char* file;
};

const PageRow kPages[] = {
    {"kb_Key_UI", "keyboard_key.xml"},     {"kb_Deng_UI", "keyboard_deng.xml"},
    {"kb_Macro_UI", "keyboard_macro.xml"}, {"MS_Deng_UI", "Mouse_deng.xml"},
    {"MS_Macro_UI", "Mouse_macro.xml"},    {"MS_Key_UI", "Mouse_key.xml"},
    {"MP_deng_UI", "MousePad_deng.xml"},   {"MS_DPI_UI", "Mouse_DPI.xml"},
    {"MS_CURSOR_UI", "Mouse_cursor.xml"},  {"kb_CURSOR_UI", "keyboard_cursor.xml"},
};

}  // namespace

std::string pageFileFor(std::string_view className) {
    for (const PageRow& row : kPages) {
        if (equalsNoCase(row.className, className)) {
            return row.file;
        }
    }
    return "";
}

}  // namespace quillon::app
