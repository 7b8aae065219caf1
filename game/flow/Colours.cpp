#include "Colours.h"

#include <QPalette>
#include <QWidget>

#include <vuzedovi/Tavorel.h>

QColor toQColor(uint32_t bgr)
{
    // System colours (top bit set) go through the control library's translation.
    return QColor::fromRgb(vuzedovi::translateColor(bgr));
}

uint32_t toBgr(const QColor& colour)
{
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

void setPaletteColours(QWidget* widget, std::initializer_list<PaletteColour> colours)
{
    QPalette p = widget->palette();
    for (const PaletteColour& c : colours)
        p.setColor(c.role, c.colour);
    widget->setPalette(p);
}

void setBackColour(QWidget* widget, uint32_t bgr)
{
    const QColor c = toQColor(bgr);
    setPaletteColours(widget, {{QPalette::Window, c}, {QPalette::Base, c}, {QPalette::Button, c}});
    widget->setAutoFillBackground(true);
}

uint32_t backColour(const QWidget* widget)
{
    return toBgr(widget->palette().color(QPalette::Window));
}

void setForeColour(QWidget* widget, uint32_t bgr)
{
    const QColor c = toQColor(bgr);
    setPaletteColours(widget,
                      {{QPalette::WindowText, c}, {QPalette::Text, c}, {QPalette::ButtonText, c}});
}

uint32_t foreColour(const QWidget* widget)
{
    return toBgr(widget->palette().color(QPalette::WindowText));
}
