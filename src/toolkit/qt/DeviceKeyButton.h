#pragma once
// "DeviceKeyButton": a key of the on-screen keyboard. Over the ordinary button it draws the
// light picture tinted with the key's light colour while its light is on, and above that the
// key-set picture while the key carries a function other than its own (remapped).

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QString>

#include "toolkit/Control.h"

namespace quillon::toolkit::qt {

class SkinImages;

class DeviceKeyButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString lightimage READ lightImage WRITE setLightImage)
    Q_PROPERTY(QString keysetimage READ keySetImage WRITE setKeySetImage)

  public:
    DeviceKeyButton(SkinImages* images, QWidget* parent = nullptr);

    QString lightImage() const { return lightImage_; }
    QString keySetImage() const { return keySetImage_; }
    void setLightImage(const QString& description);
    void setKeySetImage(const QString& description);

    bool lightOn() const { return lightOn_; }
    Argb lightColour() const { return lightColour_; }
    int lightAlpha() const { return lightAlpha_; }
    bool remapped() const { return remapped_; }
    void setLightOn(bool on);
    void setLightColour(Argb colour);
    void setLightAlpha(int alpha);
    void setRemapped(bool remapped);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // The button as the style draws it, kept while nothing it depends on changes: a lighting
    // preview repaints every key twenty times a second and only the light changes.
    const QPixmap& base();

    SkinImages* images_;
    QPixmap base_;
    QString baseKey_;
    QString lightImage_;
    QString keySetImage_;
    bool lightOn_ = false;
    Argb lightColour_ = 0xFFFF0000;
    int lightAlpha_ = 200;
    bool remapped_ = false;
};

}  // namespace quillon::toolkit::qt
