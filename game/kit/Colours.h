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
// entry in the inverse colours.
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

// The frame around the scheme: the menu, the toolbar, the status bars and the slider. These do
// not follow the colour scheme.
namespace ChromeColours {
inline constexpr uint32_t MenuButton = 0x0000C0;          // RGB 192, 0, 0
inline constexpr uint32_t MenuButtonHighlight = 0x0080FF; // RGB 255, 128, 0
inline const QColor MenuButtonText{255, 255, 0};
inline const QColor MenuHighlightText{64, 0, 0};
inline const QColor MenuBodyTop{64, 0, 0};
inline const QColor MenuBodyBottom{16, 0, 0};
inline const QColor MenuTitleShadow{0, 0, 0, 160};
inline const QColor MenuTitle{255, 255, 0};
inline const QColor MenuSubtitle{255, 200, 120};
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

// The game's own pictures: the virus window's star, the internet screen's globe, bullets and
// frames, the rest screen's beach, the software page's discs and marks.
namespace PictureColours {
inline const QColor Yellow{255, 255, 0}; // the scheme's yellow: outlines, bullets, arrows
inline const QColor FaintYellow{255, 255, 0, 150};
inline const QColor VirusGlowCentre{96, 0, 0};
inline const QColor VirusGlowEdge{8, 0, 0};
inline const QColor GlobeSeaLight{120, 190, 255};
inline const QColor GlobeSeaDeep{10, 40, 140};
inline const QColor EveningSkyTop{64, 0, 0};
inline const QColor EveningSkyHorizon{255, 120, 0};
inline const QColor EveningSun{255, 230, 0};
inline const QColor EveningSeaNear{160, 40, 0};
inline const QColor EveningSeaFar{40, 0, 0};
inline const QColor BeachSand{230, 180, 60};
inline const QColor BeachPalmTrunk{90, 40, 0};
inline const QColor BeachPalmLeaf{0, 110, 0};
inline const QColor DiscEdge{60, 60, 60};
inline const QColor DiscHole{30, 0, 0};
inline const QColor DiscGroove{255, 255, 255, 120};
inline const QColor DiscInstallable{200, 220, 255};
inline const QColor DiscResting{170, 170, 170};
inline const QColor DiscNotInstallable{200, 200, 200};
inline const QColor DiscInstalling{255, 220, 120};
inline const QColor BadgeYes{0, 150, 0};
inline const QColor BadgeNo{200, 0, 0};
inline const QColor ArrowEdge{80, 0, 0};
inline const QColor InstalledMark{0, 190, 0};
} // namespace PictureColours

// The toolbar's icons.
namespace IconColours {
inline const QColor Ink{40, 0, 0};
inline const QColor Yellow{255, 220, 60};
inline const QColor Paper{255, 248, 220};
inline const QColor BookCover{170, 20, 20};
inline const QColor BookLines{150, 110, 80};
inline const QColor LeatherTop{170, 100, 40};
inline const QColor LeatherBottom{110, 55, 20};
inline const QColor ComputerCase{200, 200, 190};
inline const QColor ScreenTop{60, 120, 220};
inline const QColor ScreenBottom{20, 40, 120};
inline const QColor DiscShine{255, 255, 255};
inline const QColor DiscBlue{190, 210, 255};
inline const QColor DiscPink{255, 200, 230};
inline const QColor DiscRim{170, 170, 200};
inline const QColor DiscHub{230, 230, 230};
inline const QColor CodeBack{30, 30, 40};
inline const QColor CodeBrackets{120, 255, 120};
inline const QColor GlobeSeaLight{120, 190, 255};
inline const QColor GlobeSeaDeep{20, 70, 170};
inline const QColor GlobeLand{70, 170, 70};
inline const QColor GlobeLines{255, 255, 255, 140};
inline const QColor Sun{255, 200, 40};
inline const QColor Sea{40, 120, 220};
inline const QColor Sand{230, 200, 120};
inline const QColor PalmTrunk{120, 70, 20};
inline const QColor PalmLeaf{30, 150, 40};
inline const QColor MenuBullet{190, 0, 0};
} // namespace IconColours
