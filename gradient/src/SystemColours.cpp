// System colours (0x80000000 + index) resolved through the application's palette.
#include <QApplication>
#include <QPalette>

#include "vuzedovi/Tavorel.h"

namespace vuzedovi {

namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    const char* name; // as colour pickers list it; none for an index Windows leaves unused
};

// Indexed by the Windows system colour number (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30).
constexpr SystemColour SystemColours[] = {
    {QPalette::Active, QPalette::Midlight, "Scroll Bars"}, //  0
    {QPalette::Active, QPalette::Dark, "Desktop"}, //  1
    {QPalette::Active, QPalette::Highlight, "Active Title Bar"}, //  2
    {QPalette::Inactive, QPalette::Mid, "Inactive Title Bar"}, //  3
    {QPalette::Active, QPalette::Window, "Menu Bar"}, //  4
    {QPalette::Active, QPalette::Base, "Window Background"}, //  5
    {QPalette::Active, QPalette::Shadow, "Window Frame"}, //  6
    {QPalette::Active, QPalette::WindowText, "Menu Text"}, //  7
    {QPalette::Active, QPalette::Text, "Window Text"}, //  8
    {QPalette::Active, QPalette::HighlightedText, "Active Title Bar Text"}, //  9
    {QPalette::Active, QPalette::Window, "Active Border"}, // 10
    {QPalette::Inactive, QPalette::Window, "Inactive Border"}, // 11
    {QPalette::Active, QPalette::Dark, "Application Workspace"}, // 12
    {QPalette::Active, QPalette::Highlight, "Highlight"}, // 13
    {QPalette::Active, QPalette::HighlightedText, "Highlighted Text"}, // 14
    {QPalette::Active, QPalette::Button, "Button Face"}, // 15
    {QPalette::Active, QPalette::Dark, "Button Shadow"}, // 16
    {QPalette::Disabled, QPalette::Text, "Disabled Text"}, // 17
    {QPalette::Active, QPalette::ButtonText, "Button Text"}, // 18
    {QPalette::Inactive, QPalette::HighlightedText, "Inactive Title Bar Text"}, // 19
    {QPalette::Active, QPalette::Light, "Button Highlight"}, // 20
    {QPalette::Active, QPalette::Shadow, "Button Dark Shadow"}, // 21
    {QPalette::Active, QPalette::Midlight, "Button Light Shadow"}, // 22
    {QPalette::Active, QPalette::ToolTipText, "ToolTip Text"}, // 23
    {QPalette::Active, QPalette::ToolTipBase, "ToolTip"}, // 24
    {QPalette::Active, QPalette::Button, nullptr}, // 25
    {QPalette::Active, QPalette::Link, "Hot Tracking"}, // 26
    {QPalette::Active, QPalette::Highlight, "Active Title Bar Gradient"}, // 27
    {QPalette::Inactive, QPalette::Mid, "Inactive Title Bar Gradient"}, // 28
    {QPalette::Active, QPalette::Highlight, "Menu Highlight"}, // 29
    {QPalette::Active, QPalette::Window, "Menu Bar Background"}, // 30
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

int systemColorCount() { return int(std::size(SystemColours)); }

QString systemColorName(int index)
{
    if (index < 0 || index >= systemColorCount() || !SystemColours[index].name)
        return {};
    return QLatin1String(SystemColours[index].name);
}

} // namespace vuzedovi
