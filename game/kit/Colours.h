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

// How well text of one colour reads on another: the contrast ratio of their relative
// luminances (1 to 21; 4.5 reads comfortably).
double contrastRatio(const QColor& a, const QColor& b);
// The text colour to use on a background: the preferred one where it reads at 4.5:1 or
// better, else black or white, whichever reads better.
uint32_t readableTextColour(uint32_t background, uint32_t preferred);
// A drop-down or list box and its popup list: background and readable text, with the selected
// entry in the inverse colours, disabled too; text that reads below BoldBelowContrast is bold.
inline constexpr double BoldBelowContrast = 7.0;
void setListBoxColours(QWidget* list, uint32_t background, uint32_t preferredText);

// The design-time colours: the default scheme, and the screens' own dark body.
namespace DesignColours {
inline constexpr uint32_t PanelStart = DefaultColours::GradientStart; // dark red
inline constexpr uint32_t PanelEnd = DefaultColours::GradientEnd;     // red
inline constexpr uint32_t LabelBack = DefaultColours::Background;
inline constexpr uint32_t LabelText = DefaultColours::Text;           // yellow
inline constexpr uint32_t WindowBody = 0x000018;
inline constexpr uint32_t Hover = 0x0000FF;      // a hovered label
} // namespace DesignColours

// The frame around the scheme: the toolbar, the status bars and the slider (the menu keeps its
// own beside it). These do not follow the colour scheme.
namespace ChromeColours {
inline const QColor BarBack{48, 0, 0};   // toolbar and status bars
inline const QColor BarButton{96, 0, 0};
inline const QColor BarText{255, 255, 0};
inline const QColor SliderHandle{255, 200, 0};
inline const QColor SliderGroove{255, 220, 120};
} // namespace ChromeColours

// The bars of the main screen (mood, disk usage): filled part and empty part.
namespace BarColours {
inline const QColor Used{255, 200, 0};
inline const QColor Free{64, 0, 0};
} // namespace BarColours

// The game's own pictures (the virus window's star, the internet screen's globe, the software
// page's discs); each screen keeps its picture's other colours beside its painting.
namespace PictureColours {
inline const QColor Yellow{255, 255, 0}; // the scheme's yellow: outlines, bullets, arrows
} // namespace PictureColours
