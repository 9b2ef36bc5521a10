#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "toolkit_qt/temp_skin.h"

namespace quillon::toolkit::qt {

TempSkin::TempSkin() = default;

std::string TempSkin::dir() const {
    return dir_.path().toStdString() + "/";
}

void TempSkin::write(const std::string& name, const std::string& text) const {
    const QString path = dir_.filePath(QString::fromStdString(name));
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
}

void TempSkin::writePicture(const std::string& name, QColor colour, QSize size) const {
    const QString path = dir_.filePath(QString::fromStdString(name));
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(colour);
    picture.save(path, "PNG");
}

std::string TempSkin::ui(const std::string& children, const std::string& rootProperties,
                         const std::string& customWidgets) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
           " <widget class=\"QWidget\" name=\"root\">\n"
           "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>300</width>"
           "<height>200</height></rect></property>\n" +
           rootProperties + children + " </widget>\n<customwidgets>" + customWidgets +
           "</customwidgets>\n</ui>\n";
}

}  // namespace quillon::toolkit::qt
