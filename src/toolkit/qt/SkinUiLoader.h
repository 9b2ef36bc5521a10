#pragma once
// QUiLoader for Quillon's skins: creates the custom controls (DeviceKeyButton, CircleProgress,
// ColorPalette, ChartView, Wnd), leaves an empty placeholder for every page class the program
// names, falls back along a class's declared base classes, and notes every widget it makes.

#include <QUiLoader>
#include <string>
#include <vector>

#include "toolkit/SkinFile.h"
#include "toolkit/SkinLoader.h"

namespace quillon::toolkit::qt {

class SkinImages;

// The dynamic property that keeps the class a widget has in its skin file.
inline constexpr const char* kSkinClassProperty = "qlnSkinClass";

struct PagePlaceholder {
    QWidget* widget = nullptr;
    std::string pageFile;
};

class SkinUiLoader : public QUiLoader {
    Q_OBJECT

  public:
    SkinUiLoader(SkinImages& images, const PageResolver& pages, const SkinDocument& document);

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override;

    // Every widget made, in the order the file names them.
    const std::vector<QWidget*>& created() const { return created_; }
    const std::vector<PagePlaceholder>& placeholders() const { return placeholders_; }

  private:
    QWidget* createOne(const QString& className, QWidget* parent, const QString& name);
    QWidget* createCustom(const QString& className, QWidget* parent);

    SkinImages& images_;
    const PageResolver& pages_;
    const SkinDocument& document_;
    std::vector<QWidget*> created_;
    std::vector<PagePlaceholder> placeholders_;
};

}  // namespace quillon::toolkit::qt
