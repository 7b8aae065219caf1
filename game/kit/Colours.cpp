#include "Colours.h"

#include "DisabledText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPalette>
#include <QWidget>

#include <cmath>

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

namespace {
double luminance(const QColor& c)
{
    const auto channel = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

uint32_t readableTextColour(uint32_t background, uint32_t preferred)
{
    constexpr uint32_t Black = 0x000000, White = 0xFFFFFF;
    const QColor back = toQColor(background);
    if (contrastRatio(back, toQColor(preferred)) >= 4.5)
        return preferred;
    return contrastRatio(back, Qt::black) >= contrastRatio(back, Qt::white) ? Black : White;
}

void setListBoxColours(QWidget* list, uint32_t background, uint32_t preferredText)
{
    const QColor back = toQColor(background);
    const QColor text = toQColor(readableTextColour(background, preferredText));
    // Disabled, its names and the chosen one still read at 4.5:1 (against one colour, some
    // colour always does).
    const QColor faded = *disabledTextColour(text, {back}, ReadableFading);
    // Thin strokes of text that reads only just on a bright background blur into it: bold.
    const QString weight = contrastRatio(back, text) < BoldBelowContrast ? QStringLiteral("bold")
                                                                          : QStringLiteral("normal");
    // Style sheets, since the Fusion style paints a drop-down's face as a lighter gradient
    // of its button colour, which would wash the text out.
    const QString sheet = QStringLiteral(
        "QComboBox, QListView, QListWidget, QAbstractItemView { background: %1; color: %2;"
        " selection-background-color: %2; selection-color: %1; font-weight: %4; }"
        "QComboBox:disabled, QAbstractItemView:disabled { color: %3;"
        " selection-background-color: %3; }"
        "QComboBox { border: 1px solid %2; padding: 1px 6px; }")
        .arg(back.name(), text.name(), faded.name(), weight);
    list->setStyleSheet(sheet);
    setPaletteColours(list, {{QPalette::Window, back}, {QPalette::Base, back},
                             {QPalette::Button, back}, {QPalette::Text, text},
                             {QPalette::WindowText, text}, {QPalette::ButtonText, text},
                             {QPalette::Highlight, text}, {QPalette::HighlightedText, back}});
    QPalette p = list->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText,
                                     QPalette::Highlight})
        p.setColor(QPalette::Disabled, role, faded);
    list->setPalette(p);
    if (auto* box = qobject_cast<QComboBox*>(list))
        box->view()->setStyleSheet(sheet);
}
