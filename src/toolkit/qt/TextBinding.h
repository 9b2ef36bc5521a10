#pragma once
// Language text ids bound to widget texts. The id is kept on the widget itself (a dynamic
// property beside the shown text), so a window can re-translate every text it holds, named
// controls and unnamed labels alike, when the language changes.

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QWidget;
class QComboBox;

namespace quillon::toolkit::qt {

using Translator = std::function<std::string(std::string_view id)>;

// The widget's text property: "text", "title" (group boxes) or null when it shows none.
const char* textPropertyOf(const QWidget& widget);

// Turns the skin's "@id" texts of the widget (text, tooltip, window title, placeholder, combo
// items) into bound ids, and "@@" into a literal "@".
void bindSkinTexts(QWidget& widget);

// Shows `id`'s text in the widget's `property` and keeps the id for re-translation.
void showTextId(QWidget& widget, const char* property, const std::string& id,
                const Translator& translate);
// Shows a plain text and forgets any id bound to `property`.
void showPlainText(QWidget& widget, const char* property, const QString& text);
// The id bound to `property`, or "" for a plain text.
std::string boundTextId(const QWidget& widget, const char* property);

// The tooltip, wrapped to `width` pixels when width > 0.
void showTooltip(QWidget& widget, const QString& text, int width);
QString plainTooltip(const QWidget& widget);
int tooltipWidth(const QWidget& widget);

// Shows every bound id of the widget in the current language.
void retranslate(QWidget& widget, const Translator& translate);

// Combo items keep their ids in this role.
inline constexpr int kTextIdRole = 0x0100 + 40;  // Qt::UserRole + 40

}  // namespace quillon::toolkit::qt
