#pragma once
// A skin folder of the test's own, made in a temporary directory and removed with the object.

#include <QColor>
#include <QSize>
#include <QTemporaryDir>
#include <string>

namespace quillon::toolkit::qt {

class TempSkin {
  public:
    TempSkin();

    // The folder, ending with "/".
    std::string dir() const;
    void write(const std::string& name, const std::string& text) const;
    // A picture of one colour.
    void writePicture(const std::string& name, QColor colour, QSize size = QSize(16, 16)) const;

    // A one-widget-deep UI file: `children` is the XML of the root's children.
    static std::string ui(const std::string& children, const std::string& rootProperties = {},
                          const std::string& customWidgets = {});

  private:
    QTemporaryDir dir_;
};

}  // namespace quillon::toolkit::qt
