// Colours of plain controls. The game keeps colours as 0x00BBGGRR values (red in the low
// byte); labels show them as their background and text colour.
#pragma once

#include "state/GameState.h"

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <initializer_list>

class QWidget;

QColor toQColor(uint32_t bgr);
uint32_t toBgr(const QColor& colour);

// The background a label or plain control paints behind its text.
void setBackColour(QWidget* widget, uint32_t bgr);
uint32_t backColour(const QWidget* widget);
// Its text colour.
void setForeColour(QWidget* widget, uint32_t bgr);
uint32_t foreColour(const QWidget* widget);

// Gives a control's palette these colours (plain RGB, as the toolkit takes them).
struct PaletteColour {
    QPalette::ColorRole role;
    QColor colour;
};
void setPaletteColours(QWidget* widget, std::initializer_list<PaletteColour> colours);

// The design-time colours: the default scheme, and the screens' own dark body.
namespace DesignColours {
inline constexpr uint32_t PanelStart = DefaultColours::GradientStart; // dark red
inline constexpr uint32_t PanelEnd = DefaultColours::GradientEnd;     // red
inline constexpr uint32_t LabelBack = DefaultColours::Background;
inline constexpr uint32_t LabelText = DefaultColours::Text;           // yellow
inline constexpr uint32_t WindowBody = 0x000018;
inline constexpr uint32_t Hover = 0x0000FF;      // a hovered label
} // namespace DesignColours

// The bars of the main screen (mood, disk usage): filled part and empty part.
namespace BarColours {
inline const QColor Used{255, 200, 0};
inline const QColor Free{64, 0, 0};
} // namespace BarColours
