#include "toolkit/qt/SkinUiLoader.h"

#include "toolkit/qt/ChartView.h"
#include "toolkit/qt/CircleProgress.h"
#include "toolkit/qt/ColorPalette.h"
#include "toolkit/qt/DeviceKeyButton.h"
#include "toolkit/qt/SkinComboBox.h"
#include "toolkit/qt/WndHost.h"

namespace quillon::toolkit::qt {

SkinUiLoader::SkinUiLoader(SkinImages& images, const PageResolver& pages,
                           const SkinDocument& document)
    : images_(images), pages_(pages), document_(document) {
    clearPluginPaths();  // see WithoutDesignerPlugins
}

QWidget* SkinUiLoader::createCustom(const QString& className, QWidget* parent) {
    const auto is = [&className](const char* name) {
        return className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    // Each custom control by its skin name or its full class name.
    if (is("DeviceKeyButton") || is("CDeviceKeyButtonUI")) {
        return new DeviceKeyButton(&images_, parent);
    }
    if (is("QComboBox")) {
        return new SkinComboBox(parent);
    }
    if (is("CircleProgress") || is("CCircleProgressUI")) {
        return new CircleProgress(parent);
    }
    if (is("ColorPalette")) {
        return new ColorPalette(parent);
    }
    if (is("ChartView") || is("CChartViewUI")) {
        return new ChartView(&images_, parent);
    }
    if (is("Wnd") || is("CWndUI")) {
        return new WndHost(parent);
    }
    return nullptr;
}

QWidget* SkinUiLoader::createOne(const QString& className, QWidget* parent, const QString& name) {
    if (pages_) {
        std::string pageFile = pages_(className.toStdString());
        if (!pageFile.empty()) {
            auto* placeholder = new QWidget(parent);
            placeholders_.push_back({placeholder, std::move(pageFile)});
            return placeholder;
        }
    }
    if (QWidget* custom = createCustom(className, parent)) {
        return custom;
    }
    if (availableWidgets().contains(className)) {
        return QUiLoader::createWidget(className, parent, name);
    }
    return nullptr;
}

QWidget* SkinUiLoader::createWidget(const QString& className, QWidget* parent,
                                    const QString& name) {
    QWidget* widget = nullptr;
    for (const std::string& candidate : classChain(document_, className.toStdString())) {
        widget = createOne(QString::fromStdString(candidate), parent, name);
        if (widget != nullptr) {
            break;
        }
    }
    if (widget == nullptr) {
        widget = new QWidget(parent);  // an unknown class still holds its place and its name
    }
    widget->setObjectName(name);
    widget->setProperty(kSkinClassProperty, className);
    created_.push_back(widget);
    return widget;
}

}  // namespace quillon::toolkit::qt
