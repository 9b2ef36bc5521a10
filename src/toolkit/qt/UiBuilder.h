#pragma once
// Builds a window's widgets from its skin file with QUiLoader and fills its page placeholders
// with the pages the program names. Every file is first read by the shared skin reader, which
// refuses names that leave the skin folder, oversized or malformed files and deep nesting, so
// QUiLoader only ever sees files that passed those checks.

#include <QWidget>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "toolkit/SkinLoader.h"

namespace quillon::toolkit::qt {

class SkinImages;

class UiBuilder {
  public:
    UiBuilder(const SkinFolder& folder, SkinImages& images, PageResolver pages);

    // The window's root widget, or null with `error` set when the skin cannot be built. A page
    // that cannot be built leaves its placeholder empty (noted in warnings()).
    std::unique_ptr<QWidget> build(std::string_view idOrFile, std::string& error);

    // The named widgets of the built window in skin order, pages in their placeholders.
    std::vector<QWidget*> namedWidgets(QWidget& root) const;
    const std::vector<std::string>& warnings() const { return warnings_; }

  private:
    QWidget* loadFile(const std::string& fileName, QWidget* parent, int depth, std::string& error);
    void fillPage(QWidget& placeholder, const std::string& pageFile, int depth);

    const SkinFolder& folder_;
    SkinImages& images_;
    PageResolver pages_;
    std::unordered_set<QWidget*> named_;
    std::size_t nodes_ = 0;
    std::vector<std::string> warnings_;
};

}  // namespace quillon::toolkit::qt
