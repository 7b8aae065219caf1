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

void setBackColour(QWidget* widget, uint32_t bgr)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, toQColor(bgr));
    p.setColor(QPalette::Base, toQColor(bgr));
    p.setColor(QPalette::Button, toQColor(bgr));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

uint32_t backColour(const QWidget* widget)
{
    return toBgr(widget->palette().color(QPalette::Window));
}

void setForeColour(QWidget* widget, uint32_t bgr)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, toQColor(bgr));
    p.setColor(QPalette::Text, toQColor(bgr));
    p.setColor(QPalette::ButtonText, toQColor(bgr));
    widget->setPalette(p);
}

uint32_t foreColour(const QWidget* widget)
{
    return toBgr(widget->palette().color(QPalette::WindowText));
}
