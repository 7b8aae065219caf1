// Helpers shared by the Tavorel tests.
#pragma once

#include <QImage>
#include <QtTest>

#include <memory>

#include "vuzedovi/Tavorel.h"

namespace support {

// A control that paints only what a test asks for: no frame, no caption, flat colours.
inline std::unique_ptr<vuzedovi::Tavorel> plainControl(QSize size)
{
    auto control = std::make_unique<vuzedovi::Tavorel>();
    control->resize(size);
    control->setStyle(vuzedovi::constStyle::PanelFlat);
    control->setCaption(QString());
    return control;
}

inline QImage render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// 0x00BBGGRR as Qt's RGB.
inline QRgb rgbOf(quint32 colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline QString hex(QRgb value) { return QString::number(value & 0xFFFFFF, 16).rightJustified(6, u'0'); }

// Bounding box of the pixels that differ from the background.
inline QRect inkBounds(const QImage& image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

} // namespace support
