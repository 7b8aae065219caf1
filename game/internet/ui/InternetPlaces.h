// Where the controls of the internet screen sit, in pixels, and how its Tavorels look: the
// body and its pages, the online clock, the frames of the pages, the places of the services'
// options, and the one-line captions of its headings and buttons.
#pragma once

#include "InternetScreen.h"

#include "internet/Online.h"

#include "kit/Twips.h"

#include <QRect>
#include <QRgb>

#include <array>

#include <vuzedovi/Tavorel.h>

struct GameState;
class QWidget;

// Places and widths on the internet screen, in twips (15 to a pixel).
namespace InternetLayout {
inline constexpr int NarrowWidth = 6570, WideWidth = 8655;
inline constexpr int NarrowMinLeft = 5955, NarrowCloseLeft = 6215;
inline constexpr int WideMinLeft = 8040, WideCloseLeft = 8300;
inline constexpr int PanelSostLeft = 240, PanelSostTop = 1680;
} // namespace InternetLayout

// The narrow and the wide layout of cmdDetali, in twips.
struct DetailsLayout {
    int widthTwips;
    int cmdMinLeft;
    int cmdCloseLeft;
};
inline constexpr DetailsLayout detailsLayout(bool wide)
{
    using namespace InternetLayout;
    return wide ? DetailsLayout{WideWidth, WideMinLeft, WideCloseLeft}
                : DetailsLayout{NarrowWidth, NarrowMinLeft, NarrowCloseLeft};
}

namespace InternetPlaces {
inline constexpr int StatusBarHeight = 20;
inline constexpr int BodyHeight =
    InternetScreen::Height - InternetScreen::TitleHeight - StatusBarHeight;
inline constexpr int NarrowWidth = twipsToPixels(InternetLayout::NarrowWidth);
inline constexpr int WideWidth = twipsToPixels(InternetLayout::WideWidth);
inline constexpr int PageWidth = 296, PageHeight = 402;

// The light grey and white behind lblAntiDa.
inline constexpr QRgb AntiDaHover = qRgb(224, 224, 224), AntiDaRest = qRgb(255, 255, 255);

// The pages of SSTab1, in tab order.
inline constexpr std::array<const char*, 6> pageNames{"tabStart", "tabSell", "tabOffer",
                                                      "tabAnti", "tabProgr", "tabFun"};

// The online clock and the rate, in the part of the window the wide layout adds.
struct ClockPlace {
    const char* name;
    QRect place;
    const char* caption;
};
extern const std::array<ClockPlace, 5> onlineClock;

// Where each service's option sits: its page (or frame) and place. Chapters carry a bullet,
// courses their price label to the right.
struct ServicePlace {
    const char* control;
    const char* parent;
    QRect place;
    const char* bullet;     // the bullet image beside a chapter, or nullptr
    const char* priceLabel; // the label of a course's price, or nullptr
};
extern const std::array<ServicePlace, 14> servicePlaces;

// The frames of the pages, each on its page or on another frame.
struct FramePlace {
    const char* name;
    const char* parent;
    QRect place;
    const char* caption;
};
extern const std::array<FramePlace, 7> frames;

// A Tavorel's caption is one line: headings take the largest size, from 10 points down, at
// which their caption fits the place they are given.
vuzedovi::PropertyBag fitted(vuzedovi::PropertyBag bag, const QString& caption, int width,
                             int largest = 10);
vuzedovi::PropertyBag heading(const char* caption, int width);
vuzedovi::PropertyBag button(const char* caption, int width, int largest);
// A heading or background panel that stays where it is.
vuzedovi::PropertyBag fixed(vuzedovi::PropertyBag bag);

// An option in the scheme's colours, its round indicator white with a dark red dot.
void colourOption(QWidget* option, const GameState& g);
} // namespace InternetPlaces
