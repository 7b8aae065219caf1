// System colours (0x80000000 + index) resolved through the application's palette.
#include <QApplication>
#include <QPalette>

#include "vuzedovi/Tavorel.h"

namespace vuzedovi {

namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by the Windows system colour number (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30).
constexpr SystemColour SystemColours[] = {
    {QPalette::Active, QPalette::Midlight},          //  0 scroll bar
    {QPalette::Active, QPalette::Dark},              //  1 desktop
    {QPalette::Active, QPalette::Highlight},         //  2 active caption
    {QPalette::Inactive, QPalette::Mid},             //  3 inactive caption
    {QPalette::Active, QPalette::Window},            //  4 menu
    {QPalette::Active, QPalette::Base},              //  5 window
    {QPalette::Active, QPalette::Shadow},            //  6 window frame
    {QPalette::Active, QPalette::WindowText},        //  7 menu text
    {QPalette::Active, QPalette::Text},              //  8 window text
    {QPalette::Active, QPalette::HighlightedText},   //  9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
    {QPalette::Active, QPalette::Button},            // 25 (unused)
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},             // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
};

} // namespace

QRgb translateColor(OleColor colour)
{
    if (colour & 0x80000000u) {
        const quint32 index = colour & 0x7FFFFFFFu;
        if (index >= std::size(SystemColours))
            return qRgb(0, 0, 0);  // not a system colour: black
        const SystemColour& system = SystemColours[index];
        return QApplication::palette().color(system.group, system.role).rgb();
    }
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace vuzedovi
