#include "InternetPlaces.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/ScreenKit.h"
#include "settings/ColourScheme.h"
#include "state/GameState.h"

#include <QFontMetrics>
#include <QWidget>

namespace InternetPlaces {
using vuzedovi::PropertyBag;

const std::array<ClockPlace, 5> onlineClock{{
    {"lblHour", {448, 40, 34, 30}, "00"},
    {"Label12", {482, 40, 10, 30}, ":"},
    {"lblMin", {492, 40, 34, 30}, "00"},
    {"Label5", {526, 40, 10, 30}, ":"},
    {"lblSec", {536, 40, 34, 30}, "00"},
}};

const std::array<ServicePlace, 14> servicePlaces{{
    {"Option14", "tabSell", {10, 12, 276, 22}, nullptr, nullptr},
    {"Option4", "tabOffer", {10, 48, 280, 22}, nullptr, nullptr},
    {"Option5", "tabOffer", {10, 76, 280, 22}, nullptr, nullptr},
    {"Option6", "tabOffer", {10, 104, 280, 22}, nullptr, nullptr},
    {"Option15", "Frame3", {24, 20, 160, 20}, nullptr, "Label13"},
    {"Option9", "Frame4", {24, 18, 160, 20}, "Image7", "Label14"},
    {"Option8", "Frame4", {24, 42, 160, 20}, "Image8", "Label15"},
    {"Option7", "Frame5", {24, 18, 160, 20}, "Image9", "Label16"},
    {"Option10", "Frame5", {24, 42, 160, 20}, "Image10", "Label17"},
    {"Option12", "Frame6", {24, 18, 160, 20}, "Image11", "Label18"},
    {"Option11", "Frame6", {24, 42, 160, 20}, "Image12", "Label19"},
    {"Option13", "Frame6", {24, 66, 160, 20}, "Image13", "Label20"},
    {"Option2", "Frame7", {12, 60, 270, 22}, nullptr, nullptr},
    {"Option1", "Frame7", {12, 90, 270, 22}, nullptr, nullptr},
}};

const std::array<FramePlace, 7> frames{{
    {"Frame1", "tabAnti", {10, 44, 160, 98}, "Антивирус"},
    {"Frame2", "tabProgr", {2, 0, 292, 372}, "Повышение квалификации программиста"},
    {"Frame3", "Frame2", {8, 46, 276, 48}, "Дополнительный курс по VB 6.0, C++ 6.0, Fox Pro 6.0"},
    {"Frame4", "Frame2", {8, 98, 276, 68}, "Введение в БД"},
    {"Frame5", "Frame2", {8, 170, 276, 68}, "БД в Fox Pro"},
    {"Frame6", "Frame2", {8, 268, 276, 94}, "СУБД Access, Paradox, DBISAM"},
    {"Frame7", "tabFun", {2, 0, 292, 130}, "Развлечения"},
}};

PropertyBag fitted(PropertyBag bag, const QString& caption, int width, int largest)
{
    int points = largest;
    while (points > 7 && QFontMetrics(tavorelFont(points)).horizontalAdvance(caption) > width - 10)
        --points;
    bag.write(QStringLiteral("font"), QVariant::fromValue(tavorelFont(points)));
    return bag;
}

PropertyBag heading(const char* caption, int width)
{
    const QString text = QString::fromUtf8(caption);
    return fitted(panelProperties(text), text, width);
}

PropertyBag button(const char* caption, int width, int largest)
{
    const QString text = QString::fromUtf8(caption);
    return fitted(buttonProperties(text), text, width, largest);
}

PropertyBag fixed(PropertyBag bag)
{
    bag.write(QStringLiteral("movecontrol"), int(vuzedovi::constMoveControl::None));
    return bag;
}

void colourOption(QWidget* w, const GameState& g)
{
    // The scheme's choice colours, unless the settings were once cancelled: then the design's.
    const bool scheme = schemeApplies(g);
    const uint32_t back = scheme ? schemeColour(g, &GameState::colourChoiceButtons)
                                 : DesignColours::LabelBack;
    const uint32_t text = scheme ? schemeColour(g, &GameState::colourText)
                                 : DesignColours::LabelText;
    setBackColour(w, back);
    setForeColour(w, readableTextColour(back, text));
    // The round indicator: white, with a dark red dot when chosen.
    setPaletteColours(w, {{QPalette::Base, QColor(255, 255, 255)}, {QPalette::Text, QColor(128, 0, 0)}});
}
} // namespace InternetPlaces
